#pragma once
// One checked chart request: typed entries, every number within the range the form allows.
#include <optional>
#include <string>

#include "astro/local_birth.h"
#include "chart/atlas_place.h"

namespace kalodaya {

struct ChartRequest {
    std::string name;  // as typed, not trimmed
    LocalBirth birth;  // date, clock time to the second, zone, daylight box, coordinates
    // The zone list position the offset came from; nothing for an exact offset from the atlas.
    std::optional<int> zoneEntry;
    std::string city, state, country;  // as typed
    std::optional<AtlasPlace> atlasPlace;  // the place came from the atlas
};

}  // namespace kalodaya
