#pragma once
// What every computed chart must satisfy, whatever the entries.
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/chart_pipeline.h"

namespace kalodaya::sweep {

// Problems found in one chart (empty when it is sound).
std::vector<std::string> CheckChart(const AppState& state, const ChartOutcome& outcome);

// "DD Sss MM": degrees 00..29, a sign code, minutes 00..59.
bool IsPositionText(const std::string& text);

}  // namespace kalodaya::sweep
