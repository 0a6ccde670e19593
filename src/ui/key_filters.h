#pragma once
// The character filters of the entry form's text boxes.
//
// A filtered box judges every character before it reaches the box. A rejected character is
// discarded and the box's message is shown. Typed keys are judged one at a time, as they come.
// A paste (Ctrl+V, Shift+Insert, the context menu) or a drop keeps only the characters the
// filter accepts (letters upper-cased in the name box) and then the box's length limit applies;
// when anything was discarded the message is shown once for the whole paste. Line breaks and
// tabs carried by a pasted text are dropped silently. Whatever other road text takes into the
// box (a middle-click paste, an input method, a program), a validator removes the rejected
// characters, so a filtered box never holds a character its filter rejects.
#include <QMessageBox>
#include <QString>

class QLineEdit;

namespace kalodaya::ui {

class MessageBoxes;

enum class KeyFilterKind {
    Numbers,  // digits, Backspace and Enter: the latitude and longitude boxes
    Letters,  // A to Z (a to z entered as upper case), Space, Backspace and Enter: the name box
};

// The message and icon a rejected character shows.
QString RejectionMessage(KeyFilterKind kind);
QMessageBox::Icon RejectionIcon(KeyFilterKind kind);

// The character `c` becomes in the box, or a null QChar when the filter rejects it.
// (Backspace and Enter are keys rather than characters of the text; see the key filter.)
QChar FilteredChar(KeyFilterKind kind, QChar c);

// `text` with every rejected character removed and letters mapped; `rejected` (optional) is
// set when a character other than a line break or tab was removed.
QString FilteredText(KeyFilterKind kind, const QString& text, bool* rejected = nullptr);

// Puts the filter of `kind` on `box`, together with its validator. The filter objects are
// children of the box. Messages go through `messages` (which must outlive the box), owned by
// the box's window.
void InstallKeyFilter(QLineEdit* box, KeyFilterKind kind, MessageBoxes& messages);

}  // namespace kalodaya::ui
