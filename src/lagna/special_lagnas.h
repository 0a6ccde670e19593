#pragma once
// The ghati lagna, the arudha padas and the hidden lagnas, marked in the chart's marker cells.
#include <string_view>

#include "core/app_state.h"

namespace kalodaya {

// One house of the arudha pass; the house number comes from lagna.HouseCounter.
void PlaceArudhaPada(AppState& state, int signIndex, std::string_view lord);

// The ghati lagna: "GL" in its cell, GhatiLagnaSign set.
void PlaceGhatiLagna(AppState& state);

// Hora, bhava, kala-count and varnada lagnas, Moon, Sun, sree lagna and pranapada, in order.
void PlaceHiddenLagnas(AppState& state);

}  // namespace kalodaya
