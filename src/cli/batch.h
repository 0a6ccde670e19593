#pragma once
// kalodaya-chart --batch: one JSON request per line in, one JSON chart per line out.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/chart_args.h"
#include "chart/entries.h"

namespace kalodaya::cli {

// Reads one request line into entries, or says why it cannot be used.
std::optional<ArgError> ParseRequestLine(const std::string& line, Entries& entries);

// Processes every line of `in`; returns false only when the output could not be written.
bool RunBatch(std::istream& in, std::ostream& out);

}  // namespace kalodaya::cli
