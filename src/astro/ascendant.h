#pragma once
// The sidereal ascendant of the birth moment.
#include "astro/calendar.h"

namespace kalodaya {

struct SiderealAscendant {
    // Minus the ayanamsa of the birth moment on the 1900 epoch, degrees (a negative number); the
    // planets of both runs are made sidereal with it.
    double ayanamsaCorrection = 0;
    // Sidereal ascendant, degrees in [0, 360], ecliptic of date less the ayanamsa.
    double longitude = 0;
};

// The ascendant rising at the birth's place and Universal Time (by the zone's own sign and
// the daylight box).
SiderealAscendant ComputeAscendant(const UniversalBirth& birth);

// Local sidereal time in degrees from Newcomb's polynomial: UT in hours, T in Julian centuries
// from 1900 January 0.5, lon in degrees west-positive. Reduced below 360; a negative value
// (possible before 1900) stays negative.
double LocalSiderealDegrees(double ut, double t1900, double lonWest);

// Tropical ascendant in degrees, [0, 360), from the local sidereal time theta (degrees), T1900
// (for the obliquity) and the latitude (degrees, north-positive).
double TropicalAscendant(double thetaDeg, double t1900, double latDeg);

}  // namespace kalodaya
