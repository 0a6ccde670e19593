#include "ui/chart_drawing/south_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace kalodaya::ui {
namespace {

// The markers' column takes this share of a cell's inner width, as the window's design has it
// (1305 and 405 twips).
constexpr double kMarkerShare = 405.0 / 1710.0;
constexpr double kPointStep = 0.5;

QFont AtPoints(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

QString Shown(const LayoutItem& item) {
    return QString::fromStdString(item.text);
}

// The column at one size: one text per line, or as many per line as its width takes.
SouthColumnFit SetColumn(const std::vector<QString>& texts, int emptyLines, const QFont& font,
                         const QSizeF& box, double points, bool onePerLine, QPaintDevice* device) {
    SouthColumnFit fit;
    fit.pointSize = points;
    fit.emptyLines = emptyLines;
    const QFontMetricsF metrics(AtPoints(font, points), device);
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    bool tooWide = false;
    std::vector<double> widths;
    for (const QString& text : texts) {
        widths.push_back(metrics.horizontalAdvance(text));
        tooWide = tooWide || widths.back() > box.width();
    }
    fit.lines = BreakIntoLines(widths, space, box.width(), onePerLine);
    const double height = (emptyLines + fit.lines.size()) * metrics.lineSpacing();
    fit.fits = !tooWide && height <= box.height() + 0.01;
    return fit;
}

// The column's texts as `fit` sets them, cut at `box`; with empty lines kept above them, the
// first text no higher than `firstBelow` (the number's line, which a shrunk face's empty line
// would not clear).
void DrawFitted(QPainter& painter, const std::vector<QString>& texts, const SouthColumnFit& fit,
                const QRectF& box, const QFont& font, const QColor& colour,
                double firstBelow = 0) {
    if (texts.empty()) return;
    const QFont set = AtPoints(font, fit.pointSize);
    const QFontMetricsF metrics(set, painter.device());
    const double space = metrics.horizontalAdvance(QLatin1Char(' '));
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);  // what does not fit is cut, never spilled
    painter.setFont(set);
    painter.setPen(colour);
    double y = box.top() + fit.emptyLines * metrics.lineSpacing();
    if (fit.emptyLines > 0)
        y = std::max(y, firstBelow + (fit.emptyLines - 1) * metrics.lineSpacing());
    for (const std::vector<int>& line : fit.lines) {
        double x = box.left();
        for (int i : line) {
            const double room = box.right() - x;
            const QString shown = metrics.elidedText(texts[i], Qt::ElideRight, room);
            painter.drawText(QRectF(x, y, room, metrics.lineSpacing()),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
            x += metrics.horizontalAdvance(texts[i]) + space;
        }
        y += metrics.lineSpacing();
    }
    painter.restore();
}

}  // namespace

SouthCellBoxes SouthBoxes(const QRectF& cell, const ChartFonts& fonts, QPaintDevice* device,
                          const std::vector<QString>& markers) {
    // Margins in lines of the bodies' face, so the page and the window keep one proportion.
    const double line = QFontMetricsF(fonts.bodies, device).lineSpacing();
    const QRectF inner = cell.adjusted(0.55 * line, 0.3 * line, -0.25 * line, -0.25 * line);
    const QFontMetricsF smallest(AtPoints(fonts.markers, fonts.smallestPoints), device);
    double widestMarker = 0;
    for (const QString& marker : markers)
        widestMarker = std::max(widestMarker, smallest.horizontalAdvance(marker));
    const double markerWidth =
        std::max(inner.width() * kMarkerShare, std::min(widestMarker, inner.width() / 2));
    SouthCellBoxes boxes;
    boxes.number = QRectF(inner.left(), inner.top(), inner.width(),
                          QFontMetricsF(fonts.numbers, device).height());
    boxes.bodies = QRectF(inner.left(), inner.top(), inner.width() - markerWidth, inner.height());
    boxes.markers = QRectF(inner.right() - markerWidth, inner.top(), markerWidth, inner.height());
    return boxes;
}

SouthColumnFit FitSouthColumn(const std::vector<QString>& texts, int emptyLines, const QFont& font,
                              const QSizeF& box, double smallestPoints, QPaintDevice* device,
                              int keptEmptyLines) {
    const double design = font.pointSizeF();
    if (texts.empty()) return {design, emptyLines, {}, true};
    const int kept = std::min(keptEmptyLines, emptyLines);
    for (int empty = emptyLines; empty >= kept; --empty) {
        SouthColumnFit fit = SetColumn(texts, empty, font, box, design, true, device);
        if (fit.fits) return fit;
    }
    for (double points = design - kPointStep; points >= smallestPoints - 1e-9;
         points -= kPointStep) {
        SouthColumnFit fit = SetColumn(texts, kept, font, box, points, true, device);
        if (fit.fits) return fit;
    }
    for (double points = design; points >= smallestPoints - 1e-9; points -= kPointStep) {
        SouthColumnFit fit = SetColumn(texts, kept, font, box, points, false, device);
        if (fit.fits) return fit;
    }
    return SetColumn(texts, kept, font, box, std::min(design, smallestPoints), false, device);
}

void DrawSouthChart(QPainter& painter, const QRectF& square, const ChartLayout& layout,
                    const ChartColours& colours, const ChartFonts& fonts) {
    painter.save();
    painter.fillRect(square, colours.background);
    QPen pen(colours.lines, fonts.lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    const auto point = [&](const UnitPoint& p) {
        return QPointF(square.left() + p.x * square.width(), square.top() + p.y * square.height());
    };
    for (const LayoutCell& cell : layout.cells) {
        QPolygonF outline;
        for (const UnitPoint& p : cell.outline) outline << point(p);
        const QRectF rect = outline.boundingRect();
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);

        std::vector<QString> bodies, markers;
        for (const LayoutItem& item : cell.items)
            (item.kind == LayoutItem::Kind::Body ? bodies : markers).push_back(Shown(item));
        const SouthCellBoxes boxes = SouthBoxes(rect, fonts, painter.device(), markers);
        painter.setFont(fonts.numbers);
        painter.setPen(colours.numbers);
        painter.drawText(boxes.number, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                         QString::fromStdString(cell.number));
        // Both columns start with an empty line beside the number; the markers keep the
        // arudha padas' lines too. A number wider than the markers' column reaches over the
        // bodies' first line, which then stays empty. The markers never give up the line
        // beside the number: a mark wider than its column (Tamil "க.ல.") is made smaller
        // rather than written under the number.
        const QString number = QString::fromStdString(cell.number);
        const bool numberOverBodies =
            QFontMetricsF(fonts.numbers, painter.device()).horizontalAdvance(number) >
            boxes.markers.width();
        DrawFitted(painter, bodies,
                   FitSouthColumn(bodies, 1, fonts.bodies, boxes.bodies.size(),
                                  fonts.smallestPoints, painter.device(), numberOverBodies ? 1 : 0),
                   boxes.bodies, fonts.bodies, colours.bodies);
        DrawFitted(painter, markers,
                   FitSouthColumn(markers, 1 + cell.blankMarkerLines, fonts.markers,
                                  boxes.markers.size(), fonts.smallestPoints, painter.device(),
                                  1),
                   boxes.markers, fonts.markers, colours.markers, boxes.number.bottom());
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (layout.centre) {
        const UnitRect& c = *layout.centre;
        painter.drawRect(QRectF(point({c.x, c.y}), point({c.Right(), c.Bottom()})));
    }
    painter.restore();
}

}  // namespace kalodaya::ui
