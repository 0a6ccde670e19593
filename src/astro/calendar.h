#pragma once
// Julian day number, day count from J2000.0, the two conversions of the clock time to Universal
// Time and the century arguments. One copy serves the ascendant, the Moon and the
// planets.
#include <optional>

#include "astro/local_birth.h"
#include "base/date_time.h"

namespace kalodaya {

// Number of the day that begins at noon of the date; dates up to 15 October 1582 are read in the
// Julian calendar, later ones in the Gregorian. 1 January 2000 gives 2451545.
double JulianDayNumber(int month, int day, int year);

// Days since 2000 January 1, 12h UT. No century-leap-year rule: exact from March 1900 to
// February 2100 only.
double DayNumberJ2000(int year, int month, int day, int hour, int minute);

// The clock time of the birth as Universal Time, with the place, for the ascendant and the Moon.
struct ZoneTime {
    double zoneWest = 0;  // hours to add to the clock time to get UT (daylight hour applied)
    double lon = 0;   // degrees, west-positive
    double lat = 0;   // degrees, north-positive
    double ut = 0;    // Universal Time in hours, not brought into 0..24
};
// The zone's own offset decides the direction, whatever the longitude's hemisphere, so that a
// place west of Greenwich on a zone ahead of UT (Madrid on CET) gets the same instant as the
// planets' calendar conversion.
ZoneTime UniversalTimeByZone(const LocalBirth& birth);

// The Universal Time of a run of the planets: the local clock time (to the minute; seconds are
// not read) shifted by the zone, less the daylight hour when `daylight` is set. Nothing when the
// numbers are no date-time.
std::optional<DateTime> PlanetRunInstant(int year, int month, int day, int hour, int minute,
                                         ZoneOffset zone, bool daylight);

// The birth moment in Universal Time, converted once per chart and handed to every body: the
// clock time shifted by the zone's own sign, with the place and the Julian day of the local
// date it counts from (the ascendant and the Moon), and the same instant by calendar, to the
// minute (the Sun, the planets and the nodes).
struct UniversalBirth {
    ZoneTime byZone;
    double julianDay = 0;  // JulianDayNumber of the local date
    std::optional<DateTime> byCalendar;  // none when the birth's numbers are no date-time
};
UniversalBirth ToUniversalTime(const LocalBirth& birth);

// A local clock time from the entered integers; nothing when they are no date-time.
std::optional<DateTime> CalendarMoment(int year, int month, int day, int hour, int minute);

// The conversion by calendar used by the planets: the clock time shifted by the signed zone
// (west-positive hours, then minutes), the date rolling over as needed.
DateTime UniversalTimeByCalendar(const DateTime& local, int zoneHours, int zoneMinutes);

// DayNumberJ2000 of a Universal Time date-time (seconds are not read).
double DayNumberJ2000(const DateTime& ut);

// Julian centuries from 1900 January 0.5 and from J2000.0 of the instant
// `ut` hours after the midnight that opens the day `jd`.
inline double CenturiesFrom1900(double jd, double ut) {
    return (jd - 2415020 - 0.5 + ut / 24) / 36525;
}
inline double CenturiesFrom2000(double jd, double ut) {
    return (jd - 2451545 - 0.5 + ut / 24) / 36525;
}
// Julian centuries from J2000.0 of a DayNumberJ2000 value.
inline double CenturiesFromDayNumber(double d) {
    return d / 36525;
}

}  // namespace kalodaya
