#pragma once
// The texts of a computed chart.
#include "chart/chart_result.h"
#include "chart/result_texts.h"

namespace kalodaya {

ResultTexts Present(const ChartResult& result);

// The same, written into `texts` (reusing its strings' storage, as a batch of charts does).
void PresentInto(const ChartResult& result, ResultTexts& texts);

// "August 15, 1990": a date as the chart's messages and printed pages write it.
std::string DateWords(const DateTime& date);

// "The Sun does not rise or set at this place on June 25, 1990, so the Ghati Lagna cannot be
// computed."
std::string PolarMessage(const PolarOutcome& polar);

}  // namespace kalodaya
