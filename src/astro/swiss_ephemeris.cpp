#include "astro/swiss_ephemeris.h"

#include <swephexp.h>

#include <cmath>

#include "astro/moon.h"
#include "astro/sunrise.h"
#include "astro/swiss_rise_set.h"

namespace kalodaya {
namespace {

// The built-in Moshier theory. Speeds (three evaluations of the theory in place of one) only for
// the planets' retrograde marks. Longitudes are computed tropical and made sidereal by
// subtracting the ayanamsa of date, as the library's own sidereal flag does for these modes,
// at a third of its cost.
constexpr int32 kFlags = SEFLG_MOSEPH;

// The library's bodies in body order; Rahu's is replaced by the node setting.
constexpr int kSweBody[] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                            SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};

int SiderealMode(AyanamsaKind ayanamsa) {
    switch (ayanamsa) {
        case AyanamsaKind::Raman: return SE_SIDM_RAMAN;
        case AyanamsaKind::Krishnamurti: return SE_SIDM_KRISHNAMURTI;
        case AyanamsaKind::TrueChitra: return SE_SIDM_TRUE_CITRA;
        case AyanamsaKind::Classic:  // not a modern setting; Lahiri is the nearest
        case AyanamsaKind::Lahiri: break;
    }
    return SE_SIDM_LAHIRI;
}

// The ayanamsa of date (with nutation, as the tropical longitudes have it), degrees. The mode
// is set on every call: the library keeps it per thread, and another request on this thread
// may have set another.
double Ayanamsa(double jdUt, AyanamsaKind ayanamsa) {
    swe_set_sid_mode(SiderealMode(ayanamsa), 0, 0);
    double value = 0;
    char serr[AS_MAXCH];
    swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH, &value, serr);
    return value;
}

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : (d >= 360 ? 0 : d);
}

// Longitude and speed of one body; zeros should the library fail (it does not for Moshier's
// bodies within its range, which spans millennia).
struct Motion {
    double longitude = 0, speed = 0;
};
Motion Calc(double jdUt, int sweBody, int32 flags) {
    double xx[6] = {};
    char serr[AS_MAXCH];
    if (swe_calc_ut(jdUt, sweBody, flags, xx, serr) < 0) return {};
    return {Normalized(xx[0]), xx[3]};
}

// Hours east of Greenwich of the clock the events are written in.
double EastHours(ZoneOffset zone, bool daylight) {
    return -(zone.hours + zone.minutes / 60.0) + (daylight ? 1 : 0);
}

// A Julian day (UT) as the local clock time of `east` hours, to the nearest second, counted from
// the midnight that opens `date`.
DateTime LocalClock(double jdUt, double east, const DateTime& date, double jdMidnight) {
    const double seconds = (jdUt + east / 24 - jdMidnight) * 86400;
    return date.AddSeconds(static_cast<int64_t>(std::llround(seconds)));
}

// The first rising or setting (`event`) of the Sun after `from` at `geopos` (longitude east,
// latitude, height), within `days`.
std::optional<double> FindSunEvent(double from, int32 event, const double* geopos,
                                   SunriseKind sunrise, double days) {
    const std::optional<double> when =
        SwissSunRiseOrSet(from, event == SE_CALC_RISE, geopos, sunrise);
    if (!when || !(*when < from + days)) return std::nullopt;
    return when;
}

}  // namespace

std::optional<double> SwissSunriseAfter(double jdUt, double lat, double lonEast,
                                        SunriseKind sunrise, double days) {
    double geopos[3] = {lonEast, lat, 0};
    return FindSunEvent(jdUt, SE_CALC_RISE, geopos, sunrise, days);
}

double JulianDayUt(const DateTime& local, ZoneOffset zone, bool daylight) {
    const DateTime::CivilDate d = local.Date();
    const double hours = local.Hour() + local.Minute() / 60.0 + local.Second() / 3600.0;
    return swe_julday(d.year, d.month, d.day, hours - EastHours(zone, daylight), SE_GREG_CAL);
}

BirthPositions SwissEphemeris::AtBirth(const LocalBirth& b) const {
    BirthPositions p;
    const double jd = JulianDayUt(
        DateTime::FromCivil(b.year, b.month, b.day, b.hour, b.minute, b.second), b.zone,
        b.daylight);
    const double ayanamsa = Ayanamsa(jd, settings_.ayanamsa);
    p.ayanamsaCorrection = -ayanamsa;
    for (int body = Sun; body <= Rahu; ++body) {
        const int sweBody = body == Rahu && settings_.node == NodeKind::True ? SE_TRUE_NODE
                                                                             : kSweBody[body];
        const bool planet = body >= Mercury && body <= Saturn;
        const Motion m = Calc(jd, sweBody, planet ? kFlags | SEFLG_SPEED : kFlags);
        p.longitude[body] = Normalized(m.longitude - ayanamsa);
        if (planet) p.retrograde[body] = m.speed < 0;
    }
    p.longitude[Ketu] = Normalized(p.longitude[Rahu] + 180);

    double lat = b.place.latDeg + b.place.latMin / 60.0;
    if (b.place.south) lat = -lat;
    double lon = b.place.lonDeg + b.place.lonMin / 60.0;
    if (!b.place.east) lon = -lon;
    double cusps[13] = {}, ascmc[10] = {};
    swe_houses_ex(jd, kFlags, lat, lon, 'E', cusps, ascmc);
    p.longitude[Asc] = Normalized(ascmc[SE_ASC] - ayanamsa);
    const int nakshatra = NakshatraIndex(p.longitude[Moon]);
    if (nakshatra >= 0) p.nakshatraStart = kNakshatraStartTable[nakshatra];
    return p;
}

SunEventStatus SwissEphemeris::SunEvents(const LocalBirth& b, const DateTime& date) const {
    SunEventStatus status;
    const int year = date.Year(), month = date.Month(), day = date.Day();
    status.dstApplied =
        b.daylight && IsDaylightSaving(day, date.Weekday(), month, b.hour, b.minute);
    const double east = EastHours(b.zone, status.dstApplied);

    double geopos[3] = {b.place.lonDeg + b.place.lonMin / 60.0,
                        b.place.latDeg + b.place.latMin / 60.0, 0};
    if (!b.place.east) geopos[0] = -geopos[0];
    if (b.place.south) geopos[1] = -geopos[1];

    const DateTime midnight = DateTime::FromCivil(year, month, day);
    const double jdMidnight = swe_julday(year, month, day, 0, SE_GREG_CAL);
    // Local mean midnight at the place: the day's sunrise follows it within a day.
    const double start = jdMidnight - geopos[0] / 360;
    const SunRiseThenSet events = SwissSunRiseThenSet(start, geopos, settings_.sunrise, 1);
    const std::optional<double>& rise = events.rise;
    if (!rise) return status;
    status.sunrise = LocalClock(*rise, east, midnight, jdMidnight);
    status.sunriseClock = DateTime::FromCivil(year, month, day, status.sunrise.Hour(),
                                              status.sunrise.Minute(), status.sunrise.Second());
    status.sunriseOk = true;
    const std::optional<double>& set = events.set;
    if (!set) return status;
    status.sunset = LocalClock(*set, east, midnight, jdMidnight);
    status.sunsetClock = DateTime::FromCivil(year, month, day, status.sunset.Hour(),
                                             status.sunset.Minute(), status.sunset.Second());
    status.sunsetOk = true;
    return status;
}

double SwissEphemeris::SunAt(const DateTime& local, ZoneOffset zone, bool daylightApplied,
                             double /*ayanamsaCorrection*/) const {
    const double jd = JulianDayUt(local, zone, daylightApplied);
    return Normalized(Calc(jd, SE_SUN, kFlags).longitude - Ayanamsa(jd, settings_.ayanamsa));
}

double SwissTropicalLongitude(int body, double jdUt) {
    return Calc(jdUt, kSweBody[body], kFlags).longitude;
}

const char* SwissVersion() {
    static thread_local char version[AS_MAXCH];
    return swe_version(version);
}

}  // namespace kalodaya
