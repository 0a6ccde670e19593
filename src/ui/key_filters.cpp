#include "ui/key_filters.h"

#include "base/entry_rules.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

#include "ui/message_boxes.h"

namespace kalodaya::ui {
namespace {

// Line breaks and tabs ride along with copied text; they are not something the user meant
// to put into a one-line box, so a paste drops them without a message.
bool IsCarriedAlong(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// Filters `text`, moving `pos` (when given) left by the characters removed before it.
QString Filter(KeyFilterKind kind, const QString& text, int* pos, bool* rejected) {
    QString kept(QStringLiteral(""));
    kept.reserve(text.size());
    bool anyRejected = false;
    int newPos = pos ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar mapped = FilteredChar(kind, text[i]);
        if (!mapped.isNull()) {
            kept.append(mapped);
            continue;
        }
        if (!IsCarriedAlong(text[i])) anyRejected = true;
        if (pos && i < *pos) --newPos;
    }
    if (pos) *pos = newPos;
    if (rejected) *rejected = anyRejected;
    return kept;
}

// The Paste entry of a text box's standard menu: by name where the library names it, else by
// its caption (looked up in the same translation the box uses).
QAction* PasteAction(QMenu* menu) {
    if (auto* named = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) return named;
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions())
        if (action->text().section(u'\t', 0, 0) == caption) return action;
    return nullptr;
}

// The last line of defence: whatever road text takes into the box, what it holds is filtered.
// It remembers that it removed something, so the box can tell the user when a user edit was
// cut short.
class BoxValidator final : public QValidator {
public:
    BoxValidator(KeyFilterKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}

    State validate(QString& input, int& pos) const override {
        bool rejected = false;
        QString kept = Filter(kind_, input, &pos, &rejected);
        if (kept != input) input = std::move(kept);
        if (rejected) rejected_ = true;
        return Acceptable;
    }

    bool TakeRejected() {
        const bool was = rejected_;
        rejected_ = false;
        return was;
    }

private:
    KeyFilterKind kind_;
    mutable bool rejected_ = false;
};

class KeyFilter final : public QObject {
public:
    KeyFilter(QLineEdit* box, KeyFilterKind kind, BoxValidator* validator, MessageBoxes& messages)
        : QObject(box), box_(box), kind_(kind), messages_(messages), validator_(validator) {
        // A user edit that the validator had to cut short (a middle-click paste, an input
        // method) gets the message too; edits made by the program do not.
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (validator_->TakeRejected()) ShowRejectionLater();
        });
        // textChanged follows textEdited: forget what a program's setText left behind.
        connect(box, &QLineEdit::textChanged, this, [this] { validator_->TakeRejected(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_ || forwarding_) return false;
        switch (event->type()) {
            case QEvent::KeyPress:
                return OnKeyPress(static_cast<QKeyEvent*>(event));
            case QEvent::Drop:
                return OnDrop(static_cast<QDropEvent*>(event));
            case QEvent::ContextMenu:
                return OnContextMenu(static_cast<QContextMenuEvent*>(event));
            default:
                return false;
        }
    }

private:
    bool OnKeyPress(QKeyEvent* e) {
        if (e->matches(QKeySequence::Paste)) {
            PasteFiltered();
            return true;
        }
        switch (e->key()) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
            case Qt::Key_Return:  // Enter asks for the chart (the form's returnPressed)
            case Qt::Key_Enter:
                return false;  // editing and moving keys put no character into the box
            default:
                break;
        }
        const Qt::KeyboardModifiers mods = e->modifiers();
        const bool shortcut = (mods & Qt::MetaModifier) ||
                              ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier));
        if (shortcut) return false;  // select all, copy, cut, undo: the box handles them

        const QString text = e->text();
        bool printable = false;
        for (QChar c : text) printable = printable || !IsCarriedAlong(c);
        if (!printable) return false;  // arrows, Home, End, function keys

        bool rejected = false;
        const QString kept = FilteredText(kind_, text, &rejected);
        if (rejected) ShowRejection();
        if (!rejected && kept == text) return false;
        if (!kept.isEmpty()) {
            // Hand the box the accepted (upper-cased) characters as the same key.
            QKeyEvent copy(e->type(), e->key(), mods, kept, e->isAutoRepeat(),
                           static_cast<quint16>(e->count()));
            Forward(&copy);
            e->setAccepted(copy.isAccepted());
        }
        return true;
    }

    bool OnDrop(QDropEvent* e) {
        const QMimeData* mime = e->mimeData();
        if (!mime || !mime->hasText() || e->source() == box_) return false;
        const QString text = mime->text();
        bool rejected = false;
        const QString kept = FilteredText(kind_, text, &rejected);
        if (kept == text) return false;
        QMimeData filtered;
        filtered.setText(kept);
        QDropEvent copy(e->position(), e->possibleActions(), &filtered, e->buttons(),
                        e->modifiers(), e->type());
        copy.setDropAction(e->dropAction());
        Forward(&copy);
        e->setDropAction(copy.dropAction());
        e->setAccepted(copy.isAccepted());
        // The drag may still hold the pointer; speak once it has let go.
        if (rejected) ShowRejectionLater();
        return true;
    }

    bool OnContextMenu(QContextMenuEvent* e) {
        QPointer<QMenu> menu = box_->createStandardContextMenu();
        QAction* paste = PasteAction(menu);
        if (!paste) {  // the box's own menu then; the validator still holds
            delete menu;
            return false;
        }
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { PasteFiltered(); });
        e->accept();
        menu->exec(e->globalPos());
        delete menu;  // already gone if the box went away while the menu was open
        return true;
    }

    void PasteFiltered() {
        if (box_->isReadOnly()) return;
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard) return;
        bool rejected = false;
        const QString kept = FilteredText(kind_, clipboard->text(), &rejected);
        // The box's length limit applies to what is left.
        if (!kept.isEmpty()) box_->insert(kept);
        if (rejected) ShowRejection();
    }

    void Forward(QEvent* event) {
        forwarding_ = true;
        QCoreApplication::sendEvent(box_, event);
        forwarding_ = false;
    }

    void ShowRejection() {
        messages_.Show(box_->window(),
                        {RejectionMessage(kind_), RejectionIcon(kind_), QMessageBox::Ok});
    }

    void ShowRejectionLater() {
        QMetaObject::invokeMethod(this, [this] { ShowRejection(); }, Qt::QueuedConnection);
    }

    QLineEdit* box_;
    KeyFilterKind kind_;
    MessageBoxes& messages_;
    BoxValidator* validator_;
    bool forwarding_ = false;
};

}  // namespace

QString RejectionMessage(KeyFilterKind kind) {
    return kind == KeyFilterKind::Numbers ? QStringLiteral("Only Numbers Are Accepted")
                                          : QStringLiteral("Please Enter only Letters");
}

QMessageBox::Icon RejectionIcon(KeyFilterKind kind) {
    return kind == KeyFilterKind::Numbers ? QMessageBox::Critical : QMessageBox::Information;
}

QChar FilteredChar(KeyFilterKind kind, QChar c) {
    const char16_t u = c.unicode();
    if (kind == KeyFilterKind::Numbers)
        return entry_rules::IsCoordinateCharacter(u) ? c : QChar();
    const char16_t mapped = entry_rules::NameCharacter(u);
    return mapped ? QChar(mapped) : QChar();
}

QString FilteredText(KeyFilterKind kind, const QString& text, bool* rejected) {
    return Filter(kind, text, nullptr, rejected);
}

void InstallKeyFilter(QLineEdit* box, KeyFilterKind kind, MessageBoxes& messages) {
    auto* validator = new BoxValidator(kind, box);
    box->setValidator(validator);
    box->installEventFilter(new KeyFilter(box, kind, validator, messages));
}

}  // namespace kalodaya::ui
