#pragma once
// Retrograde marks from the built-in station tables.
#include <string_view>

#include <array>

#include "astro/retrograde_station_table.h"
#include "base/date_time.h"

namespace kalodaya {

// True when `planet` ("Mercury", "Venus", "Mars", "Jupiter", "Saturn") is retrograde on the
// calendar date of `moment`.
bool IsRetrograde(std::string_view planet, const DateTime& moment);

// Which of Mercury, Venus, Mars, Jupiter and Saturn (kRetroPlanets order) are retrograde on
// the calendar date of `moment`.
std::array<bool, kRetroPlanetCount> RetrogradeFlags(const DateTime& moment);

}  // namespace kalodaya
