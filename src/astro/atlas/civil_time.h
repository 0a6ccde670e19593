#pragma once
// A date and clock time as a clock on the wall showed it, without any time zone.
#include <cstdint>
#include <optional>

namespace kalodaya::atlas {

struct CivilTime {
    int year = 1901;  // Gregorian calendar
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59
};

// True when every field is in range and the day exists in its month.
bool IsValid(const CivilTime& time);

// Seconds from 1970-01-01 00:00:00 of the same calendar and clock (no zone, no leap seconds).
int64_t SecondsSinceEpoch(const CivilTime& time);

// "15 August 1990"
const char* MonthName(int month);

}  // namespace kalodaya::atlas
