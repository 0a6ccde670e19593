#include "ui/chart_drawing/chart_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

#include "ui/chart_drawing/south_chart.h"

namespace kalodaya::ui {
namespace {

// A South Indian cell may be this much wider than high, as the window's chart is.
constexpr double kWidestSouthCell = 1.3;

QFont PixelFont(const QString& family, double pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    return font;
}

QString ItemText(const LayoutItem& item) {
    // The retrograde mark stays with its name: "Saturn (R)" is never broken at its blank.
    return QString::fromStdString(item.text).replace(QLatin1Char(' '), QChar(0x00A0));
}

}  // namespace

std::vector<std::vector<int>> BreakIntoLines(const std::vector<double>& widths, double space,
                                             double lineWidth, bool onePerLine) {
    std::vector<std::vector<int>> lines;
    double used = 0;
    for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
        if (lines.empty() || onePerLine || used + space + widths[i] > lineWidth) {
            lines.push_back({i});
            used = widths[i];
        } else {
            lines.back().push_back(i);
            used += space + widths[i];
        }
    }
    return lines;
}

namespace {

// The items set at one size: one per line, or as many per line as the width takes.
CellTextFit SetAtSize(const LayoutCell& cell, const QRectF& box, const QString& family,
                      double pixels, bool onePerLine, QPaintDevice* device) {
    CellTextFit fit;
    fit.pixelSize = pixels;
    const QFontMetricsF body(PixelFont(family, pixels, false), device);
    const QFontMetricsF marker(PixelFont(family, pixels, true), device);
    const double space = body.horizontalAdvance(QLatin1Char(' '));
    bool wideItem = false;
    std::vector<double> widths;
    for (const LayoutItem& item : cell.items) {
        const QFontMetricsF& metrics = item.kind == LayoutItem::Kind::Marker ? marker : body;
        widths.push_back(metrics.horizontalAdvance(ItemText(item)));
        wideItem = wideItem || widths.back() > box.width();
    }
    fit.lines = BreakIntoLines(widths, space, box.width(), onePerLine);
    const double height = fit.lines.size() * std::max(body.lineSpacing(), marker.lineSpacing());
    fit.fits = !wideItem && height <= box.height();
    return fit;
}

void DrawCellTexts(QPainter& painter, const LayoutCell& cell, const QRectF& box,
                   const ChartColours& colours, const QString& family, double largest,
                   double smallest) {
    if (cell.items.empty()) return;
    const CellTextFit fit = FitCellTexts(cell, box, family, largest, smallest, painter.device());
    const QFont bodyFont = PixelFont(family, fit.pixelSize, false);
    const QFont markerFont = PixelFont(family, fit.pixelSize, true);
    const QFontMetricsF body(bodyFont, painter.device()), marker(markerFont, painter.device());
    const double lineHeight = std::max(body.lineSpacing(), marker.lineSpacing());
    const double space = body.horizontalAdvance(QLatin1Char(' '));

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);  // what does not fit is cut, never spilled
    double y = box.top() + std::max(0.0, (box.height() - lineHeight * fit.lines.size()) / 2);
    for (const std::vector<int>& line : fit.lines) {
        double width = -space;
        for (int i : line)
            width += space + (cell.items[i].kind == LayoutItem::Kind::Marker ? marker : body)
                                 .horizontalAdvance(ItemText(cell.items[i]));
        double x = box.left() + std::max(0.0, (box.width() - width) / 2);
        for (int i : line) {
            const LayoutItem& item = cell.items[i];
            const bool isMarker = item.kind == LayoutItem::Kind::Marker;
            const QString text = ItemText(item);
            const double itemWidth = (isMarker ? marker : body).horizontalAdvance(text);
            painter.setFont(isMarker ? markerFont : bodyFont);
            painter.setPen(isMarker ? colours.markers : colours.bodies);
            const QString shown =
                (isMarker ? marker : body).elidedText(text, Qt::ElideRight, box.width());
            painter.drawText(QRectF(x, y, std::min(itemWidth, box.width()), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
            x += itemWidth + space;
        }
        y += lineHeight;
    }
    painter.restore();
}

}  // namespace

QRectF ChartSquare(const QRectF& frame, ChartStyle style) {
    const double side = std::min(frame.width(), frame.height());
    double width = side;
    if (style == ChartStyle::South)
        width = std::min(frame.width(), frame.height() * kWidestSouthCell);
    const double height = style == ChartStyle::South ? frame.height() : side;
    return QRectF(frame.center().x() - width / 2, frame.center().y() - height / 2, width, height);
}

QRectF MapUnitRect(const QRectF& square, const UnitRect& r) {
    return QRectF(square.left() + r.x * square.width(), square.top() + r.y * square.height(),
                  r.width * square.width(), r.height * square.height());
}

CellTextFit FitCellTexts(const LayoutCell& cell, const QRectF& box, const QString& family,
                         double largest, double smallest, QPaintDevice* device) {
    CellTextFit last;
    for (double pixels = largest; pixels >= smallest; pixels *= 0.92) {
        for (const bool onePerLine : {true, false}) {
            last = SetAtSize(cell, box, family, pixels, onePerLine, device);
            if (last.fits) return last;
        }
    }
    return SetAtSize(cell, box, family, smallest, false, device);
}

void DrawChartLayout(QPainter& painter, const QRectF& square, const ChartLayout& layout,
                     const ChartColours& colours, const ChartFonts& fonts) {
    if (layout.style == ChartStyle::South)
        return DrawSouthChart(painter, square, layout, colours, fonts);
    const QString fontFamily = fonts.markers.family();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(square, colours.background);
    const double side = std::min(square.width(), square.height());
    QPen pen(colours.lines, std::max(1.0, side / 300));
    pen.setJoinStyle(Qt::MiterJoin);
    const auto point = [&](const UnitPoint& p) {
        return QPointF(square.left() + p.x * square.width(), square.top() + p.y * square.height());
    };
    // Texts of a cell at most a twenty-fifth of the chart high, at least a ninetieth.
    const double largest = side / 25, smallest = side / 90;
    for (const LayoutCell& cell : layout.cells) {
        QPolygonF outline;
        for (const UnitPoint& p : cell.outline) outline << point(p);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);

        const QRectF numberBox = MapUnitRect(square, cell.numberBox);
        painter.setPen(colours.numbers);
        painter.setFont(PixelFont(fontFamily, numberBox.height() * 0.8, true));
        painter.drawText(numberBox, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdString(cell.number));
        DrawCellTexts(painter, cell, MapUnitRect(square, cell.textBox), colours, fontFamily,
                      largest, smallest);
    }
    painter.setPen(pen);
    painter.drawRect(square);
    if (layout.centre) painter.drawRect(MapUnitRect(square, *layout.centre));
    painter.restore();
}

}  // namespace kalodaya::ui
