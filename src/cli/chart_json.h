#pragma once
// A chart request's results as one JSON object.
#include <nlohmann/json.hpp>

#include "core/app_state.h"
#include "core/chart_pipeline.h"

namespace kalodaya::cli {

nlohmann::ordered_json ChartJson(const AppState& state, const ChartOutcome& outcome);

}  // namespace kalodaya::cli
