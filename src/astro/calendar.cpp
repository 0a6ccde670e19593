#include "astro/calendar.h"

#include <cmath>

#include "base/tables.h"

namespace kalodaya {

namespace {
// Int(a / b) for a whole a and a positive b: the floor of the quotient.
long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && (a < 0));
}
}  // namespace

double JulianDayNumber(int month, int day, int year) {
    // All terms are whole numbers, so the steps are done in integers.
    const long long m = month + 12LL * (year + 4800LL) - 3;
    const long long s = 2 * (m - 12 * FloorDiv(m, 12)) + 7;
    long long j = FloorDiv(365 * m + s, 12) + day + FloorDiv(m, 48) - 32083;
    if (j > 2299171) j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    return static_cast<double>(j);
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
    const long long y = year, mo = month;
    const long long whole =
        367 * y - FloorDiv(7 * (y + FloorDiv(mo + 9, 12)), 4) + FloorDiv(275 * mo, 9) + day;
    return static_cast<double>(whole) - 730531.5 + (hour + minute / 60.0) / 24;
}

double DayNumberJ2000(const DateTime& ut) {
    // From 1 March 1900 to 28 February 2100 the formula counts the days exactly, so the day
    // count of the date-time itself gives the same value without splitting it into a calendar
    // date (the tests compare the two over the whole range).
    static const DateTime kExactFrom = DateTime::FromCivil(1900, 3, 1);
    static const DateTime kExactUntil = DateTime::FromCivil(2100, 3, 1);
    static const DateTime kJ2000Date = DateTime::FromCivil(2000, 1, 1);
    if (ut >= kExactFrom && ut < kExactUntil) {
        const double days = static_cast<double>(DateTime::DaysBetween(kJ2000Date, ut));
        return days - 0.5 + (ut.Hour() + ut.Minute() / 60.0) / 24;
    }
    return DayNumberJ2000(ut.Year(), ut.Month(), ut.Day(), ut.Hour(), ut.Minute());
}

ZoneTime UniversalTimeByZone(const LocalBirth& b) {
    ZoneTime t;
    // The zone's own sign gives the direction (west-positive hours to add to the clock time);
    // a ticked daylight box means the clock ran one hour further ahead of UT.
    t.zoneWest = b.zone.hours + b.zone.minutes / 60.0;
    if (b.daylight) t.zoneWest -= 1;
    const Coordinates& p = b.place;
    t.lon = p.lonDeg + p.lonMin / 60.0;
    if (p.east) t.lon = -t.lon;
    t.lat = p.latDeg + p.latMin / 60.0;
    if (p.south) t.lat = -t.lat;
    t.ut = b.hour + b.minute / 60.0 + t.zoneWest;
    return t;
}

UniversalBirth ToUniversalTime(const LocalBirth& b) {
    UniversalBirth ut;
    ut.byZone = UniversalTimeByZone(b);
    ut.julianDay = JulianDayNumber(b.month, b.day, b.year);
    ut.byCalendar = PlanetRunInstant(b.year, b.month, b.day, b.hour, b.minute, b.zone, b.daylight);
    return ut;
}

std::optional<DateTime> PlanetRunInstant(int year, int month, int day, int hour, int minute,
                                         ZoneOffset zone, bool daylight) {
    const std::optional<DateTime> local = CalendarMoment(year, month, day, hour, minute);
    if (!local) return std::nullopt;
    // The daylight hour is taken off so that the bodies are computed for the same instant as
    // the ascendant and the Moon.
    DateTime ut = UniversalTimeByCalendar(*local, zone.hours, zone.minutes);
    if (daylight) ut = ut.AddHours(-1);
    return ut;
}

std::optional<DateTime> CalendarMoment(int year, int month, int day, int hour, int minute) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    return DateTime::FromCivil(year, month, day, hour, minute);
}

DateTime UniversalTimeByCalendar(const DateTime& local, int zoneHours, int zoneMinutes) {
    return local.AddHours(zoneHours).AddMinutes(zoneMinutes);
}

}  // namespace kalodaya
