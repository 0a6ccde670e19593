#include "astro/ayanamsa.h"

#include <cmath>

#include "base/angles.h"

namespace kalodaya {

double AyanamsaCorrection1900(double t) {
    // X: the negated longitude of the Moon's mean node; Y: twice the Sun's mean longitude.
    const double x = SubtractWhileAtLeast360((-933060 + 6962911 * t + 7.5 * t * t) / 3600);
    const double y = (2013816 + 259205536 * t) / 3600;
    const double n = 1.27 * std::sin(y * kDegToRad) + 17.23 * std::sin(x * kDegToRad);
    const double r = n - t * (5025.64 + 1.11 * t);
    return (r - 80861.27) / 3600;
}

double AyanamsaCorrection2000(double t) {
    const double omega = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double l = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    const double n = 1.27 * std::sin(l * kDegToRad) + 17.23 * std::sin(omega * kDegToRad);
    const double r = n - t * (5025.64 + 1.11 * t);
    return (r - 85886.27) / 3600;
}

}  // namespace kalodaya
