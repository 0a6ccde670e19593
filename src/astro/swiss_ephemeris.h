#pragma once
// The Swiss Ephemeris (Astrodienst, version 2.10.03: Debian's libswe, or the same release built
// from its sources) behind the ephemeris interface, with its built-in Moshier analytic theory: no
// data files to ship or find.
// Positions are apparent geocentric longitudes of date, made sidereal with the chosen ayanamsa
// (the library's sidereal modes); the ascendant is the library's, at the birthplace; sunrise and
// sunset come from its rise-and-set search. Accuracy: docs/accuracy.md.
//
// The library keeps its settings (the sidereal mode among them) in per-thread state: every call
// here sets the mode it needs before computing, so requests with different settings may run on
// the same or on different threads in any order.
#include <optional>

#include "astro/ephemeris.h"

namespace kalodaya {

class SwissEphemeris final : public Ephemeris {
  public:
    // The ayanamsa (not classic), the node and the sunrise of `settings` apply.
    explicit SwissEphemeris(const CalculationSettings& settings) : settings_(settings) {}

    // The bodies at the birth's Universal Time to the second; Rahu the mean or true node, Ketu
    // opposite; Mercury .. Saturn marked retrograde when their longitude decreases (the sign of
    // the library's speed).
    BirthPositions AtBirth(const LocalBirth& birth) const override;
    // The first rising of the Sun after local mean midnight of `date` at the place, and the first
    // setting after it, each within a day; clock times to the second. Classic: the upper limb
    // with the standard refraction; hindu: the disc's centre, no refraction.
    SunEventStatus SunEvents(const LocalBirth& birth, const DateTime& date) const override;
    // The Sun at `local` to the second; `ayanamsaCorrection` is not read.
    double SunAt(const DateTime& local, ZoneOffset zone, bool daylightApplied,
                 double ayanamsaCorrection) const override;

  private:
    CalculationSettings settings_;
};

// The Julian day (Universal Time) of a local clock time kept in `zone`, less one hour when
// `daylight`: the Gregorian calendar, days and fractions.
double JulianDayUt(const DateTime& local, ZoneOffset zone, bool daylight);

// The Swiss Ephemeris' tropical apparent geocentric longitude of a body (base/tables.h order,
// Sun .. Saturn and Rahu as the mean node), degrees in [0, 360), at the Julian day `jdUt`; for
// the accuracy checks against other ephemerides.
double SwissTropicalLongitude(int body, double jdUt);

// The Julian day (UT) of the first sunrise after `jdUt` at `lat` (degrees, north positive) and
// `lonEast` (degrees, east positive) by the sunrise setting; nothing when the Sun does not rise
// there within `days` days.
std::optional<double> SwissSunriseAfter(double jdUt, double lat, double lonEast,
                                        SunriseKind sunrise, double days = 1);

// The library's version text, "2.10.03".
const char* SwissVersion();

}  // namespace kalodaya
