#pragma once
// The classic formulas behind the ephemeris interface: Keplerian elements for the Sun and the
// planets, Meeus's 25-term lunar series, the program's mean node and two ayanamsas, Newcomb's
// sidereal time for the ascendant, the almanac's sunrise and the retrograde station tables.
// Their accuracy against a modern ephemeris is measured in docs/accuracy.md.
#include "astro/ephemeris.h"

namespace kalodaya {

class ClassicEphemeris final : public Ephemeris {
  public:
    // Only the sunrise setting applies: the classic ayanamsa and mean node are fixed.
    explicit ClassicEphemeris(SunriseKind sunrise = SunriseKind::Classic) : sunrise_(sunrise) {}

    BirthPositions AtBirth(const LocalBirth& birth) const override;
    // The almanac's formula at the zenith distance of the sunrise setting (90°50′ or 90°),
    // clock times to the minute.
    SunEventStatus SunEvents(const LocalBirth& birth, const DateTime& date) const override;
    // The Sun as the planets' run computes it, at `local` to the minute (seconds not read).
    double SunAt(const DateTime& local, ZoneOffset zone, bool daylightApplied,
                 double ayanamsaCorrection) const override;

  private:
    SunriseKind sunrise_;
};

}  // namespace kalodaya
