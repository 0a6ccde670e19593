#include "astro/moon.h"

#include <cmath>

#include "base/angles.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"

namespace kalodaya {
namespace {

// One periodic term: coefficient in degrees times the sine of d*D + m*M + mp*M' + f*F,
// multiplied by E when `e` is set.
struct LunarTerm {
    double coefficient;
    int d, m, mp, f;
    bool e;
};

// The first 25 terms, in their published order, of the table of periodic terms for the Moon's
// longitude (J. Meeus, Astronomical Algorithms, 2nd ed., chapter 47, table 47.A).
constexpr LunarTerm kLongitudeTerms[25] = {
    {+6.288774, 0, 0, 1, 0, false},  {+1.274027, 2, 0, -1, 0, false},
    {+0.658314, 2, 0, 0, 0, false},  {+0.213618, 0, 0, 2, 0, false},
    {-0.185116, 0, 1, 0, 0, true},   {-0.114332, 0, 0, 0, 2, false},
    {+0.058793, 2, 0, -2, 0, false}, {+0.057066, 2, -1, -1, 0, true},
    {+0.053322, 2, 0, 1, 0, false},  {+0.045758, 2, -1, 0, 0, true},
    {-0.040923, 0, 1, -1, 0, true},  {-0.034720, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},   {+0.015327, 2, 0, 0, -2, false},
    {-0.012528, 0, 0, 1, 2, false},  {+0.010980, 0, 0, 1, -2, false},
    {+0.010675, 4, 0, -1, 0, false}, {+0.010034, 0, 0, 3, 0, false},
    {+0.008548, 4, 0, -2, 0, false}, {-0.007888, 2, 1, -1, 0, true},
    {-0.006766, 2, 1, 0, 0, true},   {-0.005163, 1, 0, -1, 0, false},
    {+0.004987, 1, 1, 0, 0, true},   {+0.004036, 2, -1, 1, 0, true},
    {+0.003994, 2, 0, 2, 0, false},
};

// A point on the unit circle, cos and sin of an angle; products add the angles.
struct Phasor {
    double c, s;
};
Phasor operator*(const Phasor& a, const Phasor& b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// cos and sin of n * angle for n = -maxMultiple..maxMultiple, from the angle's own cos and sin.
template <int kMax>
struct Multiples {
    Phasor p[2 * kMax + 1];
    explicit Multiples(double angle) {
        p[kMax] = {1, 0};
        p[kMax + 1] = {std::cos(angle), std::sin(angle)};
        for (int n = 2; n <= kMax; ++n) p[kMax + n] = p[kMax + n - 1] * p[kMax + 1];
        for (int n = 1; n <= kMax; ++n) p[kMax - n] = {p[kMax + n].c, -p[kMax + n].s};
    }
    const Phasor& operator[](int n) const { return p[kMax + n]; }
};

}  // namespace

double MoonTropicalLongitude(double t) {
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;  // stays in degrees
    const double d = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    const double m = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    const double mp = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    const double f = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;

    // sin(d*D + m*M + mp*M' + f*F) of each term from the cos and sin of the four arguments (the
    // angle-addition rule): the same sum as with 25 separate sines, from four cos/sin pairs.
    const Multiples<4> dn(d);
    const Multiples<1> mn(m);
    const Multiples<3> mpn(mp);
    const Multiples<2> fn(f);
    double sum = 0;
    for (const LunarTerm& term : kLongitudeTerms) {
        Phasor dm = dn[term.d];  // d*D + m*M
        if (term.m != 0) dm = dm * mn[term.m];
        Phasor mf = mpn[term.mp];  // mp*M' + f*F
        if (term.f != 0) mf = mf * fn[term.f];
        const double sine = dm.s * mf.c + dm.c * mf.s;  // of the sum of the two
        double value = term.coefficient * sine;
        if (term.e) value *= e;
        sum += value;
    }
    return SubtractWhileAbove360(AddWhileNegative(meanLongitude + sum));
}

int NakshatraIndex(double s) {
    const double k = std::floor(60 * s / 800);
    if (!(k >= 0 && k < static_cast<double>(kNakshatraStartTable.size()))) return -1;
    return static_cast<int>(k);
}

SiderealMoon ComputeMoon(const UniversalBirth& birth) {
    const double t = CenturiesFrom2000(birth.julianDay, birth.byZone.ut);
    const double correction = AyanamsaCorrection2000(t);

    SiderealMoon out;
    out.longitude = MoonTropicalLongitude(t) + correction;
    if (out.longitude < 0) out.longitude += 360;
    if (const int k = NakshatraIndex(out.longitude); k >= 0)
        out.nakshatraStart = kNakshatraStartTable[k];
    return out;
}

}  // namespace kalodaya
