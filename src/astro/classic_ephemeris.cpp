#include "astro/classic_ephemeris.h"

#include "astro/ascendant.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/retrograde.h"

namespace kalodaya {

BirthPositions ClassicEphemeris::AtBirth(const LocalBirth& b) const {
    BirthPositions p;
    // The birth moment in Universal Time, once for every body.
    const UniversalBirth ut = ToUniversalTime(b);
    const SiderealAscendant asc = ComputeAscendant(ut);
    const SiderealMoon moon = ComputeMoon(ut);
    p.ayanamsaCorrection = asc.ayanamsaCorrection;
    p.longitude[Asc] = asc.longitude;
    p.longitude[Moon] = moon.longitude;
    p.nakshatraStart = moon.nakshatraStart;
    if (ut.byCalendar) ComputePlanets(*ut.byCalendar, asc.ayanamsaCorrection, p.longitude);

    // The clock values as entered: only the date counts for the station tables.
    const auto flags =
        RetrogradeFlags(DateTime::FromCivil(b.year, b.month, b.day, b.hour, b.minute));
    for (int k = 0; k < kRetroPlanetCount; ++k) p.retrograde[Mercury + k] = flags[k];
    return p;
}

SunEventStatus ClassicEphemeris::SunEvents(const LocalBirth& b, const DateTime& date) const {
    return ComputeSunEvents(date.Year(), date.Month(), date.Day(), b.hour, b.minute, b.place,
                            b.zone, b.daylight,
                            sunrise_ == SunriseKind::Hindu ? kCosGeometricZenith
                                                           : kCosClassicZenith);
}

double ClassicEphemeris::SunAt(const DateTime& t, ZoneOffset zone, bool daylightApplied,
                               double ayanamsaCorrection) const {
    const DateTime::CivilDate date = t.Date();
    const auto ut = PlanetRunInstant(date.year, date.month, date.day, t.Hour(), t.Minute(), zone,
                                     daylightApplied);
    return ut ? ComputeSunLongitude(*ut, ayanamsaCorrection) : 0;
}

}  // namespace kalodaya
