#pragma once
// The entered birth details, refilled from the entries on every request.
#include <cstdint>
#include <string>

namespace kalodaya {

struct BirthData {
    std::string BirthName;  // as typed, not trimmed
    int16_t BirthMonth = 0;  // 1..12
    int16_t BirthDay = 0;
    int16_t BirthYear = 0;
    int16_t BirthHour = 0;
    int16_t BirthMinute = 0;

    int16_t LatDeg = 0;  // 0..89
    int16_t LatMin = 0;  // 0..59
    bool IsSouth = false;
    int16_t LonDeg = 0;  // 0..179
    int16_t LonMin = 0;  // 0..59
    bool IsEast = false;
    bool IsDST = false;

    // Zone offset, positive west of Greenwich (hours to add to clock time to get UT),
    // both parts with the same sign.
    int16_t ZoneHours = 0;
    int16_t ZoneMinutes = 0;
    int16_t ZoneHoursAbs = 0;
    int16_t ZoneMinutesAbs = 0;

    std::string BirthMonthName;  // "March"
    std::string BirthDayText;    // trimmed list texts
    std::string BirthYearText;
    std::string BirthHourText;  // list texts as shown
    std::string BirthMinuteText;
    std::string BirthSecondText;
    std::string BirthDateText;  // "March 5,1980": no blank after the comma
};

}  // namespace kalodaya
