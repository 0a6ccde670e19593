#pragma once
// The answer to one request line (kalodaya-chart --batch, the web page): the chart, the failed
// entry check, or why the line cannot be used, as one line of compact JSON.
#include <string>
#include <string_view>

#include "chart/chart_json.h"
#include "chart/chart_outcome.h"

namespace kalodaya {

// What one thread computes charts with: each chart is computed from its own line alone, and the
// outcome only lends its strings' storage to the next line.
struct BatchScratch {
    ChartOutcome outcome;
    ChartOptions options;  // the same for every chart: windows, language of the texts beside
    ChartJsonScratch json;  // the answers' text buffer and the texts that repeat between charts
};

// Appends the answer to `line`; a line whose "time_range" cannot be searched is a bad line (one request, without its line end) and a line end to `out`.
void AnswerRequestLine(std::string_view line, BatchScratch& scratch, std::string& out);

// The answer to a line that was cut off because it is longer than `longest` bytes.
void AnswerOverlongLine(std::size_t longest, std::string& out);

}  // namespace kalodaya
