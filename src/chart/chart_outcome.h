#pragma once
// One birth request to its texts: the entry check that failed, or the chart with its texts.
// Every front end goes through here.
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "chart/result_texts.h"
#include "chart/time_windows.h"
#include "request/birth_request.h"
#include "request/entry_checks.h"

namespace kalodaya {

struct ChartOutcome {
    std::optional<EntryCheckFailure> failure;  // set: nothing was computed
    ChartResult result;
    ResultTexts texts;
    // Asked for beside the chart: its birth-time windows, and the spans of the request's range
    // of birth times (or why that range cannot be searched).
    std::optional<TimeWindows> windows;
    std::optional<std::vector<TimeRangeSpan>> range;
    std::string rangeError;

    bool Polar() const { return !failure && result.polar.has_value(); }
    bool Computed() const { return !failure && !result.polar; }
};

// Checks the request and, when it passes, computes the chart and makes its texts.
// With `timeWindows`, the chart's windows too; a request with a range of birth times (or an
// uncertainty of its birth time, the range that many minutes either way) always gets its spans.
ChartOutcome RequestChart(const BirthRequest& request, bool timeWindows = false);

// The same into `outcome`, reusing its texts' storage (every field is rewritten: nothing of an
// earlier request remains).
void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome,
                      bool timeWindows = false);

}  // namespace kalodaya
