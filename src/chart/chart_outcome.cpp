#include "chart/chart_outcome.h"

#include <algorithm>

#include "chart/compute_chart.h"
#include "chart/present.h"

namespace kalodaya {

void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome, bool timeWindows) {
    outcome.windows.reset();
    outcome.range.reset();
    outcome.rangeError.clear();
    auto checked = CheckRequest(request);
    if (!checked) {
        outcome.failure = checked.error();
        outcome.result = ChartResult{};
        outcome.texts = ResultTexts{};
        return;
    }
    outcome.failure.reset();
    outcome.result = ComputeChart(*checked);
    PresentInto(outcome.result, outcome.texts);
    if (timeWindows) outcome.windows = FindTimeWindows(outcome.result);
    std::optional<BirthTimeRange> range = request.timeRange;
    if (!range && request.uncertaintyMinutes > 0) {
        const DateTime& birth = outcome.result.birthMoment;
        // Within the clock times a range may name, as a request line's uncertainty is.
        range = BirthTimeRange{
            std::max(birth.AddMinutes(-request.uncertaintyMinutes), FirstSupportedTime()),
            std::min(birth.AddMinutes(request.uncertaintyMinutes), LastSupportedTime())};
    }
    if (range) {
        auto spans = FindTimeRange(*checked, range->from, range->to);
        if (spans)
            outcome.range = std::move(*spans);
        else
            outcome.rangeError = spans.error();
    }
}

ChartOutcome RequestChart(const BirthRequest& request, bool timeWindows) {
    ChartOutcome outcome;
    RequestChartInto(request, outcome, timeWindows);
    return outcome;
}

}  // namespace kalodaya
