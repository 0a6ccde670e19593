#pragma once
// kalodaya-chart --batch: one JSON request per line in, one JSON answer per line out, in the
// same order.
#include <cstddef>
#include <iosfwd>
#include <string>

#include "chart/chart_outcome.h"
#include "cli/byte_streams.h"
#include "records/record_fields.h"

namespace kalodaya::cli {

// A line longer than this is answered as a bad line without being kept; a records import
// refuses the same lines, so that every exported line can be fed to --batch.
inline constexpr std::size_t kLongestRequestLine = records::kLongestImportLine;

struct BatchResult {
    bool ok = true;
    std::string error;  // when not ok: why the input could not be read or the output written
};

// Answers every line of `in`, on `jobs` threads (1: on this one; the output is the same byte
// for byte). Answers go out in large pieces, and whenever the reader would have to wait for
// more input, so that a program feeding lines one at a time gets each answer as soon as its
// line is complete. Stops at the first output that cannot be written.
// `options` hold for every chart: its birth-time windows (--time-windows), the language of the
// texts beside the English ones (--language).
BatchResult RunBatch(ByteInput& in, ByteOutput& out, int jobs = 1,
                     const ChartOptions& options = {});

// The same over standard streams (text in memory); false when the output could not be written.
bool RunBatch(std::istream& in, std::ostream& out, int jobs = 1,
              const ChartOptions& options = {});

}  // namespace kalodaya::cli
