#include "chart/chart_outcome.h"

#include "chart/compute_chart.h"

namespace kalodaya {
namespace {

// The texts in `language` beside the English ones already made.
void Localize(const ChartOutcome& outcome, Language language, LocalizedTexts& l) {
    l = LocalizedTexts{};
    l.language = language;
    if (outcome.failure) {
        l.message = CheckMessage(*outcome.failure, language);
        return;
    }
    const ChartResult& r = outcome.result;
    PresentInto(r, l.texts, language);
    if (!r.polar) l.birthTimes = PresentBirthTimes(r, language);
    if (outcome.windows) l.windows = PresentTimeWindows(*outcome.windows, r.birthMoment, language);
    if (outcome.range) l.range = PresentTimeRange(*outcome.range, r.birthMoment, language);
}

}  // namespace

void RequestChartInto(const BirthRequest& request, ChartOutcome& outcome,
                      const ChartOptions& options) {
    outcome.windows.reset();
    outcome.range.reset();
    outcome.rangeError.clear();
    outcome.localized.reset();
    auto checked = CheckRequest(request);
    if (!checked) {
        outcome.failure = checked.error();
        outcome.result = ChartResult{};
        outcome.texts = ResultTexts{};
    } else {
        outcome.failure.reset();
        outcome.result = ComputeChart(*checked);
        PresentInto(outcome.result, outcome.texts);
        if (options.timeWindows) outcome.windows = FindTimeWindows(outcome.result);
        if (request.timeRange) {
            auto spans = FindTimeRange(*checked, request.timeRange->from, request.timeRange->to);
            if (spans)
                outcome.range = std::move(*spans);
            else
                outcome.rangeError = spans.error();
        }
    }
    if (options.language) Localize(outcome, *options.language, outcome.localized.emplace());
}

ChartOutcome RequestChart(const BirthRequest& request, const ChartOptions& options) {
    ChartOutcome outcome;
    RequestChartInto(request, outcome, options);
    return outcome;
}

}  // namespace kalodaya
