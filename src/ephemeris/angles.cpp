#include "ephemeris/angles.h"

#include <cmath>

#include "core/text_convert.h"

namespace kalodaya {
namespace {
constexpr std::string_view kDegreeSign = "\xC2\xB0";  // U+00B0, two bytes in UTF-8
}

double QuadrantArctan(double y, double x) {
    const double sgn = (y > 0) - (y < 0);
    if (x > 0) return std::atan(y / x);
    if (x == 0) return sgn * kPi / 2;
    return (kPi - std::atan(std::fabs(y / x))) * sgn;
}

double Normalize360(double a) {
    if (a < 0) a += 360;
    if (a > 360) a -= 360;
    return a;
}

double ReduceToTwoPi(double a) {
    const double q = a / kTwoPi;
    double r = (q - std::trunc(q)) * kTwoPi;
    if (r < 0) r += kTwoPi;
    return r;
}

double SubtractWhileAtLeast360(double a) {
    if (a >= 360) a = std::fmod(a, 360.0);
    return a;
}

double SubtractWhileAbove360(double a) {
    if (a > 360) {
        a = std::fmod(a, 360.0);
        if (a == 0) a = 360;
    }
    return a;
}

double AddWhileNegative(double a) {
    if (a < 0) {
        a = std::fmod(a, 360.0);
        a = a < 0 ? a + 360 : 0.0;
    }
    return a;
}

std::string FormatSignDms(double x) {
    x = std::fabs(x);
    double d = std::floor(x);
    const double m = 60 * (x - d);
    const double mi = std::floor(m);
    const double s = std::floor(60 * (m - mi));
    const long long k = static_cast<long long>(std::floor(d / 30));
    while (d >= 30) d -= 30;
    std::string text = IntText(static_cast<long long>(d));
    text.append(kDegreeSign).append(" ");
    text.append(IntText(static_cast<long long>(mi))).append("' ");
    text.append(IntText(static_cast<long long>(s))).append("\" ");
    if (k >= 0 && k < 12) text.append(kSignCodeString.substr(static_cast<size_t>(k) * 3, 3));
    return text;
}

std::string FormatPlanetLabel(std::string_view t) {
    const std::string_view u = TrimBlanks(t);
    const auto p = u.find(kDegreeSign);
    const auto q = u.find('\'');
    if (p == std::string_view::npos || q == std::string_view::npos || q < p) return {};
    std::string deg(TrimBlanks(u.substr(0, p)));
    const auto minStart = p + kDegreeSign.size();
    std::string min(TrimBlanks(u.substr(minStart, q - minStart)));
    const std::string sign(TrimBlanks(t.size() >= 3 ? t.substr(t.size() - 3) : t));
    if (deg.size() <= 1) deg.insert(0, "0");
    if (min.size() <= 1) min.insert(0, "0");
    return deg + " " + sign + " " + min;
}

}  // namespace kalodaya
