#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>

#include "ui/ui_style.h"

namespace kalodaya::ui {
namespace {

QPixmap ChartPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(kSlate);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::white, std::max(1, size / 24)));
    const double m = size / 10.0, cell = (size - 2 * m) / 4.0;
    // The outer square, the inner square and the grid lines of the twelve outer cells.
    p.drawRect(QRectF(m, m, 4 * cell, 4 * cell));
    p.drawRect(QRectF(m + cell, m + cell, 2 * cell, 2 * cell));
    for (int i = 1; i < 4; ++i) {
        const double at = m + i * cell;
        p.drawLine(QPointF(at, m), QPointF(at, m + cell));
        p.drawLine(QPointF(at, m + 3 * cell), QPointF(at, m + 4 * cell));
        p.drawLine(QPointF(m, at), QPointF(m + cell, at));
        p.drawLine(QPointF(m + 3 * cell, at), QPointF(m + 4 * cell, at));
    }
    p.setPen(kCyan);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(6, static_cast<int>(cell * 0.9)));
    p.setFont(f);
    p.drawText(QRectF(m + cell, m + cell, 2 * cell, 2 * cell), Qt::AlignCenter,
               QStringLiteral("GL"));
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64}) i.addPixmap(ChartPixmap(size));
        return i;
    }();
    return icon;
}

}  // namespace kalodaya::ui
