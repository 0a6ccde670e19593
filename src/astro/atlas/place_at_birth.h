#pragma once
// A birthplace from the atlas at the birth's local date and clock time: everything the form
// fills in and the chart's "place" record reports.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/atlas/atlas.h"
#include "astro/atlas/city_time.h"
#include "astro/atlas/civil_time.h"
#include "astro/atlas/place.h"
#include "astro/atlas/zone_offset.h"

namespace kalodaya::atlas {

struct PlaceAtBirth {
    Place place;
    CivilTime clock;                 // the birth's local date and clock time
    ZoneOffset offset;               // in force at that clock time at this place
    std::optional<int> zoneEntry;    // zone list position of the place's own clock; none: the
                                     // exact entry stands in
    int usedOffsetSeconds = 0;       // seconds EAST of Greenwich that the chart computation
                                     // uses: the entry's offset, or the exact offset rounded
                                     // to the minute
    std::string_view tzdataVersion;  // "2026d"
    // The city's own time at the birth (Bombay Time before 1955), a second choice beside the
    // database's offset; cityTimeUsed when the chart takes it instead.
    std::optional<CityTime> cityTime;
    bool cityTimeUsed = false;
};

// Fails for a clock time that does not exist in the calendar or lies outside 1800-2051. With
// useCityTime the chart takes the city's own time where the place kept one (an exact entry).
Expected<PlaceAtBirth> ResolvePlaceAtBirth(const Atlas& atlas, const Place& place,
                                           const CivilTime& clock, bool useCityTime = false);

// "Bombay Time UTC+04:51": the zone list entry of the city's own time, when the place kept one.
std::optional<std::string> CityTimeEntryLabel(const PlaceAtBirth& birth);

// The label of the extra zone list entry when `birth` needs it ("Exact offset: UTC+02:00 CEST
// (Europe/Paris)"); none when a list entry is the place's clock.
std::optional<std::string> ExactEntryLabelFor(const PlaceAtBirth& birth);

}  // namespace kalodaya::atlas
