#pragma once
// The Sun and the five planets from Keplerian elements with linear rates, and the mean lunar
// nodes.
#include <array>
#include <optional>

#include "astro/local_birth.h"
#include "base/date_time.h"
#include "base/tables.h"

namespace kalodaya {

// Body numbers of the element table: the Sun's row is the Earth's.
enum ElementBody : int { kMercuryRow, kVenusRow, kEarthRow, kMarsRow, kJupiterRow, kSaturnRow };
inline constexpr int kElementBodyCount = 6;

// The six elements of one body: a in astronomical units, e dimensionless, the angles in radians
// (i inclination, omega longitude of the ascending node, varpi longitude of perihelion, l mean
// longitude), all referred to the J2000 ecliptic and equinox.
struct Elements {
    double a, e, i, omega, varpi, l;
};

// Elements of `body` for day number d from J2000.0 (T = d / 36525 centuries).
Elements OrbitalElements(int body, double d);

// True anomaly in [0, 2 pi) from the mean anomaly M (radians) and the eccentricity, by Newton's
// iteration on Kepler's equation to 1e-12.
double TrueAnomaly(double meanAnomaly, double e);

// Tropical geocentric ecliptic longitude of `body` (the Earth's row gives the Sun), degrees in
// [0, 360], for day number d. No light-time, aberration, nutation or precession.
double GeocentricLongitude(int body, double d);

// Mean ascending node as the product computes it: 125.1228 - 0.0529538083 d degrees, reduced,
// scaled by 180 / 3.1416 and lowered by one degree (tropical, degrees).
double MeanNodeLongitude(double d);

// Rahu from the node and the ayanamsa correction: n - |correction|, raised into [0, 360).
double RahuLongitude(double node, double correction);
// Ketu opposite Rahu: r + 180, lowered by 360 while above 360. A Ketu of exactly 360 is given as
// 0 (Aries), a mended fault: its text would otherwise carry no sign code.
double KetuLongitude(double rahu);

// Sidereal longitudes, degrees in [0, 360), of the Sun, the five planets, Rahu and Ketu at the
// Universal Time `ut`, made sidereal with `ayanamsaCorrection` (minus the ayanamsa, degrees),
// written into their body slots of `bodies`; the Moon's and the ascendant's slots are left as
// they are.
void ComputePlanets(const DateTime& ut, double ayanamsaCorrection,
                    std::array<double, kBodyCount>& bodies);

// The Sun alone, as ComputePlanets computes it.
double ComputeSunLongitude(const DateTime& ut, double ayanamsaCorrection);

}  // namespace kalodaya
