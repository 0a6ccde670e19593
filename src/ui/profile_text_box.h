#pragma once
// The read-only boxes of the details page that hold the sign's interpretive texts.
//
// The texts are not to be copied out of the program: the boxes offer no selection, no copy
// shortcut, no context menu and no drag. Should a text of theirs reach the clipboard all the
// same, it carries a mark of its own, and any mouse activity over a box (or a new text in one)
// removes it again. Whatever another program put on the clipboard is left alone.
#include <QPlainTextEdit>

class QMimeData;

namespace kalodaya::ui {

// The format that marks clipboard data taken from a profile text box.
inline const QString kProfileTextMime = QStringLiteral("application/x-kalodaya-profile-text");

// Clears the clipboard (and the X11 selection) when it holds data from a profile text box;
// leaves it alone otherwise.
void ClearProfileTextFromClipboard();

class ProfileTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ProfileTextBox(QWidget* parent = nullptr);

    // The box is as tall as its whole text at a given width: nothing is cut off or scrolled
    // out of sight.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
};

}  // namespace kalodaya::ui
