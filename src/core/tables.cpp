#include "core/tables.h"

namespace kalodaya {

std::optional<int> SignIndexOfCode(std::string_view code) {
    for (int i = 0; i < kSignCount; ++i) {
        if (kSignCodes[i] == code) return i;
    }
    return std::nullopt;
}

std::string_view SignCodeOfPosition(std::string_view positionText) {
    if (positionText.size() < 6) return {};
    return positionText.substr(3, 3);
}

std::optional<int> SignIndexOfPosition(std::string_view positionText) {
    return SignIndexOfCode(SignCodeOfPosition(positionText));
}

}  // namespace kalodaya
