// The quicker search for the Sun's rising and setting against the library's own routine: the
// same events, to within a millisecond, at random places, dates and search starts, for
// both sunrise definitions, rising and setting, and beyond the quick search's latitudes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/swiss_rise_set.h"

namespace kalodaya {
namespace {

struct Case {
    const char* what;
    double lowLatitude, highLatitude;
    int draws;
};

TEST(SwissRiseSet, SameEventsAsTheLibrarysRoutine) {
    // 1e-8 days is under a millisecond, far below the second the events are written to (the
    // slope's sidereal time moves them by a few 1e-9 days at most).
    constexpr double kMostApartDays = 1e-8;
    const Case cases[] = {
        {"tropics", -23.5, 23.5, 150},
        {"middle latitudes", -60, 60, 300},
        {"near the quick search's limit", 60, 65, 100},
        {"southern edge", -65, -60, 100},
        {"beyond the quick search (the library's own routine)", 65.5, 75, 40},
    };
    std::mt19937 random(4242);
    std::uniform_real_distribution<double> longitude(-180, 180), days(0, 54787.0);
    std::uniform_real_distribution<double> height(0, 3000);
    double farthest = 0;
    int compared = 0;
    for (const Case& c : cases) {
        std::uniform_real_distribution<double> latitude(c.lowLatitude, c.highLatitude);
        for (int n = 0; n < c.draws; ++n) {
            // 1901 .. 2050, and now and then a height above the sea.
            const double from = 2415385.5 + days(random);
            const double geopos[3] = {longitude(random), latitude(random),
                                      n % 5 == 0 ? height(random) : 0};
            for (const SunriseKind kind : {SunriseKind::Classic, SunriseKind::Hindu}) {
                for (const bool rise : {true, false}) {
                    const auto library = LibrarySunRiseOrSet(from, rise, geopos, kind);
                    const auto quick = SwissSunRiseOrSet(from, rise, geopos, kind);
                    SCOPED_TRACE(testing::Message()
                                 << c.what << " from " << from << " at " << geopos[0] << ", "
                                 << geopos[1] << (rise ? " rise" : " set")
                                 << (kind == SunriseKind::Hindu ? " hindu" : " classic"));
                    ASSERT_EQ(library.has_value(), quick.has_value());
                    if (!library) continue;
                    ++compared;
                    farthest = std::max(farthest, std::fabs(*library - *quick));
                    EXPECT_NEAR(*quick, *library, kMostApartDays);
                }
            }
        }
    }
    EXPECT_GT(compared, 2500);
    RecordProperty("farthest_apart_days", testing::PrintToString(farthest));
    std::printf("quick and library events at most %.3g days apart\n", farthest);
}

// A day's rising and the setting after it, the setting's search started from the rising's:
// the same pair as the library's routine gives searching each from the start.
TEST(SwissRiseSet, RisingThenSettingAsTheLibraryFindsThem) {
    constexpr double kMostApartDays = 1e-8;
    const Case cases[] = {
        {"tropics", -23.5, 23.5, 100},
        {"middle latitudes", -60, 60, 200},
        {"high latitudes, quick search", 60, 65, 100},
        {"beyond the quick search", 65.5, 72, 40},
    };
    std::mt19937 random(777);
    std::uniform_real_distribution<double> longitude(-180, 180), days(0, 54787.0);
    int pairs = 0;
    for (const Case& c : cases) {
        std::uniform_real_distribution<double> latitude(c.lowLatitude, c.highLatitude);
        for (int n = 0; n < c.draws; ++n) {
            const double from = 2415385.5 + days(random);
            const double geopos[3] = {longitude(random), latitude(random), 0};
            for (const SunriseKind kind : {SunriseKind::Classic, SunriseKind::Hindu}) {
                SCOPED_TRACE(testing::Message() << c.what << " from " << from << " at "
                                                << geopos[0] << ", " << geopos[1]
                                                << (kind == SunriseKind::Hindu ? " hindu" : ""));
                const SunRiseThenSet quick = SwissSunRiseThenSet(from, geopos, kind, 1);
                const auto rise = LibrarySunRiseOrSet(from, true, geopos, kind);
                const bool riseInDay = rise && *rise < from + 1;
                ASSERT_EQ(quick.rise.has_value(), riseInDay);
                if (!riseInDay) {
                    EXPECT_FALSE(quick.set.has_value());
                    continue;
                }
                EXPECT_NEAR(*quick.rise, *rise, kMostApartDays);
                const auto set = LibrarySunRiseOrSet(*rise, false, geopos, kind);
                const bool setInDay = set && *set < *rise + 1;
                ASSERT_EQ(quick.set.has_value(), setInDay);
                if (!setInDay) continue;
                ++pairs;
                EXPECT_NEAR(*quick.set, *set, kMostApartDays);
            }
        }
    }
    EXPECT_GT(pairs, 700);
}

}  // namespace
}  // namespace kalodaya
