#pragma once
// Texts and form values of a place: the popup line, coordinates in whole minutes, and the
// chart record's word for how the clock time fits the zone's changes.
#include <string>
#include <string_view>

#include "astro/atlas/place.h"
#include "astro/atlas/zone_offset.h"

namespace kalodaya::atlas {

// An angle as the form's boxes hold it: rounded to the nearest minute (59.5' carries into the
// next degree); `negative` is south or west.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;
};
DegreesMinutes RoundToMinute(double decimalDegrees);

// "Chennai, Tamil Nadu, India — 13°05′ N 80°17′ E — Asia/Kolkata" (no state when it has none).
std::string PlaceListText(const Place& place);

// "ok", "skipped" or "repeated".
std::string_view ClockReadingText(ClockReading clock);

}  // namespace kalodaya::atlas
