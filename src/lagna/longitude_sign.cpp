#include "lagna/longitude_sign.h"

#include <cmath>

#include "base/tables.h"
#include "base/angles.h"

namespace kalodaya {

namespace {
double ReducedForLabel(double degrees) {
    double x = std::fabs(degrees);  // FormatSignDms takes the magnitude
    // 360 is 0 degrees Aries. Chart longitudes stay below 720, where one subtraction is exact;
    // larger values are reduced in one step instead of a loop that could run for ever.
    if (x >= 720) x = std::fmod(x, 360);
    while (x >= 360) x -= 360;
    return x;
}
}  // namespace

int SignIndexOfLongitude(double degrees) {
    if (!std::isfinite(degrees)) return -1;  // no angle, no sign (and no endless reduction)
    return SignIndexOfLongitudeLabel(ReducedForLabel(degrees));
}

LongitudeSign SignOfLongitude(double degrees) {
    if (!std::isfinite(degrees)) return {};
    const double x = ReducedForLabel(degrees);
    LongitudeSign out;
    FormatPlanetLabelOfLongitude(x, out.label);
    out.sign = SignIndexOfText(out.label);
    return out;
}

}  // namespace kalodaya
