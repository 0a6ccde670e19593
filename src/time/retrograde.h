#pragma once
// Retrograde marks from the built-in station tables.
#include <string_view>

#include "core/app_state.h"
#include "core/date_time.h"

namespace kalodaya {

// True when `planet` ("Mercury", "Venus", "Mars", "Jupiter", "Saturn") is retrograde on the
// calendar date of `moment`.
bool IsRetrograde(std::string_view planet, const DateTime& moment);

// Fills RetroFlags from the entered birth date and rewrites PlanetNames with " (R) " marks.
void MarkRetrogrades(AppState& state);

}  // namespace kalodaya
