// The ephemeris stages inside a whole chart request.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "chart/chart_outcome.h"
#include "../astro/ephemeris_fixtures.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

using testing::Printed;

const std::array<std::string, kBodyCount> kWorkedPositions = {
    "28 Can 31", "18 Tau 54", "25 Leo 34", "07 Can 59", "27 Ari 37",
    "05 Can 46", "26 Sag 10", "11 Cap 50", "11 Can 50", "28 Vir 42"};

using testing_support::WorkedExampleRequest;

TEST(EphemerisChart, WorkedExampleThroughTheRequest) {
    const ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_FALSE(outcome.failure.has_value());
    const ChartResult& r = outcome.result;
    EXPECT_NEAR(r.ayanamsaCorrection, -23.72326, Printed(5));
    EXPECT_NEAR(r.longitude[Asc], 178.71281, Printed(5));
    EXPECT_NEAR(r.longitude[Moon], 48.90825, Printed(5));
    EXPECT_EQ(r.moonNakshatraStart, 39.99);
    // The planet table shows the birth moment, not the Sun at the reference sunrise.
    for (int i = 0; i < kBodyCount; ++i) EXPECT_EQ(outcome.texts.planet[i], kWorkedPositions[i]) << i;
    EXPECT_EQ(outcome.texts.sunAtSunrise, "28 Can 20");
}


// West of Greenwich on a zone ahead of UT: CET with the daylight box and CED without it are both
// 10:00 UT, and the ascendant and the Moon are computed for that instant.
TEST(EphemerisChart, MadridOnCentralEuropeanTime) {
    for (const auto& [zone, daylight] : {std::pair{20, true}, std::pair{19, false}}) {
        BirthRequest madrid;
        madrid.name = "MADRID";
        madrid.year = 1990;
        madrid.month = 7;
        madrid.day = 1;
        madrid.hour = 12;
        madrid.latitude = {40, 25, true};
        madrid.longitude = {3, 42, false};
        madrid.zone = ZoneListEntry{zone};
        madrid.daylight = daylight;
        const ChartOutcome outcome = RequestChart(madrid);
        ASSERT_TRUE(outcome.Computed()) << zone;
        EXPECT_EQ(outcome.texts.planet[Asc], "16 Leo 48") << zone;
        EXPECT_EQ(outcome.texts.planet[Moon], "02 Lib 15") << zone;
    }
}

}  // namespace
}  // namespace kalodaya
