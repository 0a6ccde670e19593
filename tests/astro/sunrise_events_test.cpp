// Sunrise and sunset with the rounded constants, the events' own local dates, and the
// daylight-saving rule.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <utility>

#include "astro/sunrise.h"
#include "astro/sunrise_steps.h"
#include "astro/zone_table.h"

namespace kalodaya {
namespace {

struct Place {
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool east;
    int zoneHours, zoneMinutes;
};

constexpr Place kDelhi1975{28, 36, false, 77, 12, true, -5, -30};
constexpr Place kWorkedExample{28, 39, false, 77, 13, true, -5, -30};
constexpr Place kGreenwichEquator{0, 0, false, 0, 0, true, 0, 0};
constexpr Place kNewYork{40, 43, false, 74, 0, false, 5, 0};
constexpr Place kNorth75{75, 0, false, 10, 0, true, -1, 0};
constexpr Place kReykjavik{64, 9, false, 21, 56, false, 0, 0};    // on GMT
constexpr Place kTokyoOnGmt{35, 41, false, 139, 46, true, 0, 0};  // clock times in GMT

// The events at their own dates, and the almanac's two slots: the input date with the clock
// times reduced into the day.
struct Events {
    SunEventStatus status;
    std::array<DateTime, 2> slots;
};

Events Compute(const Place& p, int year, int month, int day, int hour = 12, bool dst = false) {
    const SunEventStatus status = ComputeSunEvents(
        year, month, day, hour, 0, Coordinates{p.latDeg, p.latMin, p.south, p.lonDeg, p.lonMin, p.east},
        ZoneOffset{p.zoneHours, p.zoneMinutes}, dst);
    return {status, {status.sunriseClock, status.sunsetClock}};
}

TEST(SunEvents, January1975ExampleWithItsIntermediateValues) {
    const SunPlace place{(28 + 36 / 60.0) * 0.0174533, (77 + 12 / 60.0) * 0.0174533,
                         5.5 * 0.261799};
    EXPECT_NEAR(place.phiR, 0.499164, 1e-6);
    EXPECT_NEAR(place.lambdaR, 1.347395, 1e-6);
    EXPECT_NEAR(place.zR, 1.439895, 1e-6);

    const auto rise = SunPass(place, 15, true);
    ASSERT_TRUE(rise.has_value());
    EXPECT_NEAR(rise->t, 14.035556, 1e-6);
    EXPECT_NEAR(rise->M, 0.184036, 1e-6);
    EXPECT_NEAR(rise->L, 5.123171, 1e-6);
    EXPECT_NEAR(rise->RA, 5.155635, 1e-6);
    EXPECT_NEAR(rise->delta, -0.373337, 1e-6);
    EXPECT_NEAR(rise->c, 0.195775, 1e-6);
    EXPECT_NEAR(rise->H, 4.909438, 1e-6);
    EXPECT_NEAR(rise->T, 8.089983, 1e-6);
    EXPECT_NEAR(rise->local, 1.899292, 1e-6);
    EXPECT_NEAR(rise->hours, 7.25476, 1e-5);
    EXPECT_EQ(rise->hh, 7);
    EXPECT_EQ(rise->mm, 15);

    const auto set = SunPass(place, 15, false);
    ASSERT_TRUE(set.has_value());
    EXPECT_NEAR(set->t, 14.535555, 1e-6);
    EXPECT_NEAR(set->L, 5.132060, 1e-6);
    EXPECT_NEAR(set->RA, 5.165037, 1e-6);
    EXPECT_NEAR(set->c, 0.194823, 1e-6);
    EXPECT_NEAR(set->H, 1.374723, 1e-6);
    EXPECT_NEAR(set->T, 4.556067, 1e-6);
    EXPECT_NEAR(set->local, 4.648567, 1e-6);
    EXPECT_NEAR(set->hours, 17.75622, 1e-5);

    const Events e = Compute(kDelhi1975, 1975, 1, 15);
    EXPECT_TRUE(e.status.sunriseOk);
    EXPECT_TRUE(e.status.sunsetOk);
    EXPECT_FALSE(e.status.dstApplied);
    EXPECT_EQ(e.slots[0].Iso(), "1975-01-15T07:15:00");
    EXPECT_EQ(e.slots[1].Iso(), "1975-01-15T17:45:00");
}

TEST(SunEvents, EquinoxAtZeroLatitudeAndLongitude) {
    const Events e = Compute(kGreenwichEquator, 2000, 3, 21);
    EXPECT_EQ(e.slots[0].Iso(), "2000-03-21T06:04:00");
    EXPECT_EQ(e.slots[1].Iso(), "2000-03-21T18:11:00");
}

TEST(SunEvents, WorkedExampleAndItsNeighbours) {
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 15).slots[0].Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 15).slots[1].Iso(), "1990-08-15T19:02:00");
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 14).slots[0].Iso(), "1990-08-14T05:49:00");
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 14).slots[1].Iso(), "1990-08-14T19:03:00");
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 16).slots[0].Iso(), "1990-08-16T05:50:00");
    EXPECT_EQ(Compute(kWorkedExample, 1990, 8, 16).slots[1].Iso(), "1990-08-16T19:01:00");
}

TEST(SunEvents, NewYorkMidsummerWithAndWithoutDaylightSaving) {
    const Events dst = Compute(kNewYork, 2002, 6, 21, 12, true);
    EXPECT_TRUE(dst.status.dstApplied);
    EXPECT_EQ(dst.slots[0].Iso(), "2002-06-21T05:25:00");
    EXPECT_EQ(dst.slots[1].Iso(), "2002-06-21T20:30:00");
    const Events plain = Compute(kNewYork, 2002, 6, 21, 12, false);
    EXPECT_FALSE(plain.status.dstApplied);
    EXPECT_EQ(plain.slots[0].Iso(), "2002-06-21T04:25:00");
    EXPECT_EQ(plain.slots[1].Iso(), "2002-06-21T19:30:00");
}

TEST(SunEvents, AprilBoundaryOf2002) {
    // First Sunday of April 2002 is the 7th.
    EXPECT_FALSE(Compute(kNewYork, 2002, 4, 7, 1, true).status.dstApplied);
    EXPECT_TRUE(Compute(kNewYork, 2002, 4, 7, 2, true).status.dstApplied);
    EXPECT_TRUE(Compute(kNewYork, 2002, 4, 7, 23, true).status.dstApplied);
    for (int day = 1; day <= 6; ++day)
        for (int hour : {0, 2, 12, 23})
            EXPECT_FALSE(Compute(kNewYork, 2002, 4, day, hour, true).status.dstApplied) << day;
    for (int day = 8; day <= 30; ++day)
        EXPECT_TRUE(Compute(kNewYork, 2002, 4, day, 0, true).status.dstApplied) << day;
    // The extra hour moves both events by one hour.
    const Events plain = Compute(kNewYork, 2002, 4, 7, 1, true);
    const Events dst = Compute(kNewYork, 2002, 4, 7, 2, true);
    EXPECT_EQ(DateTime::MinutesBetween(plain.slots[0], dst.slots[0]), 60);
    EXPECT_EQ(DateTime::MinutesBetween(plain.slots[1], dst.slots[1]), 60);
}

TEST(SunEvents, OctoberBoundaryOf2002) {
    // Last Sunday of October 2002 is the 27th.
    for (int hour : {0, 1, 2, 23}) {
        EXPECT_TRUE(Compute(kNewYork, 2002, 10, 24, hour, true).status.dstApplied) << hour;
        EXPECT_TRUE(Compute(kNewYork, 2002, 10, 26, hour, true).status.dstApplied) << hour;
        EXPECT_FALSE(Compute(kNewYork, 2002, 10, 28, hour, true).status.dstApplied) << hour;
    }
    EXPECT_TRUE(Compute(kNewYork, 2002, 10, 27, 1, true).status.dstApplied);
    EXPECT_FALSE(Compute(kNewYork, 2002, 10, 27, 2, true).status.dstApplied);
    EXPECT_FALSE(Compute(kNewYork, 2002, 10, 27, 3, true).status.dstApplied);
}

TEST(IsDaylightSaving, TheCalendarRuleAsWritten) {
    // weekday 0 = Sunday; 7 April 2002 and 27 October 2002 are Sundays.
    EXPECT_FALSE(IsDaylightSaving(7, 0, 4, 1, 59));
    EXPECT_TRUE(IsDaylightSaving(7, 0, 4, 2, 0));
    EXPECT_FALSE(IsDaylightSaving(6, 6, 4, 23, 0));
    EXPECT_FALSE(IsDaylightSaving(1, 1, 4, 12, 0));
    EXPECT_TRUE(IsDaylightSaving(8, 1, 4, 0, 0));
    EXPECT_TRUE(IsDaylightSaving(15, 3, 7, 0, 0));
    EXPECT_TRUE(IsDaylightSaving(24, 4, 10, 23, 0));
    EXPECT_TRUE(IsDaylightSaving(26, 6, 10, 23, 0));
    EXPECT_TRUE(IsDaylightSaving(27, 0, 10, 1, 59));
    EXPECT_FALSE(IsDaylightSaving(27, 0, 10, 3, 0));
    EXPECT_FALSE(IsDaylightSaving(28, 1, 10, 0, 0));
    EXPECT_FALSE(IsDaylightSaving(1, 5, 11, 12, 0));
    EXPECT_FALSE(IsDaylightSaving(15, 2, 3, 12, 0));
    // The minute is not consulted.
    EXPECT_EQ(IsDaylightSaving(7, 0, 4, 1, 0), IsDaylightSaving(7, 0, 4, 1, 59));
}

TEST(SunEvents, JanuaryWithDaylightSavingSetGetsNoExtraHourInAnyZone) {
    const std::pair<int, int> zones[] = {{5, 0},   {-10, 0}, {-10, -30}, {-12, 0},
                                         {-13, 0}, {3, 30},  {-5, -30},  {0, 0}};
    for (const auto& [hours, minutes] : zones) {
        Place p = kGreenwichEquator;
        p.latDeg = 33;  // a southern-hemisphere summer place as well
        p.south = true;
        p.zoneHours = hours;
        p.zoneMinutes = minutes;
        for (int hour : {0, 2, 12, 23}) {
            const Events dst = Compute(p, 2002, 1, 15, hour, true);
            const Events plain = Compute(p, 2002, 1, 15, hour, false);
            EXPECT_FALSE(dst.status.dstApplied) << hours;
            EXPECT_EQ(dst.slots[0], plain.slots[0]) << hours;
            EXPECT_EQ(dst.slots[1], plain.slots[1]) << hours;
        }
    }
}

TEST(SunEvents, ZoneDirectionComesFromTheSignedOffset) {
    // Hours -5 with minutes -30 is z = +5.5: the 1975 example's 07:15.
    EXPECT_EQ(Compute(kDelhi1975, 1975, 1, 15).slots[0].Iso(), "1975-01-15T07:15:00");
    Place fiveHours = kDelhi1975;
    fiveHours.zoneMinutes = 0;
    EXPECT_EQ(Compute(fiveHours, 1975, 1, 15).slots[0].Iso(), "1975-01-15T06:45:00");
    // A zone of less than an hour (an exact offset from the atlas) takes its direction from the
    // minutes, as the ascendant's and the planets' conversions do: 30 is half an hour west of
    // Greenwich, -30 half an hour east.
    Place half = kGreenwichEquator;
    half.zoneMinutes = 30;
    EXPECT_EQ(Compute(half, 2000, 3, 21).slots[0].Iso(), "2000-03-21T05:34:00");
    half.zoneMinutes = -30;
    EXPECT_EQ(Compute(half, 2000, 3, 21).slots[0].Iso(), "2000-03-21T06:34:00");
}

TEST(SunEvents, StoredDateIsAlwaysTheInputDate) {
    Place far = kGreenwichEquator;
    far.zoneHours = -12;  // twelve hours east of the place's own time
    const Events e = Compute(far, 2000, 3, 21);
    EXPECT_EQ(e.slots[0].Iso(), "2000-03-21T18:04:00");
    EXPECT_EQ(e.slots[1].Iso(), "2000-03-21T06:11:00");  // 30:11 reduced, same date
}

TEST(SunEvents, MinuteSixtyCarriesIntoTheNextHour) {
    // 13 April 1990 at the worked example's place: sunrise at 5.992825 hours, 05:59.57, which
    // the rounding to the minute makes minute 60.
    const Events e = Compute(kWorkedExample, 1990, 4, 13);
    EXPECT_EQ(e.slots[0].Iso(), "1990-04-13T06:00:00");

    int hh = -1, mm = -1;
    ClockFromHours(5.992825, hh, mm);
    EXPECT_EQ(hh, 6);
    EXPECT_EQ(mm, 0);
    ClockFromHours(5.991, hh, mm);  // 59.46 minutes rounds down
    EXPECT_EQ(hh, 5);
    EXPECT_EQ(mm, 59);
    EXPECT_EQ(ClockFromHours(23.9999, hh, mm), 1);  // 24:00 wraps to 00:00 on the same date
    EXPECT_EQ(hh, 0);
    EXPECT_EQ(mm, 0);
    EXPECT_EQ(ClockFromHours(5.992825, hh, mm), 0);  // a carry within the day is no wrap
    EXPECT_EQ(ClockFromHours(23.99, hh, mm), 0);     // 23:59.4
    EXPECT_EQ(hh, 23);
    EXPECT_EQ(mm, 59);
}

TEST(SunEvents, PolarDayAndNightHaveNoEvents) {
    for (const int month : {6, 12}) {
        const Events e = Compute(kNorth75, 1990, month, 25);
        EXPECT_FALSE(e.status.sunriseOk) << month;
        EXPECT_FALSE(e.status.sunsetOk) << month;
        EXPECT_EQ(e.status.sunrise, DateTime()) << month;
        EXPECT_EQ(e.status.sunset, DateTime()) << month;
    }
    EXPECT_FALSE(SunPass({75 * 0.0174533, 0, 0}, 176, true).has_value());
    // The same place in spring has both events.
    const Events spring = Compute(kNorth75, 1990, 3, 21);
    EXPECT_TRUE(spring.status.sunriseOk);
    EXPECT_TRUE(spring.status.sunsetOk);
}

// The events at their own local dates: the slots keep the input date with the clock time
// reduced into the day; the status moves the date by the days the clock time was reduced.

TEST(SunEventDates, WithoutAWrapTheyAreTheSlotsThroughoutTheYear) {
    // The worked example's place on Indian time, every day of 1990, across the March equinox
    // where the right ascension restarts at 0, and New York in summer with the daylight hour.
    for (DateTime d = DateTime::FromCivil(1990, 1, 1); d.Year() == 1990; d = d.AddDays(1)) {
        const Events e = Compute(kWorkedExample, d.Year(), d.Month(), d.Day());
        ASSERT_TRUE(e.status.sunriseOk && e.status.sunsetOk) << d.Iso();
        EXPECT_EQ(e.status.sunrise, e.slots[0]) << d.Iso();
        EXPECT_EQ(e.status.sunset, e.slots[1]) << d.Iso();
    }
    const Events dst = Compute(kNewYork, 2002, 6, 21, 12, true);
    EXPECT_EQ(dst.status.sunrise.Iso(), "2002-06-21T05:25:00");
    EXPECT_EQ(dst.status.sunset.Iso(), "2002-06-21T20:30:00");
}

TEST(SunEventDates, ReykjavikMidsummerSunsetFallsAfterMidnight) {
    const Events e = Compute(kReykjavik, 2000, 6, 21);
    EXPECT_EQ(e.slots[0].Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(e.slots[1].Iso(), "2000-06-21T00:04:00");  // the slot keeps the input date
    EXPECT_EQ(e.status.sunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(e.status.sunset.Iso(), "2000-06-22T00:04:00");
    EXPECT_LT(e.status.sunrise, e.status.sunset);
}

TEST(SunEventDates, FarEastPlaceOnGreenwichTimeRisesThePreviousEvening) {
    const Events e = Compute(kTokyoOnGmt, 2000, 6, 1);
    EXPECT_EQ(e.slots[0].Iso(), "2000-06-01T19:27:00");
    EXPECT_EQ(e.slots[1].Iso(), "2000-06-01T09:51:00");
    EXPECT_EQ(e.status.sunrise.Iso(), "2000-05-31T19:27:00");
    EXPECT_EQ(e.status.sunset.Iso(), "2000-06-01T09:51:00");
}

TEST(SunEventDates, FarEastZoneSetsTheNextMorning) {
    Place far = kGreenwichEquator;
    far.zoneHours = -12;
    const Events e = Compute(far, 2000, 3, 21);
    EXPECT_EQ(e.status.sunrise.Iso(), "2000-03-21T18:04:00");
    EXPECT_EQ(e.status.sunset.Iso(), "2000-03-22T06:11:00");
}

TEST(SunEventDates, HourTwentyFourIsMidnightOfTheNextDay) {
    // 0 N 86 W on GMT, 1 March 2000: the sunset at 23:59.55 rounds to 24:00, which the slot
    // holds as 00:00 of the input date.
    const Events set = Compute({0, 0, false, 86, 0, false, 0, 0}, 2000, 3, 1);
    EXPECT_EQ(set.slots[1].Iso(), "2000-03-01T00:00:00");
    EXPECT_EQ(set.status.sunset.Iso(), "2000-03-02T00:00:00");
    // 0 N 90 31 E on GMT, 28 March 2000: the sunrise at 23:59.97 of the day before rounds to
    // 24:00 of that day, which is 00:00 of the input date.
    const Events rise = Compute({0, 0, false, 90, 31, true, 0, 0}, 2000, 3, 28);
    EXPECT_EQ(rise.slots[0].Iso(), "2000-03-28T00:00:00");
    EXPECT_EQ(rise.status.sunrise.Iso(), "2000-03-28T00:00:00");
}

// Zone offset east of Greenwich in minutes, as the sunrise computation reads ZoneHours.
int ZoneEastMinutes(int zoneHours, int zoneMinutes) {
    const int magnitude = std::abs(zoneHours) * 60 + std::abs(zoneMinutes);
    return zoneHours >= 0 ? -magnitude : magnitude;
}

TEST(SunEventDates, EveryZoneGivesTheSameInstant) {
    // One event is one instant whatever the zone: its time less the zone offset agrees with
    // the Greenwich reading to the rounding minute, up to two days' reduction away.
    const Place places[] = {kReykjavik,
                            kTokyoOnGmt,
                            kGreenwichEquator,
                            {17, 45, true, 179, 0, true, 0, 0},
                            {17, 45, true, 179, 0, false, 0, 0},
                            {65, 0, false, 179, 59, false, 0, 0},
                            {65, 0, false, 179, 59, true, 0, 0}};
    const int dates[][3] = {{2000, 6, 21}, {1990, 1, 15}, {1990, 3, 20}, {2031, 12, 31}};
    int shiftedTwoDays = 0;
    for (const Place& place : places) {
        for (const auto& date : dates) {
            const Events gmt = Compute(place, date[0], date[1], date[2]);
            ASSERT_TRUE(gmt.status.sunriseOk && gmt.status.sunsetOk);
            for (const ZoneEntry& zone : kZoneTable)
                for (const bool dst : {false, true}) {
                    Place zoned = place;
                    zoned.zoneHours = zone.hours;
                    zoned.zoneMinutes = zone.minutes;
                    const Events e = Compute(zoned, date[0], date[1], date[2], 12, dst);
                    const int east =
                        ZoneEastMinutes(zone.hours, zone.minutes) + (e.status.dstApplied ? 60 : 0);
                    const auto rise = DateTime::MinutesBetween(gmt.status.sunrise,
                                                               e.status.sunrise.AddMinutes(-east));
                    const auto set = DateTime::MinutesBetween(gmt.status.sunset,
                                                              e.status.sunset.AddMinutes(-east));
                    EXPECT_LE(std::abs(rise), 1) << zone.listText << " " << e.status.sunrise.Iso();
                    EXPECT_LE(std::abs(set), 1) << zone.listText << " " << e.status.sunset.Iso();
                    // The slot is the same clock time on the input date.
                    EXPECT_EQ(e.slots[0].DateOnly(),
                              DateTime::FromCivil(date[0], date[1], date[2]));
                    EXPECT_EQ(e.slots[0].Hour(), e.status.sunrise.Hour());
                    EXPECT_EQ(e.slots[1].Minute(), e.status.sunset.Minute());
                    shiftedTwoDays +=
                        std::abs(DateTime::DaysBetween(e.slots[1], e.status.sunset)) == 2;
                }
        }
    }
    // A midsummer sunset at 65 N, 179 59 W on New Zealand summer time (+13) with the daylight
    // hour is two days on.
    EXPECT_GT(shiftedTwoDays, 0);
}

}  // namespace
}  // namespace kalodaya
