// A chart is a function of its request alone: computed on several threads at once, in any
// order, every chart comes out as it does alone, whatever calculation settings the charts on
// the other thread use (the Swiss Ephemeris keeps its sidereal mode in per-thread state).
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "chart/chart_outcome.h"
#include "chart/chart_json.h"

namespace kalodaya {
namespace {

using E = EphemerisKind;
using A = AyanamsaKind;
using N = NodeKind;
using S = SunriseKind;
const CalculationSettings kSettings[] = {
    {E::Classic, A::Classic, N::Mean, S::Classic}, {E::Classic, A::Classic, N::Mean, S::Hindu},
    {E::Modern, A::Lahiri, N::Mean, S::Classic},   {E::Modern, A::Raman, N::True, S::Hindu},
    {E::Modern, A::Krishnamurti, N::Mean, S::Hindu}, {E::Modern, A::TrueChitra, N::True, S::Classic},
};

std::vector<BirthRequest> VariedEntries(int count) {
    std::mt19937 random(7);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<BirthRequest> all;
    for (int i = 0; i < count; ++i) {
        BirthRequest e;
        e.name = "RAMA";
        e.month = pick(0, 11) + 1;
        e.day = pick(1, 28);
        e.year = pick(1901, 2050);
        e.hour = pick(0, 23);
        e.minute = pick(0, 59);
        e.second = pick(0, 59);
        e.latitude.degrees = pick(0, 89);
        e.latitude.minutes = pick(0, 59);
        e.longitude.degrees = pick(0, 179);
        e.longitude.minutes = pick(0, 59);
        e.latitude.north = pick(0, 1) == 1;
        e.longitude.east = pick(0, 1) == 1;
        e.daylight = pick(0, 1) == 1;
        e.zone = ZoneListEntry{pick(0, 70)};
        e.settings = kSettings[i % std::size(kSettings)];
        all.push_back(e);
    }
    return all;
}

TEST(ChartThreads, TwoThreadsAtOnceGiveTheChartsComputedAlone) {
    const std::vector<BirthRequest> entries = VariedEntries(4000);
    std::vector<std::string> alone;
    for (const BirthRequest& e : entries) alone.push_back(ChartJsonText(RequestChart(e)));

    // One thread walks the requests forwards, the other backwards, both at the same time, so
    // that each chart follows different charts than it did alone.
    std::vector<std::string> forwards(entries.size()), backwards(entries.size());
    std::thread first([&] {
        ChartOutcome outcome;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            RequestChartInto(entries[i], outcome);
            forwards[i] = ChartJsonText(outcome);
        }
    });
    std::thread second([&] {
        ChartOutcome outcome;
        for (std::size_t i = entries.size(); i-- > 0;) {
            RequestChartInto(entries[i], outcome);
            backwards[i] = ChartJsonText(outcome);
        }
    });
    first.join();
    second.join();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_EQ(forwards[i], alone[i]) << "request " << i;
        ASSERT_EQ(backwards[i], alone[i]) << "request " << i;
    }
}

}  // namespace
}  // namespace kalodaya
