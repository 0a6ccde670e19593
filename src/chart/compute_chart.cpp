#include "chart/compute_chart.h"

#include <cstdlib>

#include "astro/ascendant.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/retrograde.h"
#include "astro/sunrise.h"
#include "base/angles.h"
#include "chart/reference_sunrise.h"

namespace kalodaya {
namespace {

// The sidereal ascendant, Moon, Sun, planets and nodes at the birth, and the retrograde marks.
void ComputeBirthPositions(const LocalBirth& b, ChartResult& r) {
    // The birth moment in Universal Time, once for every body.
    const UniversalBirth ut = ToUniversalTime(b);
    const SiderealAscendant asc = ComputeAscendant(ut);
    const SiderealMoon moon = ComputeMoon(ut);
    r.ayanamsaCorrection = asc.ayanamsaCorrection;
    r.longitude[Asc] = asc.longitude;
    r.longitude[Moon] = moon.longitude;
    r.moonNakshatraStart = moon.nakshatraStart.value_or(0);
    if (ut.byCalendar) ComputePlanets(*ut.byCalendar, asc.ayanamsaCorrection, r.longitude);

    // The clock values as entered: only the date counts for the station tables.
    const auto flags =
        RetrogradeFlags(DateTime::FromCivil(b.year, b.month, b.day, b.hour, b.minute));
    for (int k = 0; k < kRetroPlanetCount; ++k) r.retrograde[Mercury + k] = flags[k];
}

// The Sun at the reference sunrise: the sunrise's clock time to the minute, in the birth's zone,
// less the daylight hour when that sunrise's clock time carried it.
double SunAtReferenceSunrise(const LocalBirth& b, const ReferenceSunrise& ref,
                             double ayanamsaCorrection) {
    const DateTime& t = ref.sunrise;
    const DateTime::CivilDate date = t.Date();
    const auto ut = PlanetRunInstant(date.year, date.month, date.day, t.Hour(), t.Minute(), b.zone,
                                     ref.daylightApplied);
    return ut ? ComputeSunLongitude(*ut, ayanamsaCorrection) : 0;
}

}  // namespace

namespace {

ChartResult Compute(const ChartRequest& request, SunEventMemo* memo) {
    ChartResult r;
    r.request = request;
    const LocalBirth& b = request.birth;
    r.birthMoment = DateTime::FromCivil(b.year, b.month, b.day, b.hour, b.minute, b.second);

    ComputeBirthPositions(b, r);
    for (int k = 0; k < kBodyCount; ++k) r.bodySign[k] = SignIndexOfLongitudeLabel(r.longitude[k]);
    const ArudhaPass arudha = PlaceArudhaPadas(r.bodySign, r.retrograde);
    r.marks.arudha = arudha.marks;

    SunDays days(b, memo);
    for (int i = 0; i < 3; ++i) {
        const SunEventStatus& status = days.At(i == 0 ? 0 : (i == 1 ? -1 : 1)).status;
        if (status.sunriseOk) r.sunEvents[2 * i] = status.sunrise;
        if (status.sunsetOk) r.sunEvents[2 * i + 1] = status.sunset;
    }

    // Without its reference sunrise the chart has no ghati lagna: nothing is built on another
    // date's values.
    const auto ref = ChooseReferenceSunrise(r.birthMoment, days);
    if (!ref) {
        r.polar = ref.error();
        return r;
    }
    r.referenceSunrise = ref->sunrise;
    r.elapsedMinutes = ref->elapsedMinutes;
    r.elapsedSeconds = ref->elapsedSeconds;
    r.sunAtSunrise = SunAtReferenceSunrise(b, *ref, r.ayanamsaCorrection);

    r.ghatiLagna = ComputeGhatiLagna(r.sunAtSunrise, r.elapsedMinutes);
    if (r.ghatiLagna) r.marks.ghatiLagnaSign = r.ghatiLagna->sign;

    HiddenLagnaInputs hidden;
    hidden.sunAtSunrise = r.sunAtSunrise;
    hidden.elapsedMinutes = r.elapsedMinutes;
    hidden.elapsedSeconds = r.elapsedSeconds;
    hidden.ascendant = r.longitude[Asc];
    hidden.moon = r.longitude[Moon];
    hidden.moonNakshatraStart = r.moonNakshatraStart;
    hidden.moonSign = r.bodySign[Moon];
    hidden.arudha = arudha;
    PlaceHiddenLagnas(hidden, r.marks.hidden);
    return r;
}

}  // namespace

ChartResult ComputeChart(const ChartRequest& request) { return Compute(request, nullptr); }

ChartResult ComputeChart(const ChartRequest& request, SunEventMemo& memo) {
    return Compute(request, &memo);
}

}  // namespace kalodaya
