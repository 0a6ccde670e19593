#pragma once
// One birth request to its texts: the entry check that failed, or the chart with its texts.
// Every front end goes through here.
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "chart/present.h"
#include "chart/present_windows.h"
#include "chart/result_texts.h"
#include "chart/time_windows.h"
#include "request/birth_request.h"
#include "request/entry_checks.h"

namespace kalodaya {

// How a request is answered beyond its chart.
struct ChartOptions {
    bool timeWindows = false;  // the chart's birth-time windows
    // The language of the texts made beside the English ones, English too (the English texts
    // are always made: the command line's JSON and its callers read them); none: only those.
    std::optional<Language> language;
};

// A chart's texts in the options' language, made beside the English ones.
struct LocalizedTexts {
    Language language = Language::En;
    std::string message;  // the failed entry check's message; empty when the checks passed
    ResultTexts texts;
    std::optional<BirthTimeTexts> birthTimes;  // a chart with a reference sunrise
    std::optional<TimeWindowTexts> windows;
    std::vector<TimeRangeRowTexts> range;
};

struct ChartOutcome {
    std::optional<EntryCheckFailure> failure;  // set: nothing was computed
    ChartResult result;
    ResultTexts texts;
    // Asked for beside the chart: its birth-time windows, and the spans of the request's range
    // of birth times (or why that range cannot be searched).
    std::optional<TimeWindows> windows;
    std::optional<std::vector<TimeRangeSpan>> range;
    std::string rangeError;
    // The texts in the options' language, when one was asked for.
    std::optional<LocalizedTexts> localized;

    // The texts a front end shows: the asked language's, else the English ones.
    const ResultTexts& ShownTexts() const { return localized ? localized->texts : texts; }
    const std::string& ShownMessage() const {
        return localized && !localized->message.empty() ? localized->message : failure->message;
    }

    bool Polar() const { return !failure && result.polar.has_value(); }
    bool Computed() const { return !failure && !result.polar; }
};

// Checks the request and, when it passes, computes the chart and makes its texts.
// With `timeWindows`, the chart's windows too; a request with a range of birth times always
// gets its spans.
ChartOutcome RequestChart(const BirthRequest& request, const ChartOptions& options);
inline ChartOutcome RequestChart(const BirthRequest& request, bool timeWindows = false) {
    return RequestChart(request, ChartOptions{timeWindows, std::nullopt});
}

// The same into `outcome`, reusing its texts' storage (every field is rewritten: nothing of an
// earlier request remains).
void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome,
                      const ChartOptions& options);
inline void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome,
                             bool timeWindows = false) {
    RequestChartInto(request, outcome, ChartOptions{timeWindows, std::nullopt});
}

}  // namespace kalodaya
