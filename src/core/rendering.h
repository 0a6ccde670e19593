#pragma once
// The chart, planet table and birth details as the results window shows them.
#include "core/app_state.h"
#include "core/entries.h"

namespace kalodaya {

// Planet rows, cleared sign cells, birth details, cleared marker cells.
void RenderFirst(AppState& state, const Entries& entries);

// Each body's display name on its own line in the cell of its sign.
void RenderChartCells(AppState& state);

}  // namespace kalodaya
