#include "ephemeris/calendar.h"

#include <cmath>

#include "core/tables.h"
#include "core/text_convert.h"

namespace kalodaya {

double JulianDayNumber(int month, int day, int year) {
    const double m = month + 12.0 * (year + 4800.0) - 3;
    const double s = 2 * (m - 12 * std::floor(m / 12)) + 7;
    double j = std::floor((365 * m + s) / 12) + day + std::floor(m / 48) - 32083;
    if (j > 2299171) j = j + std::floor(m / 4800) - std::floor(m / 1200) + 38;
    return j;
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
    const double y = year, mo = month;
    return 367 * y - std::floor(7 * (y + std::floor((mo + 9) / 12)) / 4) +
           std::floor(275 * mo / 9) + day - 730531.5 + (hour + minute / 60.0) / 24;
}

double DayNumberJ2000(const DateTime& ut) {
    return DayNumberJ2000(ut.Year(), ut.Month(), ut.Day(), ut.Hour(), ut.Minute());
}

ZoneTime UniversalTimeByZone(const BirthData& b) {
    ZoneTime t;
    t.zone = b.ZoneHoursAbs + b.ZoneMinutesAbs / 60.0;
    t.lon = b.LonDeg + b.LonMin / 60.0;
    if (b.IsEast) t.lon = -t.lon;
    t.lat = b.LatDeg + b.LatMin / 60.0;
    if (b.IsSouth) t.lat = -t.lat;
    if (b.IsDST) t.zone = t.lon < 0 ? t.zone + 1 : t.zone - 1;
    const double local = b.BirthHour + b.BirthMinute / 60.0;
    t.ut = t.lon < 0 ? local - t.zone : local + t.zone;
    return t;
}

std::optional<DateTime> CalendarMoment(int year, int month, int day, int hour, int minute) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
    return DateTime::FromCivil(year, month, day, hour, minute);
}

std::optional<DateTime> ReadCalendarMoment(std::string_view monthName, std::string_view day,
                                           std::string_view year, std::string_view hour,
                                           std::string_view minute) {
    monthName = TrimBlanks(monthName);
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (kMonthNames[i] == monthName) month = i + 1;
    }
    const auto d = ToInteger(day), y = ToInteger(year), h = ToInteger(hour),
               mi = ToInteger(minute);
    if (month == 0 || !d || !y || !h || !mi) return std::nullopt;
    return CalendarMoment(*y, month, *d, *h, *mi);
}

DateTime UniversalTimeByCalendar(const DateTime& local, int zoneHours, int zoneMinutes) {
    return local.AddHours(zoneHours).AddMinutes(zoneMinutes);
}

}  // namespace kalodaya
