#include "lagna/longitude_sign.h"

#include <cmath>

#include "core/tables.h"
#include "ephemeris/angles.h"

namespace kalodaya {

namespace {
double ReducedForLabel(double degrees) {
    double x = std::fabs(degrees);  // FormatSignDms takes the magnitude
    while (x >= 360) x -= 360;      // 360 is 0 degrees Aries
    return x;
}
}  // namespace

int SignIndexOfLongitude(double degrees) {
    return SignIndexOfLongitudeLabel(ReducedForLabel(degrees));
}

LongitudeSign SignOfLongitude(double degrees) {
    const double x = ReducedForLabel(degrees);
    LongitudeSign out;
    FormatPlanetLabelOfLongitude(x, out.label);
    out.sign = SignIndexOfText(out.label);
    return out;
}

}  // namespace kalodaya
