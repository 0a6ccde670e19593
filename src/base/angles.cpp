#include "base/angles.h"

#include <charconv>
#include <cmath>
#include <string>

#include "base/tables.h"

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
    // Fix(q): truncation toward zero (a conversion while the value fits).
    const double whole =
        std::fabs(q) < 9.0e18 ? static_cast<double>(static_cast<long long>(q)) : std::trunc(q);
    double r = (q - whole) * kTwoPi;
    if (r < 0) r += kTwoPi;
    return r;
}

// Our rule is stated as loops that add or subtract 360 one turn at a time. For
// |a| >= 360 every subtraction, and every addition but the last, is exact (the values are
// multiples of a's unit in the last place and shrink in size), so the loops' results are reached
// here in one jump to the last value the loop would meet, followed by the loop's own last step.
namespace {
constexpr double kLargeAngle = 1099511627776.0;  // 2^40 degrees: beyond, fall back to fmod
}

double SubtractWhileAtLeast360(double a) {
    if (!(a >= 360)) return a;
    if (a >= kLargeAngle) return std::fmod(a, 360.0);
    // The loop ends in [0, 360) with a - 360 k; every subtraction is exact.
    double r = a - 360 * std::floor(a / 360);
    if (r < 0) r += 360;
    if (r >= 360) r -= 360;
    return r;
}

double SubtractWhileAbove360(double a) {
    if (!(a > 360)) return a;
    const double r = SubtractWhileAtLeast360(a);
    return r == 0 ? 360 : r;  // the loop stops at exactly 360
}

double AddWhileNegative(double a) {
    if (!(a < 0)) return a;
    if (a <= -kLargeAngle) {
        const double r = std::fmod(a, 360.0);
        return r < 0 ? r + 360 : 0.0;
    }
    // y: the loop's value before its last addition, in [-360, 0), reached exactly.
    double y = a;
    if (a < -360) {
        y = a + 360 * (std::ceil(-a / 360) - 1);
        if (y < -360) y += 360;
        if (y >= 0) y -= 360;
    }
    return y + 360;
}

namespace {

// Plain decimal digits of a whole number below 2^63, no leading zeros.
char* WriteWhole(char* p, char* end, double value) {
    const auto n = static_cast<long long>(value);
    if (n >= 0 && n < 10) {
        *p++ = static_cast<char>('0' + n);
        return p;
    }
    if (n >= 10 && n < 100) {
        *p++ = static_cast<char>('0' + n / 10);
        *p++ = static_cast<char>('0' + n % 10);
        return p;
    }
    return std::to_chars(p, end, n).ptr;
}

char* WriteText(char* p, std::string_view text) {
    for (char ch : text) *p++ = ch;
    return p;
}

// The numbers of FormatSignDms: whole degrees within the sign, minutes, seconds, sign index.
struct SignDms {
    double d, m, s, k;
    bool ok;  // false for a longitude that is no finite number
};

// Inlined into its callers: the five numbers then stay in registers.
[[gnu::always_inline]] inline SignDms SplitSignDms(double x) {
    x = std::fabs(x);
    if (!std::isfinite(x)) return {0, 0, 0, 0, false};
    if (x >= 9.0e18) {  // beyond whole numbers that convert: the same steps in doubles
        double d = std::floor(x);
        const double m = 60 * (x - d);
        const double mi = std::floor(m);
        const double k = std::floor(d / 30);
        d = std::fmod(d, 30.0);
        return {d, mi, std::floor(60 * (m - mi)), k, true};
    }
    const auto whole = static_cast<long long>(x);  // Int, x >= 0
    const double m = 60 * (x - static_cast<double>(whole));
    const auto mi = static_cast<long long>(m);
    const auto s = static_cast<long long>(60 * (m - static_cast<double>(mi)));
    const long long k = whole / 30;  // sign index; D less 30 while D >= 30 is whole - 30 k
    return {static_cast<double>(whole - 30 * k), static_cast<double>(mi), static_cast<double>(s),
            static_cast<double>(k), true};
}

std::string_view SignCode(double k) {
    return k < 12 ? kSignCodeString.substr(static_cast<size_t>(k) * 3, 3) : std::string_view();
}

// Writes the FormatSignDms text of x into buf (at least 64 bytes); returns its length.
size_t SignDmsChars(const SignDms& v, char* buf) {
    if (!v.ok) return 0;  // no number to write
    char* const end = buf + 64;
    char* p = WriteWhole(buf, end, v.d);
    p = WriteText(p, kDegreeSign);
    *p++ = ' ';
    p = WriteWhole(p, end, v.m);
    p = WriteText(p, "' ");
    p = WriteWhole(p, end, v.s);
    p = WriteText(p, "\" ");
    p = WriteText(p, SignCode(v.k));
    return static_cast<size_t>(p - buf);
}

// Blanks trimmed from both ends (VB's Trim: the space character only).
std::string_view Trimmed(std::string_view t) {
    size_t first = 0, last = t.size();
    while (first < last && t[first] == ' ') ++first;
    while (last > first && t[last - 1] == ' ') --last;
    return t.substr(first, last - first);
}

// The parts of a FormatPlanetLabel text, each already trimmed; false when t has no degree sign
// followed by an apostrophe.
bool LabelParts(std::string_view t, std::string_view& deg, std::string_view& min,
                std::string_view& sign) {
    const std::string_view u = Trimmed(t);
    size_t p = std::string_view::npos, q = std::string_view::npos;
    for (size_t i = 0; i < u.size(); ++i) {
        if (p == std::string_view::npos && u[i] == kDegreeSign[0] && i + 1 < u.size() &&
            u[i + 1] == kDegreeSign[1]) {
            p = i;
        }
        if (u[i] == '\'') {
            q = i;
            break;
        }
    }
    if (p == std::string_view::npos || q == std::string_view::npos || q < p) return false;
    deg = Trimmed(u.substr(0, p));
    const auto minStart = p + kDegreeSign.size();
    min = Trimmed(u.substr(minStart, q - minStart));
    sign = Trimmed(t.size() >= 3 ? t.substr(t.size() - 3) : t);
    return true;
}

char* WritePadded(char* p, std::string_view part) {
    if (part.size() <= 1) *p++ = '0';
    return WriteText(p, part);
}

// The texts of a longitude that FormatLongitudeTexts writes directly: a number with a sign code
// and minutes and seconds of at most two digits.
bool HasPlainTexts(const SignDms& v) {
    return v.ok && v.k < 12 && v.m < 100 && v.s < 100;
}

// The label "DD code MM": two digits each (the numbers are below 100 here).
void WriteLabel(int deg, int min, const char* code, std::string& label) {
    label.resize(9);
    char* q = label.data();
    q[0] = static_cast<char>('0' + deg / 10);
    q[1] = static_cast<char>('0' + deg % 10);
    q[2] = ' ';
    q[3] = code[0];
    q[4] = code[1];
    q[5] = code[2];
    q[6] = ' ';
    q[7] = static_cast<char>('0' + min / 10);
    q[8] = static_cast<char>('0' + min % 10);
}

}  // namespace

std::string FormatSignDms(double x) {
    std::string text;
    FormatSignDmsInto(x, text);
    return text;
}

void FormatSignDmsInto(double x, std::string& out) {
    char buf[64];
    const size_t n = SignDmsChars(SplitSignDms(x), buf);
    out.assign(buf, n);
}

void FormatLongitudeTexts(double x, std::string& dms, std::string& label) {
    const SignDms v = SplitSignDms(x);
    if (!HasPlainTexts(v)) {
        // No sign code (the label then reads the text's last characters), or no number.
        FormatSignDmsInto(x, dms);
        FormatPlanetLabelInto(dms, label);
        return;
    }
    const int deg = static_cast<int>(v.d), min = static_cast<int>(v.m), sec = static_cast<int>(v.s);
    const char* const code = kSignCodeString.data() + static_cast<size_t>(v.k) * 3;
    // D° M' S" code, each number without leading zeros, written in place.
    const auto digits = [](int n) { return n >= 10 ? 2 : 1; };
    dms.resize(static_cast<size_t>(digits(deg) + digits(min) + digits(sec) + 10));
    char* p = dms.data();
    const auto put = [&p](int n) {
        if (n >= 10) *p++ = static_cast<char>('0' + n / 10);
        *p++ = static_cast<char>('0' + n % 10);
    };
    put(deg);
    *p++ = kDegreeSign[0];
    *p++ = kDegreeSign[1];
    *p++ = ' ';
    put(min);
    *p++ = '\'';
    *p++ = ' ';
    put(sec);
    *p++ = '"';
    *p++ = ' ';
    *p++ = code[0];
    *p++ = code[1];
    *p++ = code[2];
    WriteLabel(deg, min, code, label);
}

void FormatPlanetLabelOfLongitude(double x, std::string& label) {
    const SignDms v = SplitSignDms(x);
    if (!HasPlainTexts(v)) {
        std::string dms;
        FormatSignDmsInto(x, dms);
        FormatPlanetLabelInto(dms, label);
        return;
    }
    WriteLabel(static_cast<int>(v.d), static_cast<int>(v.m),
               kSignCodeString.data() + static_cast<size_t>(v.k) * 3, label);
}

std::string FormatPlanetLabel(std::string_view t) {
    std::string label;
    FormatPlanetLabelInto(t, label);
    return label;
}

int SignIndexOfLongitudeLabel(double x) {
    const SignDms v = SplitSignDms(x);
    if (HasPlainTexts(v)) return static_cast<int>(v.k);  // the label's code is sign v.k's
    std::string label;
    FormatPlanetLabelOfLongitude(x, label);
    return SignIndexOfPositionOrNone(label);
}

void FormatPlanetLabelInto(std::string_view t, std::string& out) {
    std::string_view deg, min, sign;
    if (!LabelParts(t, deg, min, sign)) {
        out.clear();
        return;
    }
    const size_t size = deg.size() + min.size() + sign.size() + 4;
    char small[32];
    std::string large;
    if (size > sizeof small) large.resize(size);
    char* const start = size > sizeof small ? large.data() : small;
    char* p = WritePadded(start, deg);
    *p++ = ' ';
    p = WriteText(p, sign);
    *p++ = ' ';
    p = WritePadded(p, min);
    out.assign(start, static_cast<size_t>(p - start));
}

}  // namespace kalodaya
