#pragma once
// Sunrise and sunset for one date and place.
#include <array>

#include "astro/local_birth.h"
#include "base/date_time.h"

namespace kalodaya {

// The cosine of the Sun's zenith distance at sunrise and sunset: 90 degrees 50 minutes (the
// upper limb with refraction, as the almanac rounds it), or 90 degrees (the disc's centre at the
// geometric horizon, no refraction).
inline constexpr double kCosClassicZenith = -0.0145439;
inline constexpr double kCosGeometricZenith = 0;

struct SunEventStatus {
    bool sunriseOk = false;  // slot 0 was written
    bool sunsetOk = false;   // slot 1 was written
    bool dstApplied = false;  // the daylight-saving hour went into the clock times
    // The events at their own local date and clock time. A slot keeps the input date with the
    // clock time reduced into 00:00..23:59; when the zone lies far from the place's longitude,
    // or the day is long, the event really falls on the day before or after. Set only with the
    // matching flag above.
    DateTime sunrise;
    DateTime sunset;
    // The same events with the input date and the clock time reduced into the day, as the
    // almanac's slots hold them.
    DateTime sunriseClock;
    DateTime sunsetClock;
};

// Sunrise, then sunset, of the date at the place, for a clock kept in `zone` (west-positive);
// the daylight hour is added when `daylight` is set and the almanac's daylight rule holds at
// hour:minute of that date. When the Sun does not rise (or set) there that day, the status says
// so and the sunset is not computed after a failed sunrise. `cosZenith` is the cosine of the
// Sun's zenith distance at the events.
SunEventStatus ComputeSunEvents(int year, int month, int day, int hour, int minute,
                                const Coordinates& place, ZoneOffset zone, bool daylight,
                                double cosZenith = kCosClassicZenith);

// Daylight time from 02:00 on the first Sunday of April to 02:00 on the last Sunday of
// October. weekday: 0 = Sunday. The minute is not consulted.
bool IsDaylightSaving(int day, int weekday, int month, int hour, int minute);

}  // namespace kalodaya
