#pragma once
// The text forms of a birth's entered values, as kalodaya-chart's options, request lines and
// the CSV of saved records write and read them: "1990-08-15", "10:30:00", "28:39N", "77:13E",
// "+05:45". One reader and one writer of each form; a reader refuses anything else and says
// what it expected.
#include <optional>
#include <string>
#include <string_view>

#include "base/expected.h"

namespace kalodaya {

// A coordinate as the form's two boxes and its pair of buttons hold it: a box is empty until
// something is typed in it. The boxes take two digits (three for longitude degrees), so values
// beyond the earth's ranges can be held; the entry checks judge them.
struct Latitude {
    std::optional<int> degrees, minutes;
    bool north = true;
    bool operator==(const Latitude&) const = default;
};
struct Longitude {
    std::optional<int> degrees, minutes;
    bool east = true;
    bool operator==(const Longitude&) const = default;
};

struct EnteredDate {
    int year = 0, month = 0, day = 0;
};
struct EnteredTime {
    int hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD": a year on the form's list (1901 to 2050), month 1 to 12, day 1 to 31 (whether
// the day exists in that month is for the entry checks to say, as the form's lists allow it).
Expected<EnteredDate, std::string> ReadDateForm(std::string_view text);
// "HH:MM:SS" from 00:00:00 to 23:59:59.
Expected<EnteredTime, std::string> ReadTimeForm(std::string_view text);
// "DD:MM" and N or S; either number may be left out (its box stays empty). An empty text
// leaves both boxes empty, as a form not filled in.
Expected<Latitude, std::string> ReadLatitudeForm(std::string_view text);
// "DDD:MM" and E or W, the same way.
Expected<Longitude, std::string> ReadLongitudeForm(std::string_view text);
// "+HH:MM" or "-HH:MM" east of Greenwich (also with ":SS"): the offset in seconds, to the
// minute the chart uses within the offsets clocks keep (-12:00 to +14:00).
Expected<int, std::string> ReadUtcOffsetForm(std::string_view text);

std::string DateForm(int year, int month, int day);        // "1990-08-15"
std::string TimeForm(int hour, int minute, int second);    // "10:30:00"
std::string LatitudeForm(const Latitude& latitude);        // "28:39N", an empty box left out
std::string LongitudeForm(const Longitude& longitude);     // "77:13E"

}  // namespace kalodaya
