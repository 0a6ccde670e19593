#include "request/entry_checks.h"

#include "astro/zone_table.h"
#include "base/date_time.h"
#include "base/entry_rules.h"
#include "base/text_convert.h"

namespace kalodaya {
namespace {

// A coordinate box fails when it is empty or outside 0..max.
bool OutOfRange(const std::optional<int>& box, int max) {
    return !box || *box > max || *box < 0;
}

EntryCheckFailure Critical(const char* message, EntryField focus) {
    return {message, MessageIcon::Critical, focus};
}

}  // namespace

std::optional<EntryCheckFailure> FirstFailedFormCheck(const BirthRequest& r) {
    if (TrimBlanks(r.name).empty()) return Critical("Please Enter Name", EntryField::Name);
    using namespace entry_rules;
    if (OutOfRange(r.longitude.degrees, kMaxLonDegrees))
        return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude",
                        EntryField::LonDeg);
    if (OutOfRange(r.longitude.minutes, kMaxMinutes))
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                        EntryField::LonMin);
    if (OutOfRange(r.latitude.degrees, kMaxLatDegrees))
        return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude",
                        EntryField::LatDeg);
    if (OutOfRange(r.latitude.minutes, kMaxMinutes))
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                        EntryField::LatMin);

    // Every year the list offers that is divisible by 4 is a leap year (2000 is the only
    // century year in it).
    if (r.month == 2) {
        const bool leap = r.year % 4 == 0;
        if ((leap && r.day >= 30) || (!leap && r.day >= 29))
            return EntryCheckFailure{"Please Enter Correct Date Or Month!",
                                     MessageIcon::Information, std::nullopt};
    }
    const bool thirtyDays = r.month == 4 || r.month == 6 || r.month == 9 || r.month == 11;
    if (thirtyDays && r.day == 31)
        return EntryCheckFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 std::nullopt};
    return std::nullopt;
}

Expected<ChartRequest, EntryCheckFailure> CheckRequest(const BirthRequest& r) {
    if (auto failure = FirstFailedFormCheck(r)) return std::move(*failure);
    const EntryCheckFailure badDate{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                                    std::nullopt};
    if (r.year < 1 || r.year > 9999 || r.month < 1 || r.month > 12 || r.day < 1 ||
        r.day > DaysInMonth(r.year, r.month) || r.hour < 0 || r.hour > 23 || r.minute < 0 ||
        r.minute > 59 || r.second < 0 || r.second > 59)
        return badDate;

    ChartRequest checked;
    LocalBirth& b = checked.birth;
    b.year = r.year;
    b.month = r.month;
    b.day = r.day;
    b.hour = r.hour;
    b.minute = r.minute;
    b.second = r.second;
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone)) {
        b.zone = exact->ToTheMinute();
    } else if (const auto* entry = std::get_if<ZoneListEntry>(&r.zone);
               entry && ZoneOffsetOfEntry(entry->position)) {
        b.zone = *ZoneOffsetOfEntry(entry->position);
        checked.zoneEntry = entry->position;
    } else {
        return EntryCheckFailure{"Please Select Time Zone", MessageIcon::Information, std::nullopt};
    }
    b.daylight = r.daylight;

    // The coordinate boxes passed their checks, so each holds a number.
    b.place.latDeg = *r.latitude.degrees;
    b.place.latMin = *r.latitude.minutes;
    b.place.south = !r.latitude.north;
    b.place.lonDeg = *r.longitude.degrees;
    b.place.lonMin = *r.longitude.minutes;
    b.place.east = r.longitude.east;
    checked.name = r.name;
    checked.city = r.city;
    checked.state = r.state;
    checked.country = r.country;
    checked.atlasPlace = r.atlasPlace;
    checked.settings = r.settings;
    checked.chartStyle = r.chartStyle;
    return checked;
}

}  // namespace kalodaya
