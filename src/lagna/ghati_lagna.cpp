// The ghati lagna.
#include "core/result_texts.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

double AdvanceFromSunrise(double sunAtSunrise, double degreesPerMinute, int32_t minutes) {
    double x = sunAtSunrise + degreesPerMinute * minutes;
    while (x > 360) x -= 360;  // exactly 360 stays 360 here; its sign is Aries
    return x;
}

}  // namespace

double GhatiLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes) {
    return AdvanceFromSunrise(sunAtSunrise, 1.25, elapsedMinutes);
}

double HoraLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes) {
    return AdvanceFromSunrise(sunAtSunrise, 0.5, elapsedMinutes);
}

double BhavaLagnaLongitude(double sunAtSunrise, int32_t elapsedMinutes) {
    return AdvanceFromSunrise(sunAtSunrise, 0.25, elapsedMinutes);
}

void PlaceGhatiLagna(AppState& state) {
    ChartState& c = state.chart;
    double gl = GhatiLagnaLongitude(c.SunAtSunrise, c.ElapsedMinutes);
    if (gl == 360) gl = 0;  // 0 degrees Aries, so that degrees, text and sign agree
    const LongitudeSign found = SignOfLongitude(gl);
    // A value that is no angle finds no sign: nothing is marked and the fields keep their
    // values, as a failing step does.
    if (!found.sign) return;
    c.GhatiLagnaDeg = gl;
    c.GhatiLagnaText = found.label;
    c.GhatiLagnaSign = static_cast<int16_t>(*found.sign);
    AppendMarker(state.view, *found.sign, "GL");
}

}  // namespace kalodaya
