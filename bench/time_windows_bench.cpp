// Speed of a chart's birth-time windows and of a range of birth times.
#include <benchmark/benchmark.h>

#include "chart/compute_chart.h"
#include "chart/time_windows.h"
#include "request/entry_checks.h"
#include "../tests/chart/chart_test_support.h"

namespace {

kalodaya::ChartRequest Checked(int day, int hour, int latitude) {
    auto r = kalodaya::testing_support::WorkedExampleRequest(hour, 17, 31);
    r.day = day;
    r.latitude.degrees = latitude;
    return *kalodaya::CheckRequest(r);
}

// All four windows of one chart (the worked example's place, a different hour each time).
void BM_TimeWindows(benchmark::State& bench) {
    int i = 0;
    for (auto _ : bench) {
        const auto result = kalodaya::ComputeChart(Checked(1 + i % 28, i % 24, 28 + i % 30));
        ++i;
        benchmark::DoNotOptimize(kalodaya::FindTimeWindows(result));
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_TimeWindows)->Unit(benchmark::kMicrosecond);

// The spans of an hour of birth times (the form's "± 30 minutes").
void BM_TimeRangeHour(benchmark::State& bench) {
    const auto request = Checked(15, 10, 28);
    const auto from = kalodaya::DateTime::FromCivil(1990, 8, 15, 10);
    for (auto _ : bench)
        benchmark::DoNotOptimize(kalodaya::FindTimeRange(request, from, from.AddSeconds(3600)));
}
BENCHMARK(BM_TimeRangeHour)->Unit(benchmark::kMillisecond);

}  // namespace
