#include "lagna/longitude_sign.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/tables.h"
#include "ephemeris/angles.h"

namespace kalodaya {
namespace {

constexpr uint32_t Pack(std::string_view code) {
    return static_cast<uint32_t>(static_cast<unsigned char>(code[0])) |
           static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 16;
}

}  // namespace

std::optional<int> SignIndexOfText(std::string_view positionText) {
    if (positionText.size() < 6) return std::nullopt;
    static_assert(kSignCodes[0] == "Ari" && kSignCodes[11] == "Pis");
    switch (Pack(positionText.substr(3, 3))) {
        case Pack("Ari"):
            return 0;
        case Pack("Tau"):
            return 1;
        case Pack("Gem"):
            return 2;
        case Pack("Can"):
            return 3;
        case Pack("Leo"):
            return 4;
        case Pack("Vir"):
            return 5;
        case Pack("Lib"):
            return 6;
        case Pack("Sco"):
            return 7;
        case Pack("Sag"):
            return 8;
        case Pack("Cap"):
            return 9;
        case Pack("Aqu"):
            return 10;
        case Pack("Pis"):
            return 11;
        default:
            return std::nullopt;
    }
}

LongitudeSign SignOfLongitude(double degrees) {
    double x = std::fabs(degrees);  // FormatSignDms takes the magnitude
    while (x >= 360) x -= 360;      // 360 is 0 degrees Aries
    LongitudeSign out;
    out.label = FormatPlanetLabel(FormatSignDms(x));
    out.sign = SignIndexOfText(out.label);
    return out;
}

}  // namespace kalodaya
