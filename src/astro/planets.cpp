#include "astro/planets.h"

#include <cmath>

#include "base/tables.h"
#include "base/angles.h"
#include "astro/calendar.h"

namespace kalodaya {
namespace {

// E. M. Standish's Keplerian elements for approximate positions of the major planets (J2000
// ecliptic and equinox): value and rate per century; angles in degrees with rates in arcseconds
// per century.
struct ElementRow {
    double a, aRate, e, eRate, i, iRate, omega, omegaRate, varpi, varpiRate, l, lRate;
};

constexpr ElementRow kElementTable[kElementBodyCount] = {
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17,
     14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, +4401052.95},
};

double AngleElement(double degrees, double arcsecondsPerCentury, double t) {
    return (degrees + arcsecondsPerCentury * t / 3600) * kDegToRad;
}

// Heliocentric ecliptic x and y (AU); only the longitude is wanted.
struct Heliocentric {
    double x, y;
};

// A point on the unit circle, cos and sin of an angle.
struct Phasor {
    double c, s;
};
Phasor PhasorOf(double angle) {
    return {std::cos(angle), std::sin(angle)};
}
// The phasor of the sum of the two angles.
Phasor Rotate(const Phasor& a, const Phasor& b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// The body's place in its orbit: radius (AU) and the true anomaly v as cos v and sin v.
struct OrbitPoint {
    double r;
    Phasor v;
};

// Kepler's equation by TrueAnomaly's iteration (the same start and Newton steps to 1e-12; the
// sine and cosine of each new E0 come from the previous ones turned by the step); v and r then
// follow from the eccentric anomaly E. v = 2 atan(sqrt((1 + e) / (1 - e)) tan(E / 2)) is
// the angle whose cosine is (cos E - e) / (1 - e cos E) and whose sine is
// sqrt(1 - e^2) sin E / (1 - e cos E); taking those two directly spares the tangent, the
// arctangent and the cosine of v (the stages' speed target), and the longitude agrees with the
// TrueAnomaly route to far below a second of arc (see the tests).
OrbitPoint SolveOrbit(const Elements& el) {
    const double e = el.e;
    const double m = ReduceToTwoPi(el.l - el.varpi);
    double ecc = m + e * std::sin(m) * (1 + e * std::cos(m));
    double sinE0 = std::sin(ecc), cosE0 = std::cos(ecc);
    double step;
    for (;;) {
        const double previous = ecc;
        ecc = previous - (previous - e * sinE0 - m) / (1 - e * cosE0);
        step = ecc - previous;
        if (std::fabs(step) <= 1e-12) break;
        // sin and cos of the next E0: turned on from the last ones by the small step (its
        // Taylor series, to the 9th power below 0.01 and the 5th below 1e-4, is exact in double
        // precision), else computed.
        if (std::fabs(step) < 0.01) {
            const double s2 = step * step;
            double sinStep, cosStep;
            if (std::fabs(step) < 1e-4) {
                sinStep = step * (1 - s2 * (1.0 / 6) * (1 - s2 * (1.0 / 20)));
                cosStep = 1 - s2 * 0.5 * (1 - s2 * (1.0 / 12));
            } else {
                sinStep =
                    step *
                    (1 - s2 * (1.0 / 6) *
                             (1 - s2 * (1.0 / 20) * (1 - s2 * (1.0 / 42) * (1 - s2 * (1.0 / 72)))));
                cosStep =
                    1 - s2 * 0.5 *
                            (1 - s2 * (1.0 / 12) * (1 - s2 * (1.0 / 30) * (1 - s2 * (1.0 / 56))));
            }
            const double sinNext = sinE0 * cosStep + cosE0 * sinStep;
            cosE0 = cosE0 * cosStep - sinE0 * sinStep;
            sinE0 = sinNext;
        } else {
            sinE0 = std::sin(ecc);
            cosE0 = std::cos(ecc);
        }
    }
    // sin and cos of the final E from those of the last step's E0, |E - E0| <= 1e-12.
    const double sinE = sinE0 + cosE0 * step, cosE = cosE0 - sinE0 * step;
    // r = a (1 - e^2) / (1 + e cos v), which is a (1 - e cos E).
    const double den = 1 - e * cosE, inv = 1 / den;
    const Phasor v{(cosE - e) * inv, std::sqrt(1 - e * e) * sinE * inv};
    return {el.a * den, v};
}

// Heliocentric ecliptic coordinates (AU) of a body in its Keplerian orbit.
Heliocentric OrbitPosition(const Elements& el) {
    const OrbitPoint p = SolveOrbit(el);
    const Phasor u = Rotate(p.v, PhasorOf(el.varpi - el.omega));  // u = v + varpi - Omega
    const Phasor omega = PhasorOf(el.omega);
    const double cosI = std::cos(el.i);
    // Z = r sin u sin i is not formed: no latitude is derived from it.
    return {p.r * (omega.c * u.c - omega.s * u.s * cosI),
            p.r * (omega.s * u.c + omega.c * u.s * cosI)};
}

// The Earth in the plane of the ecliptic: its inclination is not used.
Heliocentric EarthPosition(double d) {
    const Elements el = OrbitalElements(kEarthRow, d);
    const OrbitPoint p = SolveOrbit(el);
    const Phasor lon = Rotate(p.v, PhasorOf(el.varpi));  // v + varpi
    return {p.r * lon.c, p.r * lon.s};
}

double LongitudeSeenFromEarth(int body, double d, const Heliocentric& earth) {
    Heliocentric p{0, 0};  // the Earth's row: the vector points from the Earth to the Sun
    if (body != kEarthRow) p = OrbitPosition(OrbitalElements(body, d));
    const double x = p.x - earth.x, y = p.y - earth.y;
    const double lambda = QuadrantArctan(y, x) * 180 / 3.14159265358979;
    return AddWhileNegative(SubtractWhileAbove360(lambda));
}

// Sidereal longitude of a tropical one: lambda - |correction|, raised while negative.
double Sidereal(double tropical, double correction) {
    return AddWhileNegative(tropical - std::fabs(correction));
}

}  // namespace

Elements OrbitalElements(int body, double d) {
    const ElementRow& row = kElementTable[body];
    const double t = CenturiesFromDayNumber(d);
    return {row.a + row.aRate * t,
            row.e + row.eRate * t,
            AngleElement(row.i, row.iRate, t),
            AngleElement(row.omega, row.omegaRate, t),
            AngleElement(row.varpi, row.varpiRate, t),
            AngleElement(row.l, row.lRate, t)};
}

double TrueAnomaly(double m, double e) {
    double ecc = m + e * std::sin(m) * (1 + e * std::cos(m));
    double previous;
    do {
        previous = ecc;
        ecc = previous - (previous - e * std::sin(previous) - m) / (1 - e * std::cos(previous));
    } while (std::fabs(previous - ecc) > 1e-12);
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(ecc / 2));
    if (v < 0) v += kTwoPi;
    return v;
}

double GeocentricLongitude(int body, double d) {
    return LongitudeSeenFromEarth(body, d, EarthPosition(d));
}

double MeanNodeLongitude(double d) {
    const double n = 125.1228 - 0.0529538083 * d;
    return ReduceToTwoPi(n * kDegToRad) * 180 / 3.1416 - 1;
}

double RahuLongitude(double node, double correction) {
    return Sidereal(node, correction);
}

double KetuLongitude(double rahu) {
    double k = rahu + 180;
    while (k > 360) k -= 360;
    if (k == 360) k = 0;  // mended: a longitude of exactly 360 lies in Aries
    return std::fabs(k);
}

void ComputePlanets(const DateTime& ut, double correction, std::array<double, kBodyCount>& bodies) {
    const double d = DayNumberJ2000(ut);
    // The Earth's position is the same for every body of the run: computed once.
    static constexpr Body kBodyOfRow[kElementBodyCount] = {Mercury, Venus,   Sun,
                                                           Mars,    Jupiter, Saturn};
    const Heliocentric earth = EarthPosition(d);
    for (int row = 0; row < kElementBodyCount; ++row)
        bodies[kBodyOfRow[row]] = Sidereal(LongitudeSeenFromEarth(row, d, earth), correction);
    bodies[Rahu] = RahuLongitude(MeanNodeLongitude(d), correction);
    bodies[Ketu] = KetuLongitude(bodies[Rahu]);
}

double ComputeSunLongitude(const DateTime& ut, double correction) {
    const double d = DayNumberJ2000(ut);
    return Sidereal(LongitudeSeenFromEarth(kEarthRow, d, EarthPosition(d)), correction);
}

}  // namespace kalodaya
