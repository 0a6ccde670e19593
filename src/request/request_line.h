#pragma once
// One request line: a JSON object of entry keys (request/entry_values.h), as kalodaya-chart
// --batch, kalodaya --export --request and --batch, and the import of saved records read it.
#include <optional>
#include <string_view>

#include "base/expected.h"
#include "request/birth_request.h"
#include "request/entry_values.h"

namespace kalodaya {

// Reads one request line (without its line end) into `request`, or says why it cannot be
// used: anything but exactly one JSON object (a NUL byte, text after the object), an unknown
// or repeated key, or a value of the wrong kind or outside what the form holds. A null value
// is the same as a key left out. A line is JSON as the JSON library (nlohmann) reads it: the same
// grammar, escapes, UTF-8, byte order mark and range of doubles; a whole number of any length
// is kept as written.
// A "time_range" member, {"from": "YYYY-MM-DDTHH:MM:SS", "to": ...}, asks for the chart's spans
// over that range of birth times (request.timeRange). An "uncertainty_minutes" member, whole
// minutes from 0 to 720, is how far either side of its time the birth may have been
// (request.uncertaintyMinutes); a line without a "time_range" then asks for the range of those
// birth times.
std::optional<ReadError> ReadRequestLine(std::string_view line, BirthRequest& request);

// "YYYY-MM-DDTHH:MM:SS": a clock time of a range of birth times, or why it is not one.
Expected<DateTime, ReadError> ReadClockTime(std::string_view text);

}  // namespace kalodaya
