#pragma once
// The positions and sun events a chart is built from, behind one interface with two
// implementations: the classic formulas (astro/classic_ephemeris.h) and the Swiss Ephemeris
// (astro/swiss_ephemeris.h). The chart picks one per request by its calculation settings; both
// are immutable after construction, so one object may serve several threads at once.
#include <array>
#include <optional>

#include "astro/calculation_settings.h"
#include "astro/local_birth.h"
#include "astro/sunrise.h"
#include "base/date_time.h"
#include "base/tables.h"

namespace kalodaya {

struct BirthPositions {
    // Sidereal longitudes, degrees in [0, 360), in body order (base/tables.h, the ascendant
    // last), of the ecliptic of date less the settings' ayanamsa.
    std::array<double, kBodyCount> longitude{};
    std::array<bool, kBodyCount> retrograde{};  // set for Mercury .. Saturn only
    // Minus the ayanamsa of the birth moment, degrees (a negative number): the classic run's
    // 1900-epoch correction, or the chosen Swiss ayanamsa.
    double ayanamsaCorrection = 0;
    // The start of the Moon's nakshatra, degrees (astro/moon.h's table); nothing when the
    // longitude falls outside the table.
    std::optional<double> nakshatraStart;
};

class Ephemeris {
  public:
    virtual ~Ephemeris() = default;

    // The ten bodies at the birth: its local date and clock time to the second, in its zone,
    // less the daylight hour when the box is set, at its place.
    virtual BirthPositions AtBirth(const LocalBirth& birth) const = 0;

    // Sunrise and sunset of `date` (its day, month and year are read) at the birth's place, for
    // clocks kept in the birth's zone; the daylight hour is added when the birth's box is set
    // and the daylight rule holds at the birth's clock hour on that date (IsDaylightSaving).
    // The events carry their own local date, which may differ from `date` when the zone lies
    // far from the place's longitude.
    virtual SunEventStatus SunEvents(const LocalBirth& birth, const DateTime& date) const = 0;

    // The Sun's sidereal longitude, degrees in [0, 360), at the local clock time `local` kept in
    // `zone` (plus the daylight hour when `daylightApplied`). `ayanamsaCorrection` is the
    // birth's (BirthPositions), used by the classic run; the modern run computes its own.
    virtual double SunAt(const DateTime& local, ZoneOffset zone, bool daylightApplied,
                         double ayanamsaCorrection) const = 0;
};

}  // namespace kalodaya
