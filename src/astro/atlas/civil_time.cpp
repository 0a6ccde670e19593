#include "astro/atlas/civil_time.h"

#include "base/date_time.h"
#include "base/tables.h"

namespace kalodaya::atlas {

bool IsValid(const CivilTime& t) {
    return t.year >= -9999 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

int64_t SecondsSinceEpoch(const CivilTime& t) {
    static const DateTime kEpoch = DateTime::FromCivil(1970, 1, 1);
    return DateTime::SecondsBetween(
        kEpoch, DateTime::FromCivil(t.year, t.month, t.day, t.hour, t.minute, t.second));
}

const char* MonthName(int month) {
    // The month names of base/tables.h are string literals, so their views end in a NUL.
    return month >= 1 && month <= 12 ? kMonthNames[month - 1].data() : "";
}

}  // namespace kalodaya::atlas
