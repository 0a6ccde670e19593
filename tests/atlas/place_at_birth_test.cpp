// What the form and the chart's place record get for a birthplace at a birth moment: the city
// time, the exact entry and the offset the computation uses.
#include "astro/atlas/place_at_birth.h"

#include <gtest/gtest.h>

#include "astro/atlas/city_time.h"

#include "atlas_fixture.h"

namespace kalodaya::atlas {
namespace {

using testing::At;
using testing::TheAtlas;

PlaceAtBirth Resolve(const char* place, const CivilTime& clock) {
    const auto found = TheAtlas().places().BestMatch(place);
    EXPECT_TRUE(found) << place;
    auto birth = ResolvePlaceAtBirth(TheAtlas(), found.value_or(Place{}), clock);
    EXPECT_TRUE(birth) << birth.error().message;
    return birth ? *birth : PlaceAtBirth{};
}

// Bombay Time (UTC+04:51) until 1955 and Calcutta Time (UTC+05:53:20) until 1948, in the two
// cities' urban areas only.
TEST(PlaceAtBirth, CityTimesOfBombayAndCalcutta) {
    const struct {
        const char* place;
        CivilTime clock;
        const char* cityTime;  // nullptr: none
    } cases[] = {
        {"Mumbai, India", At(1950, 6, 1), "Bombay Time"},
        {"Mumbai, India", At(1954, 12, 31, 23, 59), "Bombay Time"},
        {"Mumbai, India", At(1955, 1, 1, 0, 0), nullptr},
        {"Mumbai, India", At(1920, 6, 1), "Bombay Time"},
        {"Thane, India", At(1950, 6, 1), "Bombay Time"},
        {"Navi Mumbai, India", At(1950, 6, 1), "Bombay Time"},
        {"Kalyan, India", At(1950, 6, 1), nullptr},
        {"Pune, India", At(1950, 6, 1), nullptr},
        {"Kolkata, India", At(1947, 8, 15), "Calcutta Time"},
        {"Howrah, India", At(1940, 1, 1), "Calcutta Time"},
        {"Kolkata, India", At(1948, 1, 1, 0, 0), nullptr},
        {"Kolkata, India", At(1950, 6, 1), nullptr},
        {"Chennai, India", At(1940, 6, 1), nullptr},
        {"Dhaka, Bangladesh", At(1940, 6, 1), nullptr},
        // Before 1854 the birthplace's own mean time stands, which is the city's time.
        {"Mumbai, India", At(1850, 6, 1), nullptr},
    };
    for (const auto& c : cases) {
        const PlaceAtBirth birth = Resolve(c.place, c.clock);
        ASSERT_EQ(birth.cityTime.has_value(), c.cityTime != nullptr) << c.place << " " << c.clock.year;
        if (c.cityTime) {
            EXPECT_EQ(birth.cityTime->name, c.cityTime) << c.place;
        }
        EXPECT_FALSE(birth.cityTimeUsed);
    }
}

TEST(PlaceAtBirth, CityTimeInPlaceOfTheDatabasesOffset) {
    const auto mumbai = TheAtlas().places().BestMatch("Mumbai, India");
    ASSERT_TRUE(mumbai);
    const auto birth = ResolvePlaceAtBirth(TheAtlas(), *mumbai, At(1950, 6, 1, 10, 0), true);
    ASSERT_TRUE(birth);
    EXPECT_TRUE(birth->cityTimeUsed);
    EXPECT_FALSE(birth->zoneEntry);
    EXPECT_EQ(birth->usedOffsetSeconds, 4 * 3600 + 51 * 60);
    EXPECT_EQ(birth->offset.utcOffsetSeconds, 5 * 3600 + 30 * 60);  // the database's, reported
    EXPECT_EQ(ExactEntryLabelFor(*birth), "Bombay Time UTC+04:51");
    EXPECT_EQ(CityTimeEntryLabel(*birth), "Bombay Time UTC+04:51");

    // Calcutta Time is used to the minute, as every exact offset; its label keeps the seconds.
    const auto kolkata = TheAtlas().places().BestMatch("Kolkata, India");
    ASSERT_TRUE(kolkata);
    const auto calcutta = ResolvePlaceAtBirth(TheAtlas(), *kolkata, At(1940, 6, 1), true);
    ASSERT_TRUE(calcutta);
    EXPECT_EQ(calcutta->usedOffsetSeconds, 5 * 3600 + 53 * 60);
    EXPECT_EQ(ExactEntryLabelFor(*calcutta), "Calcutta Time UTC+05:53:20");

    // Asked for where no city time was kept: the database's offset stays.
    const auto after = ResolvePlaceAtBirth(TheAtlas(), *mumbai, At(1960, 6, 1), true);
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->cityTimeUsed);
    EXPECT_EQ(after->zoneEntry, 34);
}

TEST(PlaceAtBirth, ZoneEntryOfTheWorkedExample) {
    const PlaceAtBirth birth = Resolve("New Delhi, India", At(1990, 8, 15, 10, 30));
    EXPECT_EQ(birth.zoneEntry, 34);
    EXPECT_EQ(birth.usedOffsetSeconds, 5 * 3600 + 30 * 60);
    EXPECT_FALSE(ExactEntryLabelFor(birth));
    EXPECT_EQ(birth.tzdataVersion, TheAtlas().zones().tzdataVersion());
}

TEST(PlaceAtBirth, ExactEntryForKathmandu) {
    const PlaceAtBirth birth = Resolve("Kathmandu, Nepal", At(1990, 6, 15, 8, 0));
    EXPECT_FALSE(birth.zoneEntry);
    EXPECT_EQ(ExactEntryLabelFor(birth), "Exact offset: UTC+05:45 (Asia/Kathmandu)");
}

TEST(PlaceAtBirth, OffsetsOfSecondsAreUsedToTheNearestMinute) {
    const PlaceAtBirth birth = Resolve("Amsterdam", At(1935, 6, 15, 12, 0));
    EXPECT_EQ(birth.offset.utcOffsetSeconds, 3600 + 19 * 60 + 32);
    EXPECT_EQ(birth.usedOffsetSeconds, 3600 + 20 * 60);
    EXPECT_EQ(ExactEntryLabelFor(birth), "Exact offset: UTC+01:20 NST (Europe/Amsterdam)");
}

TEST(PlaceAtBirth, FailsOutsideTheTable) {
    const auto place = TheAtlas().places().BestMatch("Chennai");
    ASSERT_TRUE(place);
    EXPECT_FALSE(ResolvePlaceAtBirth(TheAtlas(), *place, At(1700, 1, 1)));
    EXPECT_FALSE(ResolvePlaceAtBirth(TheAtlas(), *place, At(1990, 13, 1)));
}

}  // namespace
}  // namespace kalodaya::atlas
