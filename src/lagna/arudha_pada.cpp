// The arudha pada of one house.
#include <array>

#include "core/result_texts.h"
#include "core/tables.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

// KalaBySign by sign number; Virgo and Aquarius carry 10, not 12.
constexpr std::array<int, 12> kKala = {10, 1, 1, 10, 6, 10, 8, 16, 30, 8, 10, 6};

constexpr std::string_view kArudhaMarker = "";

// a == b for the short display names, compared here rather than by a library call: the pass
// compares ten names for each of the twelve houses.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace

int KalaBySign(int signNumber) {
    if (signNumber < 1 || signNumber > 12) return 0;
    return kKala[signNumber - 1];
}

void PlaceArudhaPada(AppState& state, int /*signIndex: not used by the computation*/,
                     std::string_view lord) {
    SpecialLagnaState& w = state.lagna;
    const ChartState& c = state.chart;
    w.HouseCounter = static_cast<int16_t>(w.HouseCounter + 1);

    // The scan over the ten bodies, reading only the texts whose sign it keeps: the last body
    // named `lord` that has a sign gives LordSignNo (a retrograde lord carries its suffix, does
    // not match, and LordSignNo keeps its value); the Moon and the ascendant give their kalas.
    for (int k = kBodyCount - 1; k >= 0; --k) {
        if (!SameName(c.PlanetNames[k], lord)) continue;
        if (const int sign = SignIndexOfPositionOrNone(c.PlanetPosText[k]); sign >= 0) {
            w.LordSignNo = static_cast<int16_t>(sign + 1);
            break;
        }
    }
    if (const int sign = SignIndexOfPositionOrNone(c.PlanetPosText[Moon]); sign >= 0)
        w.MoonKala = static_cast<int16_t>(KalaBySign(sign + 1));
    if (const int sign = SignIndexOfPositionOrNone(c.PlanetPosText[Asc]); sign >= 0) {
        w.HouseSignNo = static_cast<int16_t>(sign + 1);
        w.AscKala = static_cast<int16_t>(KalaBySign(sign + 1));
    }

    const int house = w.HouseCounter;
    if (house == 1) {
        w.AscSignNo = w.HouseSignNo;
        w.LagnaLordSignNo = w.LordSignNo;
    } else if (house >= 2 && house <= 12) {
        w.HouseSignNo = static_cast<int16_t>(w.HouseSignNo + (house - 1));  // not reduced
    }

    int d = 2 * (w.LordSignNo - w.HouseSignNo);
    while (d < 0) d += 12;
    if (d > 12) d -= 12;
    if (d == 0 || d == 12) d = 9;
    d += w.HouseSignNo;
    while (d > 12) d -= 12;
    // The seventh from the house is replaced by the tenth, compared with the unreduced
    // HouseSignNo as the algorithm is written (from 19 upward this never holds).
    if (d - w.HouseSignNo == 6 || d - w.HouseSignNo == -6) {
        d += 9;
        while (d > 12) d -= 12;
    }
    AppendMarker(state.view, d - 1, kArudhaMarker);
    if (house == 1) AppendMarker(state.view, w.LagnaLordSignNo - 1, kArudhaMarker);
}

}  // namespace kalodaya
