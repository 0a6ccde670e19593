#include "ui/cell_label.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalodaya::ui {
namespace {

constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr double kSmallestPointSize = 6.0;

bool FitsIn(const QString& text, const QFont& font, const QSize& size) {
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), size), kFlags, text);
    // A word wider than the cell (a small chart) counts as not fitting too.
    return needed.height() <= size.height() && needed.width() <= size.width();
}

}  // namespace

CellLabel::CellLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

CellLabel::Fitted CellLabel::Fit(const QString& text, const QFont& font, const QSize& size) {
    QString shown = text;
    // Trailing empty lines say nothing; leading ones keep a marker at its line.
    while (!FitsIn(shown, font, size) && shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
    while (!FitsIn(shown, font, size) && shown.startsWith(QLatin1Char('\n')))
        shown.remove(0, 1);
    QFont smaller = font;
    double points = font.pointSizeF();
    while (!FitsIn(shown, smaller, size) && points > kSmallestPointSize) {
        points -= 0.5;
        smaller.setPointSizeF(points);
    }
    return {shown, points};
}

void CellLabel::paintEvent(QPaintEvent*) {
    const Fitted fitted = Fit(text(), font(), contentsRect().size());
    QFont f = font();
    f.setPointSizeF(fitted.pointSize);
    QPainter painter(this);
    painter.setFont(f);
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(contentsRect());
    painter.drawText(contentsRect(), kFlags, fitted.text);
}

}  // namespace kalodaya::ui
