#include "astro/sunrise.h"

#include <cmath>

#include "base/angles.h"
#include "astro/sunrise_steps.h"

namespace kalodaya {
namespace {

// The rounded constants of the sunrise and sunset method of the Almanac for Computers (Nautical
// Almanac Office, U.S. Naval Observatory), in radians, used exactly at these values: 0.017202
// and 0.0574039 are its 0.9856 degrees a day and 3.289 degrees of mean anomaly, 0.0334405 and
// 0.000349066 its 1.916 and 0.020 degrees of the equation of centre, 4.93289 its 282.634
// degrees, -0.0145439 the cosine of its zenith of 90 degrees 50 minutes.
constexpr double kQuarterTurn = 1.5708;
constexpr double kHalfTurn = 3.14159;
constexpr double kThreeQuarterTurn = 4.71239;
constexpr double kFullTurn = 6.28319;
constexpr double kDegToRadRounded = 0.0174533;
constexpr double kHourToRad = 0.261799;
constexpr double kMeanAnomalyRate = 0.017202;
constexpr double kMeanAnomalyOffset = 0.0574039;
constexpr double kCentre1 = 0.0334405;
constexpr double kCentre2 = 0.000349066;
constexpr double kPerigee = 4.93289;
constexpr double kTangentGuard = 4.84814e-06;
constexpr double kRightAscensionFactor = 0.91746;
constexpr double kSinObliquity = 0.39782;
constexpr double kSiderealDrift = 0.0172028;
constexpr double kTimeOffset = 1.73364;
constexpr double kRadToHours = 3.81972;

// Reduces a into [0, full turn) and returns how many whole turns were taken off (negative
// when turns were added).
int ReduceIntoFullTurn(double& a) {
    int turns = 0;
    while (a < 0) {
        a += kFullTurn;
        --turns;
    }
    while (a >= kFullTurn) {
        a -= kFullTurn;
        ++turns;
    }
    return turns;
}

double IntoFullTurn(double a) {
    ReduceIntoFullTurn(a);
    return a;
}

// The whole turns in T beyond the event's local mean time. The event of a pass lies within
// half a turn of the pass's base angle (06:00 local mean time for the sunrise, 18:00 for the
// sunset); T itself can be a turn off that, and which turn changes with the date (the right
// ascension restarts at 0 at the March equinox while the sidereal drift runs on).
int TurnsBeyondMeanTime(double T, double base) {
    double fromWindowStart = T - (base - kHalfTurn);
    return ReduceIntoFullTurn(fromWindowStart);
}

}  // namespace

int ClockFromHours(double hours, int& hh, int& mm) {
    const double whole = std::floor(hours);
    hh = static_cast<int>(whole);
    mm = static_cast<int>(std::floor(60 * (hours - whole) + 0.5));
    if (mm >= 60) {  // the rounding gave minute 60: carry into the next hour
        mm -= 60;
        ++hh;
    }
    if (hh >= 24) {  // wrapped: the clock time keeps the same date, the event is the next day's
        hh -= 24;
        return 1;
    }
    return 0;
}

std::optional<SunPassValues> SunPass(const SunPlace& place, int dayOfYear, bool sunrise,
                                     double cosZenith) {
    SunPassValues v;
    const double base = sunrise ? kQuarterTurn : kThreeQuarterTurn;
    v.t = (dayOfYear - 1) + (base - place.lambdaR) / kFullTurn;
    v.M = kMeanAnomalyRate * v.t - kMeanAnomalyOffset;
    v.L = IntoFullTurn(v.M + kCentre1 * std::sin(v.M) + kCentre2 * std::sin(2 * v.M) + kPerigee);
    const double quarters = v.L / kQuarterTurn;
    if (quarters == std::floor(quarters)) v.L += kTangentGuard;
    v.RA = QuadrantArctan(kRightAscensionFactor * std::sin(v.L) / std::cos(v.L), 1);
    if (v.L > kThreeQuarterTurn) {
        v.RA += kFullTurn;
    } else if (v.L > kQuarterTurn) {
        v.RA += kHalfTurn;
    }
    const double s = kSinObliquity * std::sin(v.L);
    v.delta = QuadrantArctan(s / std::sqrt(1 - s * s), 1);
    v.c = (cosZenith - std::sin(v.delta) * std::sin(place.phiR)) /
          (std::cos(v.delta) * std::cos(place.phiR));
    // Polar day or night: the sunrise hour angle's square root or division has no value.
    if (!(std::fabs(v.c) < 1)) return std::nullopt;
    v.H = kQuarterTurn - QuadrantArctan(v.c / std::sqrt(1 - v.c * v.c), 1);
    if (sunrise) v.H = kFullTurn - v.H;
    v.T = v.H + v.RA - kSiderealDrift * v.t - kTimeOffset;
    v.local = (v.T - place.lambdaR) + place.zR;
    // The turns taken off the local time, less those that were never part of the event's time
    // of day, are the days the clock time has moved away from the input date.
    const int localTurns = ReduceIntoFullTurn(v.local);
    v.hours = v.local * kRadToHours;
    const int wrapped = ClockFromHours(v.hours, v.hh, v.mm);
    v.dayShift = localTurns - TurnsBeyondMeanTime(v.T, base) + wrapped;
    return v;
}

SunEventStatus ComputeSunEvents(int year, int month, int day, int hour, int minute,
                                const Coordinates& at, ZoneOffset zone, bool daylight,
                                double cosZenith) {
    SunEventStatus status;
    double phi = at.latDeg + at.latMin / 60.0;
    if (at.south) phi = -phi;
    double lambda = at.lonDeg + at.lonMin / 60.0;
    if (!at.east) lambda = -lambda;

    // East-positive hours; the zone's parts carry the same sign (an exact offset's too).
    double z = -(zone.hours + zone.minutes / 60.0);

    const DateTime date = DateTime::FromCivil(year, month, day);
    if (daylight && IsDaylightSaving(day, date.Weekday(), month, hour, minute)) {
        z += 1;
        status.dstApplied = true;
    }
    const SunPlace place{phi * kDegToRadRounded, lambda * kDegToRadRounded, z * kHourToRad};
    const int n = date.DayOfYear();

    // The sunrise first; when it fails the sunset is not computed either.
    const auto rise = SunPass(place, n, true, cosZenith);
    if (!rise) return status;
    status.sunriseClock = DateTime::FromCivil(year, month, day, rise->hh, rise->mm);
    status.sunrise = status.sunriseClock.AddDays(rise->dayShift);
    status.sunriseOk = true;

    const auto set = SunPass(place, n, false, cosZenith);
    if (!set) return status;
    status.sunsetClock = DateTime::FromCivil(year, month, day, set->hh, set->mm);
    status.sunset = status.sunsetClock.AddDays(set->dayShift);
    status.sunsetOk = true;
    return status;
}

bool IsDaylightSaving(int day, int weekday, int month, int hour, int /*minute*/) {
    if (month > 4 && month < 10) return true;
    if (month == 4) {
        if (day > 7) return true;
        if (weekday == 0) return hour >= 2;
        return day - weekday > 0;
    }
    if (month == 10) {
        if (day < 25) return true;
        if (weekday == 0) return hour < 2;
        return day - 24 - weekday < 1;
    }
    return false;
}

}  // namespace kalodaya
