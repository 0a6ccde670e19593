#pragma once
// One request from the form's entries to the texts: the entry check that failed, or the chart
// with its texts. Both front ends go through here.
#include <optional>

#include "chart/chart_result.h"
#include "chart/entries.h"
#include "chart/entry_checks.h"
#include "chart/result_texts.h"

namespace kalodaya {

struct ChartOutcome {
    std::optional<EntryCheckFailure> failure;  // set: nothing was computed
    ChartResult result;
    ResultTexts texts;

    bool Polar() const { return !failure && result.polar.has_value(); }
    bool Computed() const { return !failure && !result.polar; }
};

// Checks the entries and, when they pass, computes the chart and makes its texts.
ChartOutcome RequestChart(const Entries& entries);

// The same into `outcome`, reusing its texts' storage (every field is rewritten: nothing of an
// earlier request remains).
void RequestChartInto(const Entries& entries, ChartOutcome& outcome);

}  // namespace kalodaya
