// Speed of one chart request without the UI, and of its stages.
#include <benchmark/benchmark.h>

#include "chart/chart_json.h"
#include "astro/sunrise.h"
#include "base/angles.h"
#include "chart/chart_outcome.h"
#include "chart/compute_chart.h"
#include "request/entry_checks.h"
#include "chart/present.h"
#include "lagna/special_lagnas.h"
#include "../tests/chart/chart_test_support.h"

namespace {

kalodaya::BirthRequest WorkedExample() { return kalodaya::testing_support::WorkedExampleRequest(); }

// The whole request: entry checks, ephemeris, retrogrades, arudha pass, sunrise and sunset
// calls, reference sunrise, the Sun at sunrise, ghati lagna, hidden lagnas and every text.
void BM_WholeRequest(benchmark::State& bench) {
    kalodaya::ChartOutcome outcome;
    const auto entries = WorkedExample();
    for (auto _ : bench) {
        kalodaya::RequestChartInto(entries, outcome);
        benchmark::DoNotOptimize(outcome.texts.markers.data());
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeRequest);

// A different birth on every iteration (the hour and the day vary), as a batch sees them.
void BM_WholeRequestVaried(benchmark::State& bench) {
    kalodaya::ChartOutcome outcome;
    auto entries = WorkedExample();
    int i = 0;
    for (auto _ : bench) {
        entries.day = 1 + i % 28;
        entries.hour = i % 24;
        ++i;
        kalodaya::RequestChartInto(entries, outcome);
        benchmark::DoNotOptimize(outcome.texts.markers.data());
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeRequestVaried);

// A polar request stops before the planets at sunrise.
void BM_PolarRequest(benchmark::State& bench) {
    kalodaya::ChartOutcome outcome;
    auto entries = WorkedExample();
    entries.month = 6;
    entries.latitude.degrees = 75;
    for (auto _ : bench) {
        kalodaya::RequestChartInto(entries, outcome);
        benchmark::DoNotOptimize(outcome.texts.markers.data());
    }
}
BENCHMARK(BM_PolarRequest);

// The computation alone (numbers, no texts), and the texts alone.
void BM_ComputeChart(benchmark::State& bench) {
    const auto request = *kalodaya::CheckRequest(WorkedExample());
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::ComputeChart(request));
}
BENCHMARK(BM_ComputeChart);

void BM_Present(benchmark::State& bench) {
    const auto result = kalodaya::ComputeChart(*kalodaya::CheckRequest(WorkedExample()));
    kalodaya::ResultTexts texts;
    for (auto _ : bench) {
        kalodaya::PresentInto(result, texts);
        benchmark::DoNotOptimize(texts.markers.data());
    }
}
BENCHMARK(BM_Present);

// One day's sunrise and sunset at the worked example's place.
void BM_SunEvents(benchmark::State& bench) {
    const kalodaya::Coordinates place{28, 39, false, 77, 13, true};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            kalodaya::ComputeSunEvents(1990, 8, 15, 10, 30, place, {-5, -30}, false));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SunEvents);

// Ghati lagna and the eight hidden lagnas of a computed chart.
void BM_GhatiAndHiddenLagnas(benchmark::State& bench) {
    const auto r = kalodaya::ComputeChart(*kalodaya::CheckRequest(WorkedExample()));
    kalodaya::HiddenLagnaInputs in;
    in.sunAtSunrise = r.sunAtSunrise;
    in.elapsedMinutes = r.elapsedMinutes;
    in.elapsedSeconds = r.elapsedSeconds;
    in.ascendant = r.longitude[kalodaya::Asc];
    in.moon = r.longitude[kalodaya::Moon];
    in.moonNakshatraStart = r.moonNakshatraStart;
    in.moonSign = kalodaya::SignIndexOfLongitudeLabel(in.moon);
    for (auto _ : bench) {
        std::array<uint8_t, kalodaya::kSignCount> marks{};
        benchmark::DoNotOptimize(kalodaya::ComputeGhatiLagna(r.sunAtSunrise, r.elapsedMinutes));
        kalodaya::PlaceHiddenLagnas(in, marks);
        benchmark::DoNotOptimize(marks.data());
    }
}
BENCHMARK(BM_GhatiAndHiddenLagnas);

// One chart's JSON line as --batch writes it (the command line's share of a chart).
void BM_ChartJsonText(benchmark::State& bench) {
    const auto outcome = kalodaya::RequestChart(WorkedExample());
    std::string text;
    kalodaya::ChartJsonScratch scratch;
    for (auto _ : bench) {
        text.clear();
        kalodaya::AppendChartJsonText(text, outcome, scratch);
        benchmark::DoNotOptimize(text.data());
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ChartJsonText);

}  // namespace

namespace {

// The arudha pass over the twelve houses of a computed chart.
void BM_ArudhaPass(benchmark::State& bench) {
    const auto r = kalodaya::ComputeChart(*kalodaya::CheckRequest(WorkedExample()));
    std::array<int, kalodaya::kBodyCount> signs{};
    for (int k = 0; k < kalodaya::kBodyCount; ++k)
        signs[k] = kalodaya::SignIndexOfLongitudeLabel(r.longitude[k]);
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::PlaceArudhaPadas(signs, r.retrograde));
}
BENCHMARK(BM_ArudhaPass);

}  // namespace
