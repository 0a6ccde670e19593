#include "astro/swiss_rise_set.h"

#include <swephexp.h>

#include <cmath>
#include <numbers>

namespace kalodaya {
namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;
constexpr double kDegToRad = std::numbers::pi / 180.0;
// The Sun's diameter and the astronomical unit as the library has them, metres.
constexpr double kSunDiameter = 1392000000.0;
constexpr double kAstronomicalUnit = 1.49597870700e+11;
constexpr double kLapseRate = 0.0065;  // the library's default, kelvin per metre
// The quick search holds below this latitude for the Sun; beyond it the library searches
// otherwise.
constexpr double kQuickSearchLatitude = 65;
// The step over which the search takes the altitude's slope, days.
constexpr double kSlopeStep = 0.001;
// How fast the hour angle of a fixed point of the sky grows, degrees per day of UT: the Earth's
// rotation angle's rate and the general precession in right ascension of the sidereal time's
// polynomial (4612.156534" a Julian century). Over the slope's step the rest (nutation) moves
// the sidereal time by less than 1e-7 degrees.
constexpr double kSiderealDegreesPerDay =
    360 * 1.00273781191135448 + 4612.156534 / 3600 / 36525;

int32 RiseFlags(bool rise, SunriseKind sunrise) {
    return (rise ? SE_CALC_RISE : SE_CALC_SET) |
           (sunrise == SunriseKind::Hindu ? SE_BIT_HINDU_RISING : 0);
}

// The refraction at the horizon, degrees: the library's estimate of the pressure at `height`
// metres, 0 degrees Celsius.
double HorizonRefraction(double height, double& pressure) {
    pressure = 1013.25 * std::pow(1 - 0.0065 * height / 288, 5.255);
    double xx[6] = {};
    swe_refrac_extended(0.000001, 0, pressure, 0, kLapseRate, SE_APP_TO_TRUE, xx);
    return xx[1] - xx[0];
}

// The true altitude of equatorial coordinates `xin` (right ascension, declination, degrees) at
// the sidereal angle `armc` (degrees), as the library's swe_azalt computes it.
double TrueAltitude(const double* xin, double armc, double latitude) {
    double x[3];
    x[0] = swe_degnorm(swe_degnorm(xin[0] - armc) - 90);
    x[1] = xin[1];
    x[2] = 1;
    swe_cotrans(x, x, 90 - latitude);
    return x[1];
}

}  // namespace

std::optional<double> LibrarySunRiseOrSet(double fromUt, bool rise, const double geopos[3],
                                          SunriseKind sunrise) {
    double place[3] = {geopos[0], geopos[1], geopos[2]};
    double when = 0;
    char serr[AS_MAXCH];
    if (swe_rise_trans(fromUt, SE_SUN, nullptr, SEFLG_MOSEPH, RiseFlags(rise, sunrise), place, 0,
                       0, &when, serr) != 0)
        return std::nullopt;
    return when;
}

namespace {

// The Sun where a search last looked: the time, its right ascension and declination as the
// first guess reads them, and the sidereal time then (hours).
struct SunSample {
    double jd = 0, rightAscension = 0, declination = 0, sidereal = 0;
};

// The quick search. The first guess is taken from `guessFrom` when given (a sample a moment
// before `fromUt`), else from the Sun at `fromUt`; `last` receives the Sun of the last step.
std::optional<double> QuickSearch(double fromUt, bool rise, const double geopos[3],
                                  SunriseKind sunrise, const SunSample* guessFrom,
                                  SunSample* last) {
    const bool hindu = sunrise == SunriseKind::Hindu;
    const double facrise = rise ? 1 : -1;
    char serr[AS_MAXCH];
    double xx[6];
    // The classic event is the topocentric Sun's; the hindu one the geocentric Sun's on the
    // ecliptic (no latitude), turned to the equator with the true obliquity.
    int32 flags = SEFLG_MOSEPH | SEFLG_EQUATORIAL;
    const int32 stepFlags = hindu ? SEFLG_MOSEPH : flags | SEFLG_TOPOCTR;
    if (!hindu) {
        flags |= SEFLG_TOPOCTR;
        swe_set_topo(geopos[0], geopos[1], geopos[2]);
    }

    double start = fromUt;
    for (bool secondRun = false;; secondRun = true) {
        SunSample guess;
        if (guessFrom && !secondRun) {
            guess = *guessFrom;
        } else {
            if (swe_calc_ut(start, SE_SUN, flags, xx, serr) == ERR) return std::nullopt;
            guess = {start, xx[0], xx[1], swe_sidtime(start)};
        }
        // The first guess: where the Sun's semi-diurnal arc puts the event after the sample.
        double sda = -std::tan(geopos[1] * kDegToRad) * std::tan(guess.declination * kDegToRad);
        if (sda >= 1)
            sda = 10;
        else if (sda <= -1)
            sda = 180;
        else
            sda = std::acos(sda) * kRadToDeg;
        const double armc = swe_degnorm(guess.sidereal * 15 + geopos[0]);
        const double md = swe_degnorm(guess.rightAscension - armc);
        double dmd = swe_degnorm(md - swe_degnorm(sda * facrise));
        if (dmd > 358) dmd -= 360;
        double tr = guess.jd + dmd / 360;

        double pressure = 0;
        const double refraction = HorizonRefraction(geopos[2], pressure);
        if (!hindu) swe_set_topo(geopos[0], geopos[1], geopos[2]);
        for (int i = 0; i < 2; ++i) {
            if (swe_calc_ut(tr, SE_SUN, stepFlags, xx, serr) == ERR) return std::nullopt;
            const double eclipticLatitude = xx[1];
            double radius = 0;
            if (hindu) {
                xx[1] = 0;
            } else {
                radius = std::asin(kSunDiameter / 2.0 / kAstronomicalUnit / xx[2]) * kRadToDeg +
                         refraction;
            }
            // The hindu Sun turned to the equator with the true obliquity; over the slope's
            // step the obliquity moves by less than 1e-7 degrees.
            double equatorial[3] = {xx[0], xx[1], 1};
            double trueObliquity = 0;
            if (hindu) {
                double nutation[6];
                swe_calc(tr + swe_deltat_ex(tr, -1, nullptr), SE_ECL_NUT, 0, nutation, nullptr);
                trueObliquity = nutation[0];
                swe_cotrans(equatorial, equatorial, -trueObliquity);
            }
            const double sidereal = swe_sidtime(tr);
            const double armcNow = swe_degnorm(sidereal * 15 + geopos[0]);
            const double armcLater =
                swe_degnorm(armcNow + kSlopeStep * kSiderealDegreesPerDay);
            const double altitude = TrueAltitude(equatorial, armcNow, geopos[1]);
            const double slope = TrueAltitude(equatorial, armcLater, geopos[1]) - altitude;
            if (last && i == 1) {
                // A first guess reads the Sun with its latitude (the hindu steps drop it).
                double sun[3] = {xx[0], eclipticLatitude, 1};
                if (hindu) swe_cotrans(sun, sun, -trueObliquity);
                *last = {tr, sun[0], sun[1], sidereal};
            }
            double dt = (altitude + radius) / slope / 1000.0;
            if (dt > 0.1)
                dt = 0.1;
            else if (dt < -0.1)
                dt = -0.1;
            tr -= dt;
        }
        // An event before `fromUt` was the one already past: search again half a day later.
        // The library's second guess reads the Sun as its steps do (for the hindu event, the
        // ecliptic's longitude taken as right ascension); so does this one.
        if (tr < fromUt && !secondRun) {
            start += 0.5;
            flags = stepFlags;
            continue;
        }
        return tr;
    }
}

}  // namespace

std::optional<double> SwissSunRiseOrSet(double fromUt, bool rise, const double geopos[3],
                                        SunriseKind sunrise) {
    if (!(std::fabs(geopos[1]) <= kQuickSearchLatitude))
        return LibrarySunRiseOrSet(fromUt, rise, geopos, sunrise);
    return QuickSearch(fromUt, rise, geopos, sunrise, nullptr, nullptr);
}

SunRiseThenSet SwissSunRiseThenSet(double fromUt, const double geopos[3], SunriseKind sunrise,
                                   double days) {
    SunRiseThenSet events;
    const bool quick = std::fabs(geopos[1]) <= kQuickSearchLatitude;
    SunSample last;
    const std::optional<double> rise =
        quick ? QuickSearch(fromUt, true, geopos, sunrise, nullptr, &last)
              : LibrarySunRiseOrSet(fromUt, true, geopos, sunrise);
    if (!rise || !(*rise < fromUt + days)) return events;
    events.rise = rise;
    // The rising's last step looked at the Sun a moment before it rose: the setting's first
    // guess starts from there (it moves by some 1e-5 of that moment, which the steps undo).
    const std::optional<double> set =
        quick ? QuickSearch(*rise, false, geopos, sunrise, &last, nullptr)
              : LibrarySunRiseOrSet(*rise, false, geopos, sunrise);
    if (set && *set < *rise + days) events.set = set;
    return events;
}

}  // namespace kalodaya
