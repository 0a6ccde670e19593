#pragma once
// A birthplace as the atlas gave it for the birth moment: what the chart's "place" record
// reports. Plain copies of the atlas's texts, so a request outlives the atlas it came from.
#include <cstdint>
#include <optional>
#include <string>

#include "astro/atlas/city_time.h"
#include "astro/atlas/zone_offset.h"

namespace kalodaya {

struct AtlasPlace {
    std::string name, state, country;
    std::optional<int64_t> geonamesId;  // none for a place of the user's own
    double latitude = 0;                // decimal degrees, north positive
    double longitude = 0;               // decimal degrees, east positive
    std::string timeZone;               // IANA name; empty for a place kept with a fixed offset
    // The offset in force at the birth moment, with the database's words for it. Which offset
    // the computation used is the request's own (its zone entry or exact zone): the user may
    // have picked another zone.
    int utcOffsetSeconds = 0;  // east of Greenwich, to the second
    std::string abbreviation;
    bool daylight = false;
    atlas::ClockReading clock = atlas::ClockReading::kOk;
    bool localMeanTime = false;
    std::string tzdataVersion;
    // The city's own time the place kept then (Bombay Time before 1955), and whether the
    // computation took it in place of the database's offset.
    std::optional<atlas::CityTime> cityTime;
    bool cityTimeUsed = false;

    friend bool operator==(const AtlasPlace&, const AtlasPlace&) = default;
};

}  // namespace kalodaya
