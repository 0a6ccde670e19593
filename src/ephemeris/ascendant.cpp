#include "ephemeris/ascendant.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/ayanamsa.h"
#include "ephemeris/calendar.h"
#include "ephemeris/ephemeris.h"

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

void ComputeAscendant(AppState& state) {
    const BirthData& b = state.birth;
    const ZoneTime time = UniversalTimeByZone(b);
    const double jd = JulianDayNumber(b.BirthMonth, b.BirthDay, b.BirthYear);
    const double t = CenturiesFrom1900(jd, time.ut);
    state.ephemeris.AyanamsaCorrection = AyanamsaCorrection1900(t);

    const double theta = LocalSiderealDegrees(time.ut, t, time.lon);
    const double tropical = TropicalAscendant(theta, t, time.lat);
    const double s = Normalize360(tropical + state.ephemeris.AyanamsaCorrection);

    state.chart.AscDeg = s;
    state.chart.AscDegInt = std::floor(s);
    FormatSignDmsInto(s, state.ephemeris.AscText);
}

}  // namespace kalodaya
