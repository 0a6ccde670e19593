#include "station_text.h"

#include <swephexp.h>

#include <cmath>
#include <cstdint>

namespace stations {

CivilMinute ToCivilMinute(double jdUt) {
    // Whole minutes counted from the Julian day's midnight start, so the date and the clock
    // time come from one integer and a minute rounded up to 24:00 moves to the next day.
    const int64_t minutes = std::llround((jdUt + 0.5) * 1440.0);
    const int64_t dayNumber = minutes / 1440;  // Julian day number of the civil date (noon)
    const int minuteOfDay = static_cast<int>(minutes % 1440);
    CivilMinute t{};
    double hour = 0;
    swe_revjul(static_cast<double>(dayNumber), SE_GREG_CAL, &t.year, &t.month, &t.day, &hour);
    t.hour = minuteOfDay / 60;
    t.minute = minuteOfDay % 60;
    return t;
}

std::string StationText(const CivilMinute& t) {
    std::string s;
    for (const int field : {t.month, t.day, t.year, t.hour, t.minute}) {
        s += std::to_string(field);
        s += ',';
    }
    return s;
}

}  // namespace stations
