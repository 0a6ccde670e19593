// A chart is a function of its request alone: computed on several threads at once, in any
// order, every chart comes out as it does alone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "chart/chart_outcome.h"
#include "cli/chart_json.h"

namespace kalodaya {
namespace {

std::vector<Entries> VariedEntries(int count) {
    std::mt19937 random(7);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Entries> all;
    for (int i = 0; i < count; ++i) {
        Entries e;
        e.name = "RAMA";
        e.monthIndex = pick(0, 11);
        e.dayText = std::to_string(pick(1, 28));
        e.yearText = std::to_string(pick(1901, 2050));
        e.hourText = std::to_string(pick(0, 23));
        e.minuteText = std::to_string(pick(0, 59));
        e.secondText = std::to_string(pick(0, 59));
        e.latDegText = std::to_string(pick(0, 89));
        e.latMinText = std::to_string(pick(0, 59));
        e.lonDegText = std::to_string(pick(0, 179));
        e.lonMinText = std::to_string(pick(0, 59));
        e.north = pick(0, 1) == 1;
        e.east = pick(0, 1) == 1;
        e.dst = pick(0, 1) == 1;
        e.zoneIndex = pick(0, 70);
        all.push_back(e);
    }
    return all;
}

TEST(ChartThreads, TwoThreadsAtOnceGiveTheChartsComputedAlone) {
    const std::vector<Entries> entries = VariedEntries(4000);
    std::vector<std::string> alone;
    for (const Entries& e : entries) alone.push_back(cli::ChartJsonText(RequestChart(e)));

    // One thread walks the requests forwards, the other backwards, both at the same time, so
    // that each chart follows different charts than it did alone.
    std::vector<std::string> forwards(entries.size()), backwards(entries.size());
    std::thread first([&] {
        ChartOutcome outcome;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            RequestChartInto(entries[i], outcome);
            forwards[i] = cli::ChartJsonText(outcome);
        }
    });
    std::thread second([&] {
        ChartOutcome outcome;
        for (std::size_t i = entries.size(); i-- > 0;) {
            RequestChartInto(entries[i], outcome);
            backwards[i] = cli::ChartJsonText(outcome);
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
