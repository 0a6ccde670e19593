// The ghati lagna and its two slower companions.
#include "base/angles.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

double AdvanceFromSunrise(double sunAtSunrise, double degreesPerMinute, int32_t minutes) {
    // "While above 360, less 360" in one step (exactly 360 stays 360 here; its sign is Aries),
    // so that a value that is no angle ends instead of looping for ever.
    return SubtractWhileAbove360(sunAtSunrise + degreesPerMinute * minutes);
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

std::optional<GhatiLagna> ComputeGhatiLagna(double sunAtSunrise, int32_t elapsedMinutes) {
    double gl = GhatiLagnaLongitude(sunAtSunrise, elapsedMinutes);
    if (gl == 360) gl = 0;  // 0 degrees Aries, so that degrees, text and sign agree
    const int sign = SignIndexOfLongitude(gl);
    if (sign < 0) return std::nullopt;  // no angle, no sign
    return GhatiLagna{gl, sign};
}

}  // namespace kalodaya
