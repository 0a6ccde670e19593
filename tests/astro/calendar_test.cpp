// Julian day number, day number from J2000.0, the two conversions to Universal Time and
// the century arguments.
#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "ephemeris_fixtures.h"

namespace kalodaya {
namespace {

using testing::Printed;
using testing::WorkedExampleBirth;

TEST(EphemerisCalendar, JulianDayNumberAndTheCalendarSwitch) {
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
    EXPECT_EQ(JulianDayNumber(12, 31, 1899), 2415020);
    EXPECT_EQ(JulianDayNumber(10, 4, 1582), 2299160);
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171);  // still read as Julian
    EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162);  // Gregorian from here on
    EXPECT_EQ(JulianDayNumber(8, 15, 1990), 2448119);
    EXPECT_EQ(JulianDayNumber(3, 1, 1900), 2415080);
    EXPECT_EQ(JulianDayNumber(2, 28, 1900), 2415079);  // 1900 is no leap year
    EXPECT_EQ(JulianDayNumber(3, 1, 2000), JulianDayNumber(2, 29, 2000) + 1);
}

TEST(EphemerisCalendar, DayNumberJ2000) {
    EXPECT_EQ(DayNumberJ2000(2000, 1, 1, 12, 0), 0);
    EXPECT_EQ(DayNumberJ2000(1900, 3, 1, 0, 0), -36465.5);  // JD 2415079.5, exact
    // No century rule: the formula counts a 29 February 1900, so January and February 1900 are
    // one day off (one less than the true count; 28 February is two days before 1 March).
    EXPECT_EQ(DayNumberJ2000(1900, 2, 28, 0, 0), JulianDayNumber(2, 28, 1900) - 0.5 - 2451545 - 1);
    EXPECT_EQ(DayNumberJ2000(1900, 2, 28, 0, 0), -36467.5);
    EXPECT_EQ(DayNumberJ2000(1900, 1, 1, 0, 0), JulianDayNumber(1, 1, 1900) - 0.5 - 2451545 - 1);
    EXPECT_EQ(DayNumberJ2000(1901, 1, 1, 0, 0), JulianDayNumber(1, 1, 1901) - 0.5 - 2451545);
    // Exact through February 2100.
    EXPECT_EQ(DayNumberJ2000(2100, 2, 28, 0, 0), JulianDayNumber(2, 28, 2100) - 0.5 - 2451545);
    EXPECT_EQ(DayNumberJ2000(2050, 12, 31, 0, 0), JulianDayNumber(12, 31, 2050) - 0.5 - 2451545);
    EXPECT_NEAR(DayNumberJ2000(1990, 8, 15, 5, 0), -3426.2916667, Printed(7));
    EXPECT_NEAR(DayNumberJ2000(2000, 1, 1, 0, 30), -0.5 + 0.5 / 24, 1e-12);
}

TEST(EphemerisCalendar, DayNumberOfADateTimeIsTheFormula) {
    // Every day from 1850 to 2150, first and last minute: the date-time overload gives the
    // formula's value, inside and outside the range where the formula is exact.
    for (DateTime day = DateTime::FromCivil(1850, 1, 1); day < DateTime::FromCivil(2150, 1, 1);
         day = day.AddDays(1)) {
        for (int minutes : {0, 1439}) {
            const DateTime t = day.AddMinutes(minutes);
            ASSERT_EQ(DayNumberJ2000(t),
                      DayNumberJ2000(t.Year(), t.Month(), t.Day(), t.Hour(), t.Minute()))
                << t.Iso();
        }
    }
}

TEST(EphemerisCalendar, UniversalTimeByZoneWorkedExample) {
    const ZoneTime t = UniversalTimeByZone(WorkedExampleBirth());
    EXPECT_DOUBLE_EQ(t.zoneWest, -5.5);
    EXPECT_NEAR(t.lon, -(77 + 13 / 60.0), 1e-12);
    EXPECT_NEAR(t.lat, 28 + 39 / 60.0, 1e-12);
    EXPECT_DOUBLE_EQ(t.ut, 5.0);
}

TEST(EphemerisCalendar, UniversalTimeDirectionComesFromTheZone) {
    LocalBirth b = WorkedExampleBirth();
    b.hour = 12;
    b.minute = 0;
    auto zone = [&b](int hours, int minutes, bool dst) {
        b.zone = ZoneOffset{hours, minutes};
        b.daylight = dst;
        return UniversalTimeByZone(b).ut;
    };
    // East of Greenwich on a zone ahead of UT: IST, with and without the daylight hour.
    EXPECT_DOUBLE_EQ(zone(-5, -30, false), 6.5);
    EXPECT_DOUBLE_EQ(zone(-5, -30, true), 5.5);

    // West of Greenwich on a zone behind UT: EST, and EST with the daylight hour.
    b.place.east = false;
    b.place.lonDeg = 75;
    b.place.lonMin = 0;
    EXPECT_DOUBLE_EQ(zone(5, 0, false), 17);
    EXPECT_DOUBLE_EQ(zone(5, 0, true), 16);

    // West of Greenwich on a zone ahead of UT (Madrid on CET): the zone decides, not the
    // hemisphere. CET with the daylight box and CED without it are the same instant.
    b.place.lonDeg = 3;
    b.place.lonMin = 42;
    EXPECT_DOUBLE_EQ(zone(-1, 0, true), 10);
    EXPECT_DOUBLE_EQ(zone(-2, 0, false), 10);

    // East of Greenwich on a zone behind UT, and Greenwich itself with British Summer Time.
    b.place.east = true;
    EXPECT_DOUBLE_EQ(zone(1, 0, false), 13);
    b.place.lonDeg = 0;
    b.place.lonMin = 0;
    EXPECT_DOUBLE_EQ(zone(0, 0, true), 11);
    EXPECT_DOUBLE_EQ(zone(-1, 0, false), 11);

    // South latitudes are negative.
    b.place.south = true;
    b.place.latDeg = 33;
    b.place.latMin = 30;
    EXPECT_DOUBLE_EQ(UniversalTimeByZone(b).lat, -33.5);
}

TEST(EphemerisCalendar, UniversalTimeIsNotBroughtIntoTheDay) {
    LocalBirth b = WorkedExampleBirth();
    b.hour = 2;
    b.minute = 0;
    const ZoneTime t = UniversalTimeByZone(b);
    EXPECT_DOUBLE_EQ(t.ut, -3.5);
    const double jd = JulianDayNumber(8, 15, 1990);
    EXPECT_NEAR(CenturiesFrom1900(jd, t.ut), CenturiesFrom1900(jd - 1, 20.5), 1e-15);
    EXPECT_NEAR(CenturiesFrom2000(jd, t.ut), CenturiesFrom2000(jd - 1, 20.5), 1e-15);
}

TEST(EphemerisCalendar, CenturyArgumentsOfTheWorkedExample) {
    const double jd = JulianDayNumber(8, 15, 1990);
    EXPECT_NEAR(CenturiesFrom1900(jd, 5.0), 0.9061932466, Printed(10));
    EXPECT_NEAR(CenturiesFrom2000(jd, 5.0), -0.0938067534, Printed(10));
    EXPECT_EQ(CenturiesFrom1900(JulianDayNumber(1, 1, 2000), 12), 1);
    EXPECT_EQ(CenturiesFrom2000(JulianDayNumber(1, 1, 2000), 12), 0);
    EXPECT_EQ(CenturiesFromDayNumber(36525), 1);
}

TEST(EphemerisCalendar, UniversalTimeByCalendarRollsTheDate) {
    const DateTime local = *CalendarMoment(1990, 8, 15, 10, 30);
    EXPECT_EQ(UniversalTimeByCalendar(local, -5, -30).Iso(), "1990-08-15T05:00:00");
    // The pipeline's reference sunrise: August/15/1990 5:49 local is 00:19 UT.
    EXPECT_EQ(UniversalTimeByCalendar(*CalendarMoment(1990, 8, 15, 5, 49), -5, -30).Iso(),
              "1990-08-15T00:19:00");
    // Back over midnight and over a year's end; west zones go forward.
    EXPECT_EQ(UniversalTimeByCalendar(*CalendarMoment(2000, 1, 1, 2, 0), -5, -30).Iso(),
              "1999-12-31T20:30:00");
    EXPECT_EQ(UniversalTimeByCalendar(*CalendarMoment(1999, 12, 31, 22, 15), 3, 30).Iso(),
              "2000-01-01T01:45:00");
    EXPECT_EQ(UniversalTimeByCalendar(*CalendarMoment(2000, 2, 28, 23, 0), 2, 0).Iso(),
              "2000-02-29T01:00:00");
    EXPECT_EQ(DayNumberJ2000(UniversalTimeByCalendar(local, -5, -30)),
              DayNumberJ2000(1990, 8, 15, 5, 0));
}

TEST(EphemerisCalendar, NumbersThatAreNoDateTime) {
    EXPECT_FALSE(CalendarMoment(1999, 2, 29, 0, 0).has_value());
    EXPECT_FALSE(CalendarMoment(1990, 8, 15, 24, 0).has_value());
    EXPECT_FALSE(CalendarMoment(1990, 13, 1, 0, 0).has_value());
    EXPECT_TRUE(CalendarMoment(2000, 2, 29, 0, 0).has_value());
}

}  // namespace
}  // namespace kalodaya
