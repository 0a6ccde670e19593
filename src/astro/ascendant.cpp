#include "astro/ascendant.h"

#include <cmath>

#include "base/angles.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"

namespace kalodaya {

double LocalSiderealDegrees(double ut, double t, double lonWest) {
    const double theta = 15 * (ut + 6.6460656 + 2400.0513 * t + 0.0000258 * t * t) - lonWest;
    return SubtractWhileAtLeast360(theta);
}

double TropicalAscendant(double thetaDeg, double t, double latDeg) {
    const double a = thetaDeg * kDegToRad;
    const double eps = (23.452294 - 0.0130125 * t) * kDegToRad;
    const double x = -std::sin(a) * std::cos(eps) - std::sin(eps) * std::tan(latDeg * kDegToRad);
    const double y = std::cos(a);
    double angle = QuadrantArctan(y, x);
    if (angle < 0) angle += kPi;
    if (std::cos(a) < 0) angle += kPi;
    return SubtractWhileAtLeast360(angle * kRadToDeg);
}

SiderealAscendant ComputeAscendant(const UniversalBirth& birth) {
    const ZoneTime& time = birth.byZone;
    const double t = CenturiesFrom1900(birth.julianDay, time.ut);
    SiderealAscendant out;
    out.ayanamsaCorrection = AyanamsaCorrection1900(t);
    const double theta = LocalSiderealDegrees(time.ut, t, time.lon);
    const double tropical = TropicalAscendant(theta, t, time.lat);
    out.longitude = Normalize360(tropical + out.ayanamsaCorrection);
    return out;
}

}  // namespace kalodaya
