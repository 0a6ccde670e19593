#include "barycentric_view.h"

#include <swephexp.h>

#include <array>
#include <stdexcept>
#include <string>

namespace stations {
namespace {

// Earth/Moon mass ratio of the JPL development ephemerides the Moshier theory is fitted to.
constexpr double kEarthMoonMassRatio = 81.30056907419062;

// Moshier's analytic ephemeris (no data files), geometric, mean equinox of date, with
// velocities, as rectangular ecliptic coordinates in AU and AU per day.
constexpr int32 kFlags = SEFLG_MOSEPH | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL |
                         SEFLG_NONUT | SEFLG_XYZ | SEFLG_SPEED;

using State = std::array<double, 6>;  // x, y, z, dx, dy, dz

State Calc(double jdUt, int body, int32 flags) {
    State s{};
    char error[AS_MAXCH] = "";
    const int32 got = swe_calc_ut(jdUt, body, flags, s.data(), error);
    // A missing Moshier flag in the answer means the library fell back to something else.
    if (got < 0 || (got & SEFLG_MOSEPH) == 0) {
        throw std::runtime_error("ephemeris failed for body " + std::to_string(body) + ": " +
                                 error);
    }
    return s;
}

// Heliocentric planet minus heliocentric barycentre. SE_EARTH with SEFLG_HELCTR is the
// Earth's centre, so the barycentre is the Earth plus the geocentric Moon scaled by
// 1 / (1 + mass ratio).
State FromBarycentre(const Planet& planet, double jdUt) {
    const State p = Calc(jdUt, planet.body, kFlags | SEFLG_HELCTR);
    const State earth = Calc(jdUt, SE_EARTH, kFlags | SEFLG_HELCTR);
    const State moon = Calc(jdUt, SE_MOON, kFlags);
    State v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i] = p[i] - (earth[i] + moon[i] / (1.0 + kEarthMoonMassRatio));
    }
    return v;
}

}  // namespace

double LongitudeSpeed(const Planet& planet, double jdUt) {
    const State v = FromBarycentre(planet, jdUt);
    // d/dt atan2(y, x) = (x y' - y x') / (x^2 + y^2); the denominator never changes the sign.
    return (v[0] * v[4] - v[1] * v[3]) / (v[0] * v[0] + v[1] * v[1]);
}

}  // namespace stations
