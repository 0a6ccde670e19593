#pragma once
// The page record of a computed chart: the chart's texts (made by Present) laid out for the
// printed pages, with their captions.
#include <optional>
#include <string>

#include "chart/chart_outcome.h"
#include "ui/print/chart_page_texts.h"

namespace kalodaya::ui::print {

// The page record of a computed chart. Only meaningful when no entry check failed and the Sun
// rose on the birth's reference day (outcome.Computed()).
// `uncertaintyMinutes` names the range of birth times the outcome's spans cover (0: a range
// given by its ends, or none).
ChartPageTexts PageTextsFromOutcome(const ChartOutcome& outcome, int uncertaintyMinutes = 0);

// One chart computed from `request`: its pages, or the message the form would show (an entry
// check, or no sunrise).
struct PageRequest {
    std::optional<ChartPageTexts> texts;
    std::string message;
};
PageRequest RequestChartPages(const BirthRequest& request);

}  // namespace kalodaya::ui::print
