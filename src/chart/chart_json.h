#pragma once
// A chart request's answer as one JSON object: one description of its members, written either
// as compact text (a batch line) or as a library object (pretty printing, tests).
#include <nlohmann/json.hpp>
#include <string>

#include "chart/chart_outcome.h"
#include "chart/json_text_scratch.h"

namespace kalodaya {

// The object, for pretty printing and for tests.
nlohmann::ordered_json ChartJson(const ChartOutcome& outcome);

// The same object as compact text, byte for byte what
// ChartJson(outcome).dump(-1, ' ', false, error_handler_t::replace) gives, appended to `out`.
// A batch keeps one scratch per thread for all its charts (a buffer, and texts that repeat
// from chart to chart); the calls without one start afresh.
using ChartJsonScratch = json_text::WriterScratch;
void AppendChartJsonText(std::string& out, const ChartOutcome& outcome, ChartJsonScratch& scratch);
void AppendChartJsonText(std::string& out, const ChartOutcome& outcome);
std::string ChartJsonText(const ChartOutcome& outcome);

}  // namespace kalodaya
