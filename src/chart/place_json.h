#pragma once
// One atlas place as the JSON object that place searches answer with, for every front end that
// writes places (kalodaya-chart --find-place, the web page).
#include <nlohmann/json.hpp>
#include <string>

#include "astro/atlas/place.h"

namespace kalodaya {

// name, state, country, country_code, lat, lon (decimal degrees, north and east positive),
// population, time_zone, geonames_id.
nlohmann::ordered_json PlaceJson(const atlas::Place& place);

// The same as one line of compact text (bytes that are not UTF-8 replaced), without a line end.
std::string PlaceJsonText(const atlas::Place& place);

}  // namespace kalodaya
