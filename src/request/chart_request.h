#pragma once
// A birth request that passed the entry checks (request/entry_checks.h): every number within the
// range the form allows, ready for the chart (chart/compute_chart.h).
#include <optional>
#include <string>

#include "astro/local_birth.h"
#include "request/atlas_place.h"
#include "request/birth_request.h"

namespace kalodaya {

struct ChartRequest {
    std::string name;  // as typed, not trimmed
    LocalBirth birth;  // date, clock time to the second, zone, daylight box, coordinates
    // The zone list position the offset came from; nothing for an exact offset.
    std::optional<int> zoneEntry;
    std::string city, state, country;  // as typed
    std::optional<AtlasPlace> atlasPlace;  // the place came from the atlas
    CalculationSettings settings;
    std::optional<ChartStyle> chartStyle;  // as the birth request asked for it
};

}  // namespace kalodaya
