// The arudha pada of each house.
#include <array>

#include "lagna/lagna_math.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

// KalaBySign by sign number; Virgo and Aquarius carry 10, not 12.
constexpr std::array<int, 12> kKala = {10, 1, 1, 10, 6, 10, 8, 16, 30, 8, 10, 6};

// The body that rules each sign (kSignLords by body): the lord is found by name, and each lord's
// name belongs to one body only.
constexpr std::array<Body, kSignCount> kLordBody = [] {
    std::array<Body, kSignCount> bodies{};
    for (int sign = 0; sign < kSignCount; ++sign)
        for (int k = 0; k < kBodyCount; ++k)
            if (kPlainPlanetNames[k] == kSignLords[sign]) bodies[sign] = static_cast<Body>(k);
    return bodies;
}();
static_assert(kLordBody[0] == Mars && kLordBody[3] == Moon && kLordBody[11] == Jupiter);

void Mark(std::array<uint8_t, kSignCount>& marks, int cell) {
    if (cell >= 0 && cell < kSignCount) ++marks[cell];
}

}  // namespace

int KalaBySign(int signNumber) {
    if (signNumber < 1 || signNumber > 12) return 0;
    return kKala[signNumber - 1];
}

ArudhaPass PlaceArudhaPadas(const std::array<int, kBodyCount>& bodySign,
                            const std::array<bool, kBodyCount>& retrograde) {
    ArudhaPass out;
    // The working values of the pass, kept 16 bits wide as our rule has them; they carry from
    // house to house within this chart only.
    int16_t lordSignNo = 0, houseSignNo = 0, lagnaLordSignNo = 0;
    const int first = bodySign[Asc] >= 0 ? bodySign[Asc] : 0;

    for (int house = 1; house <= kSignCount; ++house) {
        const int sign = (first + house - 1) % kSignCount;
        // The body named as the lord gives the lord's sign when it has one; a retrograde lord's
        // name carries its mark, does not match, and the value of the house before stays.
        const Body lord = kLordBody[sign];
        if (!retrograde[lord] && bodySign[lord] >= 0)
            lordSignNo = static_cast<int16_t>(bodySign[lord] + 1);
        if (bodySign[Moon] >= 0) out.moonKala = KalaBySign(bodySign[Moon] + 1);
        if (bodySign[Asc] >= 0) {
            houseSignNo = static_cast<int16_t>(bodySign[Asc] + 1);
            out.ascKala = KalaBySign(bodySign[Asc] + 1);
        }

        if (house == 1) {
            out.ascSignNumber = houseSignNo;
            lagnaLordSignNo = lordSignNo;
        } else {
            houseSignNo = static_cast<int16_t>(houseSignNo + (house - 1));  // not reduced
        }

        int d = 2 * (lordSignNo - houseSignNo);
        while (d < 0) d += 12;
        if (d > 12) d -= 12;
        if (d == 0 || d == 12) d = 9;
        d += houseSignNo;
        while (d > 12) d -= 12;
        // The seventh from the house is replaced by the tenth, compared with the unreduced
        // house sign number: our rule compares before reducing (from 19 upward this never holds).
        if (d - houseSignNo == 6 || d - houseSignNo == -6) {
            d += 9;
            while (d > 12) d -= 12;
        }
        Mark(out.marks, d - 1);
        if (house == 1) Mark(out.marks, lagnaLordSignNo - 1);
    }
    return out;
}

}  // namespace kalodaya
