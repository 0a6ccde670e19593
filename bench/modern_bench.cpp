// Speed of a chart with the modern calculation (the Swiss Ephemeris' Moshier theory), which also
// computes the classic ghati lagna beside its own; compare BM_WholeRequestVaried for the classic.
#include <benchmark/benchmark.h>

#include "chart/chart_outcome.h"
#include "../tests/chart/chart_test_support.h"

namespace {

void ModernCharts(benchmark::State& bench, kalodaya::CalculationSettings settings) {
    kalodaya::ChartOutcome outcome;
    auto entries = kalodaya::testing_support::WorkedExampleRequest();
    entries.settings = settings;
    int i = 0;
    for (auto _ : bench) {
        entries.day = 1 + i % 28;
        entries.hour = i % 24;
        entries.year = 1901 + (i * 37) % 150;
        ++i;
        kalodaya::RequestChartInto(entries, outcome);
        benchmark::DoNotOptimize(outcome.texts.markers.data());
    }
    bench.SetItemsProcessed(bench.iterations());
}

void BM_ModernRequestVaried(benchmark::State& bench) {
    ModernCharts(bench, {kalodaya::EphemerisKind::Modern, kalodaya::AyanamsaKind::Lahiri,
                         kalodaya::NodeKind::Mean, kalodaya::SunriseKind::Classic});
}
BENCHMARK(BM_ModernRequestVaried);

void BM_ModernTrueNodeHinduSunrise(benchmark::State& bench) {
    ModernCharts(bench, {kalodaya::EphemerisKind::Modern, kalodaya::AyanamsaKind::Lahiri,
                         kalodaya::NodeKind::True, kalodaya::SunriseKind::Hindu});
}
BENCHMARK(BM_ModernTrueNodeHinduSunrise);

}  // namespace
