// Speed of one chart request without the UI, and of its stages.
#include <benchmark/benchmark.h>

#include "cli/chart_json.h"
#include "core/chart_pipeline.h"
#include "lagna/special_lagnas.h"
#include "time/sunrise.h"

namespace {

kalodaya::Entries WorkedExample() {
    kalodaya::Entries e;
    e.name = "RAMA";
    e.monthIndex = 7;
    e.dayText = "15";
    e.yearText = "1990";
    e.hourText = "10";
    e.minuteText = "30";
    e.latDegText = "28";
    e.latMinText = "39";
    e.lonDegText = "77";
    e.lonMinText = "13";
    e.zoneIndex = 34;
    return e;
}

// The whole request: entry checks, birth data, ephemeris, retrogrades, rendering, arudha pass,
// three sunrise/sunset calls, reference sunrise, planets at sunrise, ghati lagna, hidden
// lagnas and the sign profile.
void BM_WholeRequest(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    const auto entries = WorkedExample();
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::RequestChart(state, entries));
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeRequest);

// A different birth on every iteration (the hour and the day vary), as a batch sees them.
void BM_WholeRequestVaried(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    auto entries = WorkedExample();
    int i = 0;
    for (auto _ : bench) {
        entries.dayText = std::to_string(1 + i % 28);
        entries.hourText = std::to_string(i % 24);
        ++i;
        benchmark::DoNotOptimize(kalodaya::RequestChart(state, entries));
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeRequestVaried);

// A polar request stops before the planets at sunrise.
void BM_PolarRequest(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    auto entries = WorkedExample();
    entries.monthIndex = 5;
    entries.latDegText = "75";
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::RequestChart(state, entries));
}
BENCHMARK(BM_PolarRequest);

void BM_SunRiseSet(benchmark::State& bench) {
    std::array<kalodaya::DateTime, 3> slots;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(kalodaya::SunRiseSet(8, 15, 1990, 10, 30, 28, 39, false, 77, 13,
                                                      true, -5, -30, false, slots));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SunRiseSet);

// Ghati lagna and the eight hidden lagnas on a computed chart.
void BM_GhatiAndHiddenLagnas(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    kalodaya::RequestChart(state, WorkedExample());
    for (auto _ : bench) {
        for (auto& cell : state.view.markers) cell.clear();
        kalodaya::PlaceGhatiLagna(state);
        kalodaya::PlaceHiddenLagnas(state);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GhatiAndHiddenLagnas);

// One chart's JSON line as --batch writes it (the command line's share of a chart).
void BM_ChartJsonText(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    const auto outcome = kalodaya::RequestChart(state, WorkedExample());
    std::string text;
    for (auto _ : bench) {
        text.clear();
        kalodaya::cli::AppendChartJsonText(text, state, outcome);
        benchmark::DoNotOptimize(text.data());
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ChartJsonText);

}  // namespace

namespace {

// The arudha pass of step 13 on a computed chart: twelve houses.
void BM_ArudhaPass(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    kalodaya::RequestChart(state, WorkedExample());
    for (auto _ : bench) {
        for (auto& cell : state.view.markers) cell.clear();
        state.lagna.HouseCounter = 0;
        for (int n = 0; n < kalodaya::kSignCount; ++n) {
            const int sign = (5 + n) % kalodaya::kSignCount;
            kalodaya::PlaceArudhaPada(state, sign, kalodaya::kSignLords[sign]);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ArudhaPass);

}  // namespace
