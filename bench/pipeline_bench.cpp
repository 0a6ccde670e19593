// Speed of one chart request without the UI.
#include <benchmark/benchmark.h>

#include "core/chart_pipeline.h"

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

void BM_WholeRequest(benchmark::State& bench) {
    kalodaya::AppState state;
    kalodaya::LoadTables(state);
    const auto entries = WorkedExample();
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::RequestChart(state, entries));
}
BENCHMARK(BM_WholeRequest);

}  // namespace
