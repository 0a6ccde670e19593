#include "ui/profile_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

namespace kalodaya::ui {

void ClearProfileTextFromClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (mode == QClipboard::Selection && !clipboard->supportsSelection()) continue;
        const QMimeData* data = clipboard->mimeData(mode);
        if (data && data->hasFormat(kProfileTextMime)) clipboard->clear(mode);
    }
}

ProfileTextBox::ProfileTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // No selection at all: on X11 a selection would go to the selection clipboard by itself.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
    connect(this, &QPlainTextEdit::textChanged, this, &ClearProfileTextFromClipboard);
}

void ProfileTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    // Reading keys scroll the text; everything else (Tab included) goes on to the window.
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case Qt::Key_PageDown: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        case Qt::Key_Home: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
        case Qt::Key_End: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
        default: event->ignore(); return;
    }
    event->accept();
}

void ProfileTextBox::mousePressEvent(QMouseEvent* event) {
    ClearProfileTextFromClipboard();
    QPlainTextEdit::mousePressEvent(event);
}

void ProfileTextBox::mouseMoveEvent(QMouseEvent* event) {
    ClearProfileTextFromClipboard();
    QPlainTextEdit::mouseMoveEvent(event);
}

void ProfileTextBox::mouseReleaseEvent(QMouseEvent* event) {
    ClearProfileTextFromClipboard();
    QPlainTextEdit::mouseReleaseEvent(event);
}

void ProfileTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    ClearProfileTextFromClipboard();
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

QMimeData* ProfileTextBox::createMimeDataFromSelection() const {
    // Every way a text edit hands text out (copy, drag, X11 selection) passes through here;
    // mark it so the guard recognises it.
    QMimeData* data = QPlainTextEdit::createMimeDataFromSelection();
    if (!data) data = new QMimeData;
    data->setData(kProfileTextMime, QByteArray("1"));
    return data;
}

bool ProfileTextBox::canInsertFromMimeData(const QMimeData*) const { return false; }

}  // namespace kalodaya::ui
