#pragma once
// The Moon from the first 25 terms of Meeus's lunar longitude series, and the start of its
// nakshatra.
#include <array>
#include <optional>

#include "astro/calendar.h"

namespace kalodaya {

// Start longitude of each nakshatra: 13.33 * k written with two decimals (steps of 13.33, not of
// 13 1/3).
inline constexpr std::array<double, 27> kNakshatraStartTable = {
    0,      13.33,  26.66,  39.99,  53.32,  66.65,  79.98,  93.31,  106.64,
    119.97, 133.3,  146.63, 159.96, 173.29, 186.62, 199.95, 213.28, 226.61,
    239.94, 253.27, 266.6,  279.93, 293.26, 306.59, 319.92, 333.25, 346.58};

// Tropical geocentric longitude of the Moon in degrees, [0, 360], T in Julian centuries from
// J2000.0 (UT used as the time argument).
double MoonTropicalLongitude(double t2000);

// Index of the nakshatra table entry for a sidereal longitude: Int(60 * s / 800), steps of
// exactly 800 minutes of arc; -1 when it falls outside the table.
int NakshatraIndex(double sidereal);

struct SiderealMoon {
    double longitude = 0;  // sidereal, degrees in [0, 360) (J2000-epoch ayanamsa)
    // Start of the Moon's nakshatra from the table; nothing when the longitude falls outside it.
    std::optional<double> nakshatraStart;
};

// The Moon at the birth's Universal Time.
SiderealMoon ComputeMoon(const UniversalBirth& birth);

}  // namespace kalodaya
