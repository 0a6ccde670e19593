#include "base/date_time.h"

#include <cstdio>

namespace kalodaya {
namespace {

// Days from 0001-01-01 for a proleptic Gregorian date (H. Hinnant's civil algorithms).
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 719162;  // shift epoch from 1970 to year 1
}

struct Civil {
    int64_t year;
    int month;
    int day;
};

Civil CivilFromDays(int64_t z) {
    z += 719468 - 719162;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

DateTime DateTime::FromCivil(int year, int month, int day, int hour, int minute, int second) {
    return DateTime(DaysFromCivil(year, month, day) * 86400 + int64_t{hour} * 3600 +
                    int64_t{minute} * 60 + second);
}

int DateTime::Year() const { return static_cast<int>(CivilFromDays(FloorDiv(seconds_, 86400)).year); }
int DateTime::Month() const { return CivilFromDays(FloorDiv(seconds_, 86400)).month; }
int DateTime::Day() const { return CivilFromDays(FloorDiv(seconds_, 86400)).day; }
int DateTime::Hour() const { return static_cast<int>((seconds_ - FloorDiv(seconds_, 86400) * 86400) / 3600); }
int DateTime::Minute() const { return static_cast<int>((seconds_ - FloorDiv(seconds_, 3600) * 3600) / 60); }
int DateTime::Second() const { return static_cast<int>(seconds_ - FloorDiv(seconds_, 60) * 60); }

int DateTime::Weekday() const {
    // 0001-01-01 was a Monday.
    const int64_t days = FloorDiv(seconds_, 86400);
    return static_cast<int>(((days + 1) % 7 + 7) % 7);
}

int DateTime::DayOfYear() const {
    const int64_t days = FloorDiv(seconds_, 86400);
    return static_cast<int>(days - DaysFromCivil(CivilFromDays(days).year, 1, 1)) + 1;
}

DateTime::CivilDate DateTime::Date() const {
    const Civil c = CivilFromDays(FloorDiv(seconds_, 86400));
    return {static_cast<int>(c.year), c.month, c.day};
}

int64_t DateTime::DaysBetween(const DateTime& from, const DateTime& to) {
    return FloorDiv(to.seconds_, 86400) - FloorDiv(from.seconds_, 86400);
}
int64_t DateTime::MinutesBetween(const DateTime& from, const DateTime& to) {
    return FloorDiv(to.seconds_, 60) - FloorDiv(from.seconds_, 60);
}
int64_t DateTime::SecondsBetween(const DateTime& from, const DateTime& to) {
    return to.seconds_ - from.seconds_;
}

std::string DateTime::Iso() const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", Year(), Month(), Day(), Hour(),
                  Minute(), Second());
    return buf;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

}  // namespace kalodaya
