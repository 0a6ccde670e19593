#include "ui/profile_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

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
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
    connect(this, &QPlainTextEdit::textChanged, this, &ClearProfileTextFromClipboard);
    connect(this, &QPlainTextEdit::textChanged, this, &QWidget::updateGeometry);
}

int ProfileTextBox::heightForWidth(int width) const {
    // The text laid out as the box lays it out: at the width inside the frame, with the
    // document's own margins.
    QTextDocument layout;
    layout.setDefaultFont(font());
    layout.setDocumentMargin(document()->documentMargin());
    layout.setPlainText(toPlainText());
    layout.setTextWidth(std::max(1, width - 2 * frameWidth()));
    // Half a line more: the box's own layout rounds its lines differently, and its scroll bar
    // would otherwise count a last line shown to the pixel as not shown.
    return static_cast<int>(std::ceil(layout.size().height())) + 2 * frameWidth() +
           fontMetrics().lineSpacing() / 2;
}

QSize ProfileTextBox::sizeHint() const {
    const int width = fontMetrics().averageCharWidth() * 40;
    return QSize(width, heightForWidth(width));
}

QSize ProfileTextBox::minimumSizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 20, fontMetrics().height() * 2);
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
