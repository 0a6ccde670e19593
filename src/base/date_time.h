#pragma once
// A local civil date with a clock time to the second (proleptic Gregorian calendar).
#include <compare>
#include <cstdint>
#include <string>

namespace kalodaya {

class DateTime {
public:
    DateTime() = default;
    static DateTime FromCivil(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0);

    int Year() const;
    int Month() const;  // 1..12
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    int Weekday() const;    // 0 = Sunday .. 6 = Saturday
    int DayOfYear() const;  // 1 on 1 January

    DateTime AddDays(int64_t days) const { return DateTime(seconds_ + days * 86400); }
    DateTime AddHours(int64_t hours) const { return DateTime(seconds_ + hours * 3600); }
    DateTime AddMinutes(int64_t minutes) const { return DateTime(seconds_ + minutes * 60); }
    DateTime AddSeconds(int64_t seconds) const { return DateTime(seconds_ + seconds); }
    // The same instant cut to the minute, and to midnight of its date.
    DateTime CutToMinute() const { return DateTime(FloorTo(seconds_, 60)); }
    DateTime DateOnly() const { return DateTime(FloorTo(seconds_, 86400)); }

    // Year, month and day in one conversion (Year(), Month() and Day() convert each time).
    struct CivilDate {
        int year, month, day;
    };
    CivilDate Date() const;

    // Signed differences (to - from): whole days between calendar dates, whole minutes after
    // cutting both times to the minute, whole seconds.
    static int64_t DaysBetween(const DateTime& from, const DateTime& to);
    static int64_t MinutesBetween(const DateTime& from, const DateTime& to);
    static int64_t SecondsBetween(const DateTime& from, const DateTime& to);

    // "YYYY-MM-DDTHH:MM:SS"
    std::string Iso() const;

    auto operator<=>(const DateTime&) const = default;

private:
    explicit DateTime(int64_t seconds) : seconds_(seconds) {}
    // The largest multiple of `unit` (positive) not above `value`.
    static constexpr int64_t FloorTo(int64_t value, int64_t unit) {
        const int64_t q = value / unit;
        return (q - (value % unit < 0)) * unit;
    }
    int64_t seconds_ = 0;  // seconds since 0001-01-01 00:00:00
};

// Days in a month of the proleptic Gregorian calendar.
int DaysInMonth(int year, int month);

}  // namespace kalodaya
