#pragma once
// The Sun's rising or setting found as the Swiss Ephemeris' rise-and-set routine finds it
// below 65 degrees of latitude (its quick search: a first guess from the Sun's semi-diurnal arc,
// then two steps along the altitude's slope), with the same library calls for the Sun and the
// sidereal time, but the slope taken from one sidereal time per step instead of two, no
// apparent altitude that the search never reads, and a setting's first guess from the Sun its
// rising's search last computed. The events agree with the library's routine
// to far below a millisecond; a test compares them. Beyond 65 degrees the library's own
// routine searches.
#include <optional>

#include "astro/calculation_settings.h"

namespace kalodaya {

// The Julian day (UT) of the first rising (`rise`) or setting of the Sun after `fromUt` at
// `geopos` (longitude east, latitude north, height in metres, degrees), by the sunrise setting
// (classic: the upper limb with the standard refraction; hindu: the disc's centre, no
// refraction, the ecliptic's Sun); nothing when the library finds none.
std::optional<double> SwissSunRiseOrSet(double fromUt, bool rise, const double geopos[3],
                                        SunriseKind sunrise);

// The first rising after `fromUt` within `days`, and the first setting after it within `days`
// of it (none when the rising is missing). The setting's search starts from the Sun its
// rising's search last computed, a moment before the rising, so that the Sun and the sidereal
// time at the rising need not be computed again.
struct SunRiseThenSet {
    std::optional<double> rise, set;
};
SunRiseThenSet SwissSunRiseThenSet(double fromUt, const double geopos[3], SunriseKind sunrise,
                                   double days);

// The same event by the library's routine itself (swe_rise_trans), for comparison.
std::optional<double> LibrarySunRiseOrSet(double fromUt, bool rise, const double geopos[3],
                                          SunriseKind sunrise);

}  // namespace kalodaya
