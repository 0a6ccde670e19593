#pragma once
// Drawing on a page in points (1/72 inch) whatever the device: a PDF writer, a printer or an
// image. Geometry is turned into the device's pixels here and fonts are sized in points for
// the device, so one layout serves every output.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace kalodaya::ui::print {

class PageCanvas {
public:
    // `painter` is active on its device; the page is the device's whole paint area.
    explicit PageCanvas(QPainter& painter);

    QSizeF PageSize() const { return page_; }  // points, upright

    // The pages' face (the desktop program's Verdana, or its stand-in) at `points` of the
    // layout.
    QFont Font(double points, bool bold = false) const;
    QFont MonoFont(double points, bool bold = false) const;

    double TextWidth(const QString& text, const QFont& font) const;
    // Height of `text` broken into lines no wider than `width` (at words where it can).
    double TextHeight(const QString& text, const QFont& font, double width) const;
    double LineHeight(const QFont& font) const;
    // `font` made smaller, down to `minimumPoints`, until `text` fits `box` (wrapped at words
    // when `wrap`); the smallest size when nothing fits.
    QFont FittedFont(const QString& text, QFont font, const QSizeF& box, bool wrap,
                     double minimumPoints) const;

    // Draws `text` inside `box` (points). With Qt::TextWordWrap in `flags` a word wider than the
    // box is broken; without it, a line too wide for the box is shortened with an ellipsis
    // rather than drawn across its neighbours.
    void Text(const QRectF& box, const QString& text, const QFont& font, const QColor& color,
              int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    void Fill(const QRectF& box, const QColor& color);
    void Outline(const QRectF& box, const QColor& color, double width);
    void Line(const QPointF& from, const QPointF& to, const QColor& color, double width);

    // For drawings made in the device's own pixels (the chart's layout): the painter and a
    // box of the page in its coordinates.
    QPainter& Painter() { return painter_; }
    QRectF DeviceRect(const QRectF& points) const { return Device(points); }

private:
    int WrapFlags(const QString& text, const QFont& font, double width) const;
    QRectF Device(const QRectF& points) const;
    QPointF Device(const QPointF& points) const;

    QPainter& painter_;
    double xScale_ = 1, yScale_ = 1;  // device pixels per point of the layout
    double fit_ = 1;                  // the layout's size on the paper (1 unless sideways)
    QPointF origin_;                  // the layout's top left corner, in device pixels
    QSizeF page_;
};

}  // namespace kalodaya::ui::print
