#include "ui/print/page_canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "ui/ui_style.h"

namespace kalodaya::ui::print {
namespace {

// Outlines without hinting: glyph advances then scale with the resolution, so a line breaks
// at the same word on paper, in the PDF and in the image. The smallest letter spacing Qt keeps
// turns ligatures off: a PDF's "fi" ligature is copied and searched as one foreign character,
// and words with it would not be found in the document.
QFont Unhinted(QFont font) {
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
}

}  // namespace

PageCanvas::PageCanvas(QPainter& painter) : painter_(painter) {
    const QPaintDevice* device = painter.device();
    xScale_ = device->logicalDpiX() / 72.0;
    yScale_ = device->logicalDpiY() / 72.0;
    page_ = QSizeF(device->width() / xScale_, device->height() / yScale_);
    if (page_.width() > page_.height()) {
        // A page turned sideways (a printer set to landscape) gets the upright layout, made
        // smaller to fit its height and centred, rather than a layout that runs off the paper.
        const QSizeF sideways = page_;
        page_.transpose();
        fit_ = sideways.height() / sideways.width();
        origin_ = QPointF((sideways.width() - page_.width() * fit_) / 2 * xScale_, 0);
        xScale_ *= fit_;
        yScale_ *= fit_;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QFont PageCanvas::Font(double points, bool bold) const {
    return Unhinted(Verdana(points * fit_, bold));
}

QFont PageCanvas::MonoFont(double points, bool bold) const {
    return Unhinted(NamedFont(QStringLiteral("Courier New"), points * fit_, bold));
}

double PageCanvas::TextWidth(const QString& text, const QFont& font) const {
    QFontMetricsF metrics(font, painter_.device());
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest / xScale_;
}

// Wrapped at words, or anywhere when a word is wider than the line: a long word is broken
// rather than cut at the box's edge.
int PageCanvas::WrapFlags(const QString& text, const QFont& font, double width) const {
    QFontMetricsF metrics(font, painter_.device());
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width * xScale_, 1e7),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                               text);
    return bounds.width() > width * xScale_ + 0.5 ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
}

double PageCanvas::TextHeight(const QString& text, const QFont& font, double width) const {
    QFontMetricsF metrics(font, painter_.device());
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width * xScale_, 1e7),
                             Qt::AlignLeft | Qt::AlignTop | WrapFlags(text, font, width), text);
    return bounds.height() / yScale_;
}

double PageCanvas::LineHeight(const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).lineSpacing() / yScale_;
}

QFont PageCanvas::FittedFont(const QString& text, QFont font, const QSizeF& box, bool wrap,
                             double minimumPoints) const {
    for (;;) {
        const bool fits = wrap ? TextHeight(text, font, box.width()) <= box.height()
                               : TextWidth(text, font) <= box.width() &&
                                     LineHeight(font) * (text.count(QLatin1Char('\n')) + 1) <=
                                         box.height() + 0.01;
        const double size = font.pointSizeF();
        if (fits || size <= minimumPoints * fit_) return font;
        font.setPointSizeF(std::max(minimumPoints, size / fit_ - 0.25) * fit_);
    }
}

void PageCanvas::Text(const QRectF& box, const QString& text, const QFont& font,
                      const QColor& color, int flags) {
    painter_.setFont(font);
    painter_.setPen(color);
    const QRectF target = Device(box);
    if (flags & Qt::TextWordWrap) {
        const int wrap = WrapFlags(text, font, box.width());
        painter_.drawText(target, (flags & ~Qt::TextWordWrap) | wrap, text);
        return;
    }
    QFontMetricsF metrics(font, painter_.device());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, target.width());
    painter_.drawText(target, flags, lines.join(QLatin1Char('\n')));
}

void PageCanvas::Fill(const QRectF& box, const QColor& color) {
    painter_.fillRect(Device(box), color);
}

void PageCanvas::Outline(const QRectF& box, const QColor& color, double width) {
    QPen pen(color, width * xScale_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(Device(box));
}

void PageCanvas::Line(const QPointF& from, const QPointF& to, const QColor& color, double width) {
    painter_.setPen(QPen(color, width * xScale_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(Device(from), Device(to));
}

QRectF PageCanvas::Device(const QRectF& points) const {
    return QRectF(origin_.x() + points.x() * xScale_, origin_.y() + points.y() * yScale_,
                  points.width() * xScale_, points.height() * yScale_);
}

QPointF PageCanvas::Device(const QPointF& points) const {
    return QPointF(origin_.x() + points.x() * xScale_, origin_.y() + points.y() * yScale_);
}

}  // namespace kalodaya::ui::print
