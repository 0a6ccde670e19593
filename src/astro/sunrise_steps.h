#pragma once
// The intermediate values of one sunrise or sunset pass, exposed so the published intermediate
// values can be checked. ComputeSunEvents is the only production caller.
#include <optional>

#include "astro/sunrise.h"

namespace kalodaya {

// The place and zone of a pass, already in radians.
struct SunPlace {
    double phiR = 0;     // latitude, north positive
    double lambdaR = 0;  // longitude, east positive
    double zR = 0;       // zone offset, east positive, daylight hour included
};

struct SunPassValues {
    double t = 0, M = 0, L = 0, RA = 0, delta = 0, c = 0, H = 0, T = 0, local = 0, hours = 0;
    int hh = 0, mm = 0;  // the clock time after the minute-60 carry and the hour-24 wrap
    // Days from the input date to the event's own local date: the clock time hh:mm belongs to
    // the input date shifted by this many days (0 or 1 either way for most entries, up to 2
    // when the zone lies far from the place's longitude).
    int dayShift = 0;
};

// One pass for day of the year n and base angle 1.5708 (sunrise) or 4.71239 (sunset). Nothing
// when the Sun does not reach the zenith whose cosine is `cosZenith` that day (|c| >= 1).
std::optional<SunPassValues> SunPass(const SunPlace& place, int dayOfYear, bool sunrise,
                                     double cosZenith = kCosClassicZenith);

// The event's clock time from decimal hours: minute 60 carries into the next hour, hour
// 24 wraps to 0. Returns 1 when the hour wrapped (the time really belongs to the next day),
// otherwise 0.
int ClockFromHours(double hours, int& hh, int& mm);

}  // namespace kalodaya
