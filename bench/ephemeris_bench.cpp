// Speed of the ephemeris stages for one birth (target: under 2 microseconds together).
#include <benchmark/benchmark.h>

#include <array>

#include "astro/ascendant.h"
#include "astro/moon.h"
#include "astro/planets.h"

namespace {

kalodaya::LocalBirth WorkedExample() {
    kalodaya::LocalBirth b;
    b.year = 1990;
    b.month = 8;
    b.day = 15;
    b.hour = 10;
    b.minute = 30;
    b.place = kalodaya::Coordinates{28, 39, false, 77, 13, true};
    b.zone = kalodaya::ZoneOffset{-5, -30};
    return b;
}

const kalodaya::DateTime kUt = kalodaya::DateTime::FromCivil(1990, 8, 15, 5, 0);

void BM_EphemerisStages(benchmark::State& bench) {
    const auto birth = WorkedExample();
    std::array<double, kalodaya::kBodyCount> bodies{};
    for (auto _ : bench) {
        const auto ut = kalodaya::ToUniversalTime(birth);
        const auto asc = kalodaya::ComputeAscendant(ut);
        bodies[kalodaya::Asc] = asc.longitude;
        bodies[kalodaya::Moon] = kalodaya::ComputeMoon(ut).longitude;
        kalodaya::ComputePlanets(*ut.byCalendar, asc.ayanamsaCorrection, bodies);
        benchmark::DoNotOptimize(bodies.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EphemerisStages);

void BM_ComputeAscendant(benchmark::State& bench) {
    const auto ut = kalodaya::ToUniversalTime(WorkedExample());
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::ComputeAscendant(ut));
}
BENCHMARK(BM_ComputeAscendant);

void BM_ComputeMoon(benchmark::State& bench) {
    const auto ut = kalodaya::ToUniversalTime(WorkedExample());
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::ComputeMoon(ut));
}
BENCHMARK(BM_ComputeMoon);

void BM_ComputePlanets(benchmark::State& bench) {
    std::array<double, kalodaya::kBodyCount> bodies{};
    for (auto _ : bench) {
        kalodaya::ComputePlanets(kUt, -23.72, bodies);
        benchmark::DoNotOptimize(bodies.data());
    }
}
BENCHMARK(BM_ComputePlanets);

// The reference-sunrise run needs the Sun alone.
void BM_ComputeSunAtSunrise(benchmark::State& bench) {
    const auto ut = kalodaya::DateTime::FromCivil(1990, 8, 15, 0, 19);
    for (auto _ : bench) benchmark::DoNotOptimize(kalodaya::ComputeSunLongitude(ut, -23.72));
}
BENCHMARK(BM_ComputeSunAtSunrise);

}  // namespace
