#pragma once
// A chart request's results as one JSON object.
#include <nlohmann/json.hpp>
#include <string>

#include "core/app_state.h"
#include "core/chart_pipeline.h"

namespace kalodaya::cli {

// The object, for pretty printing and for tests.
nlohmann::ordered_json ChartJson(const AppState& state, const ChartOutcome& outcome);

// The same object written straight as compact text, byte for byte what
// ChartJson(state, outcome).dump(-1, ' ', false, error_handler_t::replace) gives (key order,
// number forms, escapes, U+FFFD for bytes that are not UTF-8), without building the object:
// the batch writes one of these per line.
void AppendChartJsonText(std::string& out, const AppState& state, const ChartOutcome& outcome);
std::string ChartJsonText(const AppState& state, const ChartOutcome& outcome);

}  // namespace kalodaya::cli
