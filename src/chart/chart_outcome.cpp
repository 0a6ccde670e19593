#include "chart/chart_outcome.h"

#include "chart/compute_chart.h"
#include "chart/present.h"

namespace kalodaya {

void RequestChartInto(const Entries& entries, ChartOutcome& outcome) {
    auto request = ValidateEntries(entries);
    if (!request) {
        outcome.failure = request.error();
        outcome.result = ChartResult{};
        outcome.texts = ResultTexts{};
        return;
    }
    outcome.failure.reset();
    outcome.result = ComputeChart(*request);
    PresentInto(outcome.result, outcome.texts);
}

ChartOutcome RequestChart(const Entries& entries) {
    ChartOutcome outcome;
    RequestChartInto(entries, outcome);
    return outcome;
}

}  // namespace kalodaya
