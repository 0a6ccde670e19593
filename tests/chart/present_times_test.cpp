// The birth's date, clock, zone and sun times as Present writes them for the printed pages.
#include <gtest/gtest.h>

#include "chart/present.h"

namespace kalodaya {
namespace {

struct Times {
    DateTime birth;
    std::optional<DateTime> sunrise;  // the birth date's, if it rose
    DateTime referenceSunrise;
    int elapsedMinutes;
    ZoneOffset zone;
    bool daylight;
};

BirthTimeTexts Presented(const Times& t) {
    ChartResult r;
    r.birthMoment = t.birth;
    r.sunEvents[kSunrise] = t.sunrise;
    r.referenceSunrise = t.referenceSunrise;
    r.elapsedMinutes = t.elapsedMinutes;
    r.request.birth.zone = t.zone;
    r.request.birth.daylight = t.daylight;
    return PresentBirthTimes(r);
}

TEST(BirthTimeTexts, InDaylightBeforeSunriseAndAfterSunset) {
    const DateTime sunrise = DateTime::FromCivil(1990, 8, 15, 5, 49);
    const BirthTimeTexts day =
        Presented({DateTime::FromCivil(1990, 8, 15, 10, 30, 7), sunrise, sunrise, 281, {-5, -30}, false});
    EXPECT_EQ(day.date, "August 15, 1990");
    EXPECT_EQ(day.isoDate, "1990-08-15");
    EXPECT_EQ(day.clock, "10:30:07");
    EXPECT_EQ(day.zone, "UTC+05:30");
    EXPECT_EQ(day.sunrise, "05:49");
    EXPECT_EQ(day.referenceSunrise, "05:49, August 15, 1990");
    EXPECT_EQ(day.elapsedCaption, "Time Elapsed :");
    EXPECT_EQ(day.elapsed, "4 h 41 min (11.71 ghatis)");

    // Before sunrise the count runs from the day before's sunrise, which names its date.
    const BirthTimeTexts early = Presented({DateTime::FromCivil(1990, 8, 15, 3, 5), sunrise,
                                            DateTime::FromCivil(1990, 8, 14, 5, 48), 1277,
                                            {3, 30}, true});
    EXPECT_EQ(early.referenceSunrise, "05:48, August 14, 1990");
    EXPECT_EQ(early.elapsed, "21 h 17 min (53.21 ghatis)");
    EXPECT_EQ(early.zone, "UTC-03:30, daylight saving time");

    // After sunset the count runs forward to the next sunrise.
    const BirthTimeTexts late = Presented({DateTime::FromCivil(2000, 1, 1, 23, 59),
                                           DateTime::FromCivil(2000, 1, 1, 8, 6),
                                           DateTime::FromCivil(2000, 1, 2, 8, 6), -487, {0, 0},
                                           false});
    EXPECT_EQ(late.elapsedCaption, "Time To Sunrise :");
    EXPECT_EQ(late.elapsed, "8 h 7 min (20.29 ghatis)");
}

// A sunrise the zone puts on another date than the birth's says which; a date without one
// shows the reference sunrise.
TEST(BirthTimeTexts, ASunriseOnAnotherDateNamesIt) {
    const DateTime evening = DateTime::FromCivil(1980, 3, 4, 21, 25);
    EXPECT_EQ(Presented({DateTime::FromCivil(1980, 3, 5, 0, 0), evening, evening, 155, {}, false})
                  .sunrise,
              "21:25, March 4, 1980");
    const DateTime reference = DateTime::FromCivil(1990, 6, 20, 1, 2);
    EXPECT_EQ(Presented({DateTime::FromCivil(1990, 6, 21, 12, 0), std::nullopt, reference, 0, {}, false})
                  .sunrise,
              "01:02, June 20, 1990");
}

}  // namespace
}  // namespace kalodaya
