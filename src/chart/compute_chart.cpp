#include "chart/compute_chart.h"

#include "astro/classic_ephemeris.h"
#include "astro/swiss_ephemeris.h"
#include "base/angles.h"
#include "chart/reference_sunrise.h"

namespace kalodaya {
namespace {

// The sidereal ascendant, Moon, Sun, planets and nodes at the birth, and the retrograde marks.
void ComputeBirthPositions(const Ephemeris& ephemeris, const LocalBirth& b, ChartResult& r) {
    const BirthPositions p = ephemeris.AtBirth(b);
    r.ayanamsaCorrection = p.ayanamsaCorrection;
    r.longitude = p.longitude;
    r.retrograde = p.retrograde;
    r.moonNakshatraStart = p.nakshatraStart.value_or(0);
}

ChartResult ComputeWith(const Ephemeris& ephemeris, const ChartRequest& request,
                        SunEventMemo* memo) {
    ChartResult r;
    r.request = request;
    const LocalBirth& b = request.birth;
    r.birthMoment = DateTime::FromCivil(b.year, b.month, b.day, b.hour, b.minute, b.second);

    ComputeBirthPositions(ephemeris, b, r);
    for (int k = 0; k < kBodyCount; ++k) r.bodySign[k] = SignIndexOfLongitudeLabel(r.longitude[k]);
    const ArudhaPass arudha = PlaceArudhaPadas(r.bodySign, r.retrograde);
    r.marks.arudha = arudha.marks;

    SunDays days(b, &ephemeris, memo);
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
    // The Sun at the reference sunrise's clock time, in the birth's zone, less the daylight hour
    // when that sunrise's clock time carried it.
    r.sunAtSunrise =
        ephemeris.SunAt(ref->sunrise, b.zone, ref->daylightApplied, r.ayanamsaCorrection);

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

ChartResult Compute(const ChartRequest& request, SunEventMemo* memo) {
    const CalculationSettings& settings = request.settings;
    if (!settings.IsModern())
        return ComputeWith(ClassicEphemeris(settings.sunrise), request, memo);

    ChartResult r = ComputeWith(SwissEphemeris(settings), request, memo);
    // The classic ghati lagna beside the modern one, for users comparing with older charts.
    ChartRequest classic = request;
    classic.settings = CalculationSettings{};
    const ChartResult c = ComputeWith(ClassicEphemeris(), classic, nullptr);
    if (c.HasGhatiLagna()) r.classicGhatiLagna = c.ghatiLagna;
    return r;
}

}  // namespace

ChartResult ComputeChart(const ChartRequest& request) { return Compute(request, nullptr); }

ChartResult ComputeChart(const ChartRequest& request, SunEventMemo& memo) {
    return Compute(request, &memo);
}

}  // namespace kalodaya
