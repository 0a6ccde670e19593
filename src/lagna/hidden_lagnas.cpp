// The hidden lagnas, each an empty marker line in the cell of its sign.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "base/angles.h"
#include "base/text_convert.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

using Marks = std::array<uint8_t, kSignCount>;

void Mark(Marks& marks, int cell) {
    if (cell >= 0 && cell < kSignCount) ++marks[cell];
}

void MarkLongitude(Marks& marks, double degrees) {
    Mark(marks, SignIndexOfLongitude(degrees));
}

// Characters `first` (1-based) and the next of a text as a number; nothing when they are not.
std::optional<int> TwoDigits(std::string_view text, std::size_t first) {
    if (text.size() < first + 1) return std::nullopt;
    return ToInteger(text.substr(first - 1, 2));
}

// The pranapada: the time since sunrise in vighatis, turned into signs, degrees and minutes and
// added to the degrees and minutes of the Sun's position text at sunrise.
void MarkPranapada(const HiddenLagnaInputs& in, Marks& marks) {
    const double v = ((in.elapsedSeconds / 3600.0) * 150) / 15;
    const PranaParts parts = Vighati2Degree(v);

    // The carries read the Sun's label digits ("28 Can 20": degrees 28, minutes 20).
    std::string sun;
    FormatPlanetLabelOfLongitude(in.sunAtSunrise, sun);
    const auto sunMin = TwoDigits(sun, 8);
    const auto sunDeg = TwoDigits(sun, 1);
    const auto k = SignIndexOfText(sun);
    if (!sunMin || !sunDeg || !k) return;  // no usable Sun text: this marker fails alone

    const double carryMin = std::floor((*sunMin + parts.min) / 60);
    const double carrySign = std::floor((carryMin + *sunDeg + parts.deg) / 30);
    const double signs = parts.signs + carrySign;

    int idx = static_cast<int>(signs) + *k;
    switch (ClassOfSign(*k)) {
        case SignClass::Movable:
            break;
        case SignClass::Fixed:
            idx += 8;
            break;
        case SignClass::Dual:
            idx += 4;
            break;
    }
    while (idx > 11) idx -= 12;
    Mark(marks, idx);
}

}  // namespace

double VarnadaLagnaLongitude(double ascDegInt, double horaInt) {
    const double x = std::floor(ascDegInt / 30);
    const double y = std::floor(horaInt / 30);
    const bool ascOdd = std::fmod(x, 2) == 0;  // an even sign index is an odd sign
    const bool horaOdd = std::fmod(y, 2) == 0;
    const double a = ascOdd ? ascDegInt : 360 - ascDegInt;
    const double b = horaOdd ? horaInt : 360 - horaInt;
    double w = ascOdd == horaOdd ? std::fabs(a + b) : std::fabs(a - b);
    while (w > 360) w -= 360;
    if (!ascOdd) w = 360 - w;
    return w;
}

double SreeLagnaLongitude(double ascDeg, double moonSidereal, double moonNakshatraStart) {
    double s = ascDeg + (moonSidereal - moonNakshatraStart) * (3.0 / 40) * 360;
    while (s > 360) s -= 360;
    return s;
}

PranaParts Vighati2Degree(double v) {
    const double x = std::fabs(v);
    const double d = std::floor(x);
    const double f = (x - d) * 30;
    const double m = (f - std::floor(f)) * 60;
    const double s = (m - std::floor(m)) * 60;
    return {std::floor(d / 15), std::floor(f), std::floor(m), std::floor(s)};
}

void PlaceHiddenLagnas(const HiddenLagnaInputs& in, Marks& marks) {
    const double hora = HoraLagnaLongitude(in.sunAtSunrise, in.elapsedMinutes);
    MarkLongitude(marks, hora);
    MarkLongitude(marks, BhavaLagnaLongitude(in.sunAtSunrise, in.elapsedMinutes));

    // The kala-count lagna: no cell for sign number 0.
    const int a = (in.arudha.ascKala + in.arudha.moonKala) % 12;
    int kalaSign = in.arudha.ascSignNumber + a - 1;
    while (kalaSign > 12) kalaSign -= 12;
    Mark(marks, kalaSign - 1);

    MarkLongitude(marks, VarnadaLagnaLongitude(std::floor(in.ascendant), std::floor(hora)));

    // The Moon at birth and the Sun at the reference sunrise, by their position texts' signs.
    Mark(marks, in.moonSign);
    Mark(marks, SignIndexOfLongitudeLabel(in.sunAtSunrise));

    MarkLongitude(marks, SreeLagnaLongitude(in.ascendant, in.moon, in.moonNakshatraStart));
    MarkPranapada(in, marks);
}

}  // namespace kalodaya
