#include "core/entry_checks.h"

#include "core/text_convert.h"

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
    if (OutOfRange(e.lonDegText, 179))
        return Critical("Please Enter Value Between 0 And 179 in the Degree of Longitude",
                        EntryField::LonDeg);
    if (OutOfRange(e.lonMinText, 59))
        return Critical("Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                        EntryField::LonMin);
    if (OutOfRange(e.latDegText, 89))
        return Critical("Please Enter Value Between 0 And 89 in the Degree of Latitude",
                        EntryField::LatDeg);
    if (OutOfRange(e.latMinText, 59))
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
    const bool thirtyDays = e.monthIndex == 3 || e.monthIndex == 5 || e.monthIndex == 8 ||
                            e.monthIndex == 10;
    if (thirtyDays && day && *day == 31)
        return EntryCheckFailure{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                 std::nullopt};
    return std::nullopt;
}

}  // namespace kalodaya
