#pragma once
// A birthplace from the atlas at the birth's local date and clock time: everything the form
// fills in and the chart's "place" record reports.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/atlas/atlas.h"
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
    std::string_view tzdataVersion;  // "2025b"
};

// Fails for a clock time that does not exist in the calendar or lies outside 1800-2051.
Expected<PlaceAtBirth> ResolvePlaceAtBirth(const Atlas& atlas, const Place& place,
                                           const CivilTime& clock);

// The line under the form's zone box, with its notes:
// "Asia/Kolkata on 15 August 1990 at 10:30: UTC+05:30 (IST)".
std::string ZoneLineText(const PlaceAtBirth& birth);

// What the birth's clock time says of the zone's history, in order: a skipped or a repeated
// clock time, local mean time before standard time, and a city's own mean time (an offset off
// the quarter hours that is not the birthplace's mean time, such as Amsterdam's +01:19:32).
// Empty when the clock kept an ordinary zone time.
std::vector<std::string> ClockNotes(ClockReading clock, bool localMeanTime, int offsetSeconds,
                                    std::string_view abbreviation);

// The label of the extra zone list entry when `birth` needs it ("Exact offset: UTC+02:00 CEST
// (Europe/Paris)"); none when a list entry is the place's clock.
std::optional<std::string> ExactEntryLabelFor(const PlaceAtBirth& birth);

}  // namespace kalodaya::atlas
