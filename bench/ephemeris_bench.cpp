// Speed of the three ephemeris stages for one birth (target: under 2 microseconds together).
#include <benchmark/benchmark.h>

#include "core/app_state.h"
#include "ephemeris/ephemeris.h"

namespace {

kalodaya::AppState WorkedExample() {
    kalodaya::AppState state;
    kalodaya::BirthData& b = state.birth;
    b.BirthMonth = 8;
    b.BirthDay = 15;
    b.BirthYear = 1990;
    b.BirthHour = 10;
    b.BirthMinute = 30;
    b.LatDeg = 28;
    b.LatMin = 39;
    b.LonDeg = 77;
    b.LonMin = 13;
    b.IsEast = true;
    b.ZoneHours = -5;
    b.ZoneMinutes = -30;
    b.ZoneHoursAbs = 5;
    b.ZoneMinutesAbs = 30;
    return state;
}

void BM_EphemerisStages(benchmark::State& bench) {
    kalodaya::AppState state = WorkedExample();
    for (auto _ : bench) {
        kalodaya::ComputeAscendant(state);
        kalodaya::ComputeMoon(state);
        kalodaya::ComputePlanets(state);
        benchmark::DoNotOptimize(state.chart.PlanetPosText.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EphemerisStages);

void BM_ComputeAscendant(benchmark::State& bench) {
    kalodaya::AppState state = WorkedExample();
    for (auto _ : bench) {
        kalodaya::ComputeAscendant(state);
        benchmark::DoNotOptimize(state.chart.AscDeg);
    }
}
BENCHMARK(BM_ComputeAscendant);

void BM_ComputeMoon(benchmark::State& bench) {
    kalodaya::AppState state = WorkedExample();
    for (auto _ : bench) {
        kalodaya::ComputeMoon(state);
        benchmark::DoNotOptimize(state.chart.MoonSidereal);
    }
}
BENCHMARK(BM_ComputeMoon);

void BM_ComputePlanets(benchmark::State& bench) {
    kalodaya::AppState state = WorkedExample();
    kalodaya::ComputeAscendant(state);
    kalodaya::ComputeMoon(state);
    for (auto _ : bench) {
        kalodaya::ComputePlanets(state);
        benchmark::DoNotOptimize(state.chart.PlanetPosText.data());
    }
}
BENCHMARK(BM_ComputePlanets);

// The reference-sunrise run reads its clock time from texts.
void BM_ComputePlanetsAtSunrise(benchmark::State& bench) {
    kalodaya::AppState state = WorkedExample();
    kalodaya::ComputeAscendant(state);
    kalodaya::ComputeMoon(state);
    kalodaya::ChartState& c = state.chart;
    c.AtSunrise = true;
    c.RefSunriseDay = "15";
    c.RefSunriseMonthName = "August";
    c.RefSunriseYear = "1990";
    c.RefSunriseHour = "5";
    c.RefSunriseMinute = "49";
    for (auto _ : bench) {
        kalodaya::ComputePlanets(state);
        benchmark::DoNotOptimize(c.SunAtSunrise);
    }
}
BENCHMARK(BM_ComputePlanetsAtSunrise);

}  // namespace
