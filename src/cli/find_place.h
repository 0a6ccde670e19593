#pragma once
// kalodaya-chart --find-place: the atlas's matches for a place name, one JSON object a line.
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "astro/atlas/place.h"

namespace kalodaya::cli {

inline constexpr long long kDefaultPlaceLimit = 10;

// name, state, country, country_code, lat, lon (decimal degrees, north and east positive),
// population, time_zone, geonames_id.
nlohmann::ordered_json PlaceJson(const atlas::Place& place);

// Writes the matches of `text` to `out`, best first, at most `limit`; nothing when none match.
// Returns the exit status: 0, or 2 (with a message on `err`) for a limit below 1 or an atlas
// that cannot be loaded.
int RunFindPlace(std::string_view text, long long limit, std::ostream& out, std::ostream& err);

}  // namespace kalodaya::cli
