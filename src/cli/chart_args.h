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
// form could not hold.
std::optional<ArgError> SetName(Entries& entries, std::string_view text);
std::optional<ArgError> SetDate(Entries& entries, std::string_view text);      // YYYY-MM-DD
std::optional<ArgError> SetTime(Entries& entries, std::string_view text);      // HH:MM:SS
std::optional<ArgError> SetLatitude(Entries& entries, std::string_view text);  // DD:MM + N/S
std::optional<ArgError> SetLongitude(Entries& entries, std::string_view text); // DDD:MM + E/W
std::optional<ArgError> SetZone(Entries& entries, long long position);           // 0..70

}  // namespace kalodaya::cli
