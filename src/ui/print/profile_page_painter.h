#pragma once
// The second page: the ghati lagna sign's profile, its facts and its five texts in full.
#include <functional>

#include "ui/print/chart_page_texts.h"
#include "ui/print/page_canvas.h"

namespace kalodaya::ui::print {

// Paints the profile on the current page, numbered `pageNumber`. Texts are never cut: when one
// would not fit below the others, `newPage` is called for a fresh page (false when the
// device could not give one, which ends the painting). Returns the number of pages painted.
int PaintProfilePages(PageCanvas& canvas, const ChartPageTexts& texts, int pageNumber,
                      const std::function<bool()>& newPage);

}  // namespace kalodaya::ui::print
