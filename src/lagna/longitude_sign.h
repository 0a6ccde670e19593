#pragma once
// A longitude's sign, found as the special lagnas find it: FormatSignDms, then FormatPlanetLabel,
// then characters 4 to 6 of the label looked up in the sign codes.
#include <optional>
#include <string>
#include <string_view>

#include "base/tables.h"

namespace kalodaya {

struct LongitudeSign {
    std::string label;        // "19 Can 35"
    std::optional<int> sign;  // sign index 0..11; nothing only for a value that is no angle
};

// A longitude of exactly 360 degrees (the reductions "while > 360" leave it) is 0 degrees
// Aries: it is formatted as 0, so it gets the label "00 Ari 00" and the sign Aries instead of
// the empty code of sign index 12. Longitudes of 0 up to 360 are formatted as they are.
LongitudeSign SignOfLongitude(double degrees);
// SignOfLongitude(degrees).sign as an index, or -1, without the label.
int SignIndexOfLongitude(double degrees);

// The sign index of a position text's characters 4 to 6: SignIndexOfPosition of base/tables.h
// (the same exact, case-sensitive match).
inline std::optional<int> SignIndexOfText(std::string_view positionText) {
    return SignIndexOfPosition(positionText);
}

}  // namespace kalodaya
