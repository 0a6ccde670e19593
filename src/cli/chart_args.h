#pragma once
// The command line's value forms, read into the entries the form would hold.
#include <optional>
#include <string>
#include <string_view>

#include "chart/entries.h"

namespace kalodaya::cli {

struct ArgError {
    std::string message;
};

// Each setter reads one value form into `entries`; it returns an error for a value the entry
// form could not hold. An empty latitude or longitude leaves its boxes empty, as a form the user
// did not fill in; the entry checks then say so.
std::optional<ArgError> SetName(Entries& entries, std::string_view text);
std::optional<ArgError> SetDate(Entries& entries, std::string_view text);      // YYYY-MM-DD
std::optional<ArgError> SetTime(Entries& entries, std::string_view text);      // HH:MM:SS
std::optional<ArgError> SetLatitude(Entries& entries, std::string_view text);  // DD:MM + N/S
std::optional<ArgError> SetLongitude(Entries& entries, std::string_view text); // DDD:MM + E/W
std::optional<ArgError> SetZone(Entries& entries, std::string_view text);      // 0..70, digits
// A request line's zone: an integer as the line writes it (a minus sign, digits of any length).
std::optional<ArgError> SetZoneNumber(Entries& entries, std::string_view written);
// An exact offset east of Greenwich, +HH:MM or +HH:MM:SS, in place of a zone list position;
// the chart uses it rounded to the minute.
std::optional<ArgError> SetUtcOffset(Entries& entries, std::string_view text);

}  // namespace kalodaya::cli
