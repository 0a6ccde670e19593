// B2 to B9: the hidden lagnas, each an empty marker line in the cell of its sign.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/result_texts.h"
#include "core/text_convert.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

constexpr std::string_view kArudhaMarker = "";

void MarkLongitude(AppState& state, double degrees) {
    if (const int sign = SignIndexOfLongitude(degrees); sign >= 0)
        AppendMarker(state.view, sign, kArudhaMarker);
}

void MarkPositionText(AppState& state, const std::string& positionText) {
    if (const auto sign = SignIndexOfText(positionText))
        AppendMarker(state.view, *sign, kArudhaMarker);
}

// Characters `first` (1-based) and the next of a text as a number; nothing when they are not.
std::optional<int> TwoDigits(std::string_view text, std::size_t first) {
    if (text.size() < first + 1) return std::nullopt;
    return ToInteger(text.substr(first - 1, 2));
}

// B9: the pranapada.
void MarkPranapada(AppState& state) {
    SpecialLagnaState& w = state.lagna;
    const ChartState& c = state.chart;
    const double v = ((c.ElapsedSeconds / 3600.0) * 150) / 15;
    const PranaParts parts = Vighati2Degree(v);
    w.PranaSigns = parts.signs;
    w.PranaDeg = parts.deg;
    w.PranaMin = parts.min;
    w.PranaSec = parts.sec;

    const std::string& sun = c.SunAtSunriseText;
    const auto sunMin = TwoDigits(sun, 8);
    const auto sunDeg = TwoDigits(sun, 1);
    const auto k = SignIndexOfText(sun);
    if (!sunMin || !sunDeg || !k) return;  // no usable Sun text: this marker fails alone

    const double carryMin = std::floor((*sunMin + w.PranaMin) / 60);
    const double carrySign = std::floor((carryMin + *sunDeg + w.PranaDeg) / 30);
    w.PranaSigns += carrySign;

    int idx = static_cast<int>(w.PranaSigns) + *k;
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
    AppendMarker(state.view, idx, kArudhaMarker);
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

void PlaceHiddenLagnas(AppState& state) {
    ChartState& c = state.chart;
    SpecialLagnaState& w = state.lagna;

    // B2 hora lagna.
    const double hora = HoraLagnaLongitude(c.SunAtSunrise, c.ElapsedMinutes);
    const double horaInt = std::floor(hora);
    MarkLongitude(state, hora);

    // B3 bhava lagna.
    MarkLongitude(state, BhavaLagnaLongitude(c.SunAtSunrise, c.ElapsedMinutes));

    // B4 kala-count lagna: no cell for sign number 0.
    const int a = (w.AscKala + w.MoonKala) % 12;
    int ascSign = w.AscSignNo + a - 1;
    while (ascSign > 12) ascSign -= 12;
    w.AscSignNo = static_cast<int16_t>(ascSign);
    AppendMarker(state.view, ascSign - 1, kArudhaMarker);

    // B5 varnada lagna.
    MarkLongitude(state, VarnadaLagnaLongitude(c.AscDegInt, horaInt));

    // B6 the Moon at birth, B7 the Sun at the reference sunrise.
    MarkPositionText(state, c.PlanetPosText[Moon]);
    MarkPositionText(state, c.PlanetPosText[Sun]);

    // B8 sree lagna.
    MarkLongitude(state, SreeLagnaLongitude(c.AscDeg, c.MoonSidereal, c.MoonNakshatraStart));

    // B9 pranapada.
    MarkPranapada(state);
}

}  // namespace kalodaya
