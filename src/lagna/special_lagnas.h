#pragma once
// The ghati lagna, the arudha padas and the hidden lagnas of one chart, as marks per sign.
// Every function here works on one request's values only: nothing is kept between charts.
#include <array>
#include <cstdint>
#include <optional>

#include "base/tables.h"

namespace kalodaya {

// The marks of the chart's marker cells, by sign index. A cell shows its arudha lines first,
// then "GL" when it holds the ghati lagna, then the hidden lagnas' lines.
struct SignMarks {
    std::array<uint8_t, kSignCount> arudha{};  // empty lines from the arudha pass
    int ghatiLagnaSign = -1;                   // the cell that shows "GL", or -1
    std::array<uint8_t, kSignCount> hidden{};  // empty lines of the hidden lagnas
};

// What the arudha pass leaves for the hidden lagnas besides its marks.
struct ArudhaPass {
    std::array<uint8_t, kSignCount> marks{};
    int ascKala = 0;        // KalaBySign of the ascendant's sign number (0 without a sign)
    int moonKala = 0;       // the same for the Moon
    int ascSignNumber = 0;  // the first house's sign number, 1..12 (0 without one)
};

// The arudha pass over the twelve houses counted from the ascendant's sign. `bodySign` holds
// each body's sign index as its position text shows it (-1 where the text has no sign code);
// a retrograde lord carries the " (R) " mark in its name, so it is not found as the lord.
ArudhaPass PlaceArudhaPadas(const std::array<int, kBodyCount>& bodySign,
                            const std::array<bool, kBodyCount>& retrograde);

struct GhatiLagna {
    double longitude = 0;  // sidereal degrees, [0, 360)
    int sign = 0;          // as its position text shows it
};

// The Sun's sidereal longitude at the reference sunrise (degrees) advanced 1.25 degrees per
// whole minute since that sunrise; nothing for a value that is no angle.
std::optional<GhatiLagna> ComputeGhatiLagna(double sunAtSunrise, int32_t elapsedMinutes);

struct HiddenLagnaInputs {
    double sunAtSunrise = 0;  // sidereal degrees
    int32_t elapsedMinutes = 0;
    int32_t elapsedSeconds = 0;
    double ascendant = 0;  // sidereal degrees at the birth
    double moon = 0;       // sidereal degrees at the birth
    double moonNakshatraStart = 0;
    int moonSign = -1;  // as its position text shows it
    ArudhaPass arudha;
};

// Hora, bhava, kala-count and varnada lagnas, the Moon, the Sun at sunrise, the sree lagna and
// the pranapada, one empty line each in the cell of its sign.
void PlaceHiddenLagnas(const HiddenLagnaInputs& in, std::array<uint8_t, kSignCount>& marks);

}  // namespace kalodaya
