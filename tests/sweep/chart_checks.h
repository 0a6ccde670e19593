#pragma once
// What every computed chart must satisfy, whatever the entries.
#include <string>
#include <vector>

#include "chart/chart_outcome.h"

namespace kalodaya::sweep {

// Problems found in one chart (empty when it is sound).
std::vector<std::string> CheckChart(const ChartOutcome& outcome);

// "DD Sss MM": degrees 00..29, a sign code, minutes 00..59.
bool IsPositionText(const std::string& text);

}  // namespace kalodaya::sweep
