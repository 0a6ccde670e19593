#pragma once
// One --batch request line: a JSON object of entry keys, read into the entries of the form.
#include <optional>
#include <string_view>

#include "cli/chart_args.h"
#include "chart/entries.h"

namespace kalodaya::cli {

// Reads one request line (without its line end) into `entries`, or says why it cannot be used:
// anything but exactly one JSON object (a NUL byte, text after the object), an unknown or
// repeated key, or a value of the wrong kind or outside what the form holds. A null value is
// the same as a key left out.
std::optional<ArgError> ParseRequestLine(std::string_view line, Entries& entries);

}  // namespace kalodaya::cli
