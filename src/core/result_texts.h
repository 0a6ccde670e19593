#pragma once
// Every text the results window shows, held until the window exists. The window only copies
// these into its controls.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/tables.h"

namespace kalodaya {

inline constexpr int kProfileFieldCount = 28;

struct BirthDetailsTexts {
    std::string name;  // lblName
    std::string dob;   // lblDOB   "March/5/1980"
    std::string tob;   // lblTOB   "9:5"
    std::string latitude;   // lblLatitude  "33° 52' S"
    std::string longitude;  // lblLongitude "151° 0' W"
    std::string city, state, country;
};

struct ResultTexts {
    std::array<std::string, kBodyCount> planet;      // planet(0..9): birth-moment positions
    std::array<std::string, kSignCount> signCells;   // lblAries .. lblPisces by sign index
    std::array<std::string, kSignCount> markers;     // lblArudha(0..11) by sign index
    BirthDetailsTexts details;
    // The ghati lagna sign's 28 profile values in table order (see profile/sign_profile.h);
    // empty until a profile has been presented.
    std::array<std::string, kProfileFieldCount> profile;
    std::optional<int> profileSign;
};

// Appends a carriage return, a line feed and `text` to marker cell `cell`; a cell outside
// 0..11 is left alone (the append has no effect).
void AppendMarker(ResultTexts& view, int cell, std::string_view text);

}  // namespace kalodaya
