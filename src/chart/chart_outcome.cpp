#include "chart/chart_outcome.h"

#include "chart/compute_chart.h"
#include "chart/present.h"

namespace kalodaya {

void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome) {
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
}

ChartOutcome RequestChart(const BirthRequest& request) {
    ChartOutcome outcome;
    RequestChartInto(request, outcome);
    return outcome;
}

}  // namespace kalodaya
