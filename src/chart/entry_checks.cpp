#include "chart/entry_checks.h"

#include "astro/zone_table.h"
#include "base/date_time.h"
#include "base/text_convert.h"
#include "chart/entry_rules.h"

namespace kalodaya {
namespace {

// A coordinate box fails when it is blank, not a whole number, or outside 0..max.
// (The form's key filter lets only digits in; the number test guards every other caller.)
bool OutOfRange(const std::string& text, int max) {
    const auto value = ToInteger(text);
    return !value || *value > max || *value < 0;
}

EntryCheckFailure Critical(const char* message, EntryField focus) {
    return {message, MessageIcon::Critical, focus};
}

}  // namespace

std::optional<EntryCheckFailure> ValidateInput(const Entries& e) {
    if (TrimBlanks(e.name).empty()) return Critical("Please Enter Name", EntryField::Name);
    using namespace entry_rules;
    if (OutOfRange(e.lonDegText, kMaxLonDegrees))
        return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude",
                        EntryField::LonDeg);
    if (OutOfRange(e.lonMinText, kMaxMinutes))
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                        EntryField::LonMin);
    if (OutOfRange(e.latDegText, kMaxLatDegrees))
        return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude",
                        EntryField::LatDeg);
    if (OutOfRange(e.latMinText, kMaxMinutes))
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                        EntryField::LatMin);

    // Dates: month and day by list position, the year from its text. Every year the list
    // offers that is divisible by 4 is a leap year (2000 is the only century year in it).
    const auto day = ToInteger(e.dayText);
    const auto year = ToInteger(e.yearText);
    if (e.monthIndex == 1 && day && year) {
        const bool leap = *year % 4 == 0;
        if ((leap && *day >= 30) || (!leap && *day >= 29))
            return EntryCheckFailure{"Please Enter Correct Date Or Month!",
                                     MessageIcon::Information, std::nullopt};
    }
    const bool thirtyDays =
        e.monthIndex == 3 || e.monthIndex == 5 || e.monthIndex == 8 || e.monthIndex == 10;
    if (thirtyDays && day && *day == 31)
        return EntryCheckFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 std::nullopt};
    return std::nullopt;
}

Expected<ChartRequest, EntryCheckFailure> ValidateEntries(const Entries& e) {
    if (auto failure = ValidateInput(e)) return std::move(*failure);
    const EntryCheckFailure badDate{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                    std::nullopt};

    ChartRequest r;
    r.name = e.name;
    LocalBirth& b = r.birth;
    const auto day = ToInteger(e.dayText), year = ToInteger(e.yearText);
    const auto hour = ToInteger(e.hourText), minute = ToInteger(e.minuteText);
    const auto second = ToInteger(e.secondText);
    if (!day || !year || !hour || !minute || !second || e.monthIndex < 0 || e.monthIndex > 11)
        return badDate;
    b.year = *year;
    b.month = e.monthIndex + 1;
    b.day = *day;
    b.hour = *hour;
    b.minute = *minute;
    b.second = *second;
    if (b.year < 1 || b.year > 9999 || b.day < 1 || b.day > DaysInMonth(b.year, b.month) ||
        b.hour < 0 || b.hour > 23 || b.minute < 0 || b.minute > 59 || b.second < 0 || b.second > 59)
        return badDate;

    if (e.exactZone) {
        b.zone = *e.exactZone;
    } else if (const auto zone = ZoneOffsetOfEntry(e.zoneIndex)) {
        b.zone = *zone;
        r.zoneEntry = e.zoneIndex;
    } else {
        return EntryCheckFailure{"Please Select Time Zone", MessageIcon::Information, std::nullopt};
    }
    b.daylight = e.dst;

    // The coordinate boxes passed their checks, so each holds a number.
    b.place.latDeg = ToInteger(e.latDegText).value_or(0);
    b.place.latMin = ToInteger(e.latMinText).value_or(0);
    b.place.south = !e.north;
    b.place.lonDeg = ToInteger(e.lonDegText).value_or(0);
    b.place.lonMin = ToInteger(e.lonMinText).value_or(0);
    b.place.east = e.east;
    r.city = e.city;
    r.state = e.state;
    r.country = e.country;
    r.atlasPlace = e.atlasPlace;
    return r;
}

}  // namespace kalodaya
