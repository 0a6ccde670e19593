#pragma once
// One birth request to its texts: the entry check that failed, or the chart with its texts.
// Every front end goes through here.
#include <optional>

#include "chart/chart_result.h"
#include "chart/result_texts.h"
#include "request/birth_request.h"
#include "request/entry_checks.h"

namespace kalodaya {

struct ChartOutcome {
    std::optional<EntryCheckFailure> failure;  // set: nothing was computed
    ChartResult result;
    ResultTexts texts;

    bool Polar() const { return !failure && result.polar.has_value(); }
    bool Computed() const { return !failure && !result.polar; }
};

// Checks the request and, when it passes, computes the chart and makes its texts.
ChartOutcome RequestChart(const BirthRequest& request);

// The same into `outcome`, reusing its texts' storage (every field is rewritten: nothing of an
// earlier request remains).
void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome);

}  // namespace kalodaya
