#pragma once
// The first page: the header strip, the chart in its style with the ghati lagna marked,
// the birth details with the sun times, and the planet table.
#include "ui/print/chart_page_texts.h"
#include "ui/print/page_canvas.h"

namespace kalodaya::ui::print {

void PaintChartPage(PageCanvas& canvas, const ChartPageTexts& texts);

}  // namespace kalodaya::ui::print
