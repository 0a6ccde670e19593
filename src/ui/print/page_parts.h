#pragma once
// What both pages share: the margins, the slate header strip in the results window's colours,
// and the footer.
#include <QRectF>
#include <QString>

#include "ui/print/chart_page_texts.h"
#include "ui/print/page_canvas.h"

namespace kalodaya::ui::print {

// The page inside its margins and above the footer, in points.
QRectF ContentRect(const PageCanvas& canvas);

// The header strip across the top of `content`: `title` and `line` on the left, the program's
// name on the right, and the ghati lagna's sign below. Returns the strip's bottom edge.
double PaintHeaderBand(PageCanvas& canvas, const QRectF& content, const QString& title,
                       const QString& line, const ChartPageTexts& texts);

// The program's name and site on the left, the page number on the right, below `content`.
void PaintFooter(PageCanvas& canvas, const QRectF& content, const ChartPageTexts& t,
                 int pageNumber);

// A section caption with a rule under it; returns the caption's bottom edge.
double PaintCaption(PageCanvas& canvas, const QRectF& column, double top, const QString& caption);

QString Q(const std::string& text);

}  // namespace kalodaya::ui::print
