#pragma once
// Every text a chart shows, in the window and in the command line's JSON, made once from the
// chart's numbers by Present (chart/present.h). The front ends only copy them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/tables.h"
#include "profile/language_texts.h"
#include "profile/profile_fields.h"
#include "request/chart_request.h"

namespace kalodaya {

struct BirthDetailsTexts {
    std::string name;       // lblName
    std::string dob;        // lblDOB   "March/5/1980"
    std::string tob;        // lblTOB   "9:5"
    std::string latitude;   // lblLatitude  "33° 52' S"
    std::string longitude;  // lblLongitude "151° 0' W"
    std::string city, state, country;
};

struct ResultTexts {
    Language language = Language::En;  // the language every text below is in
    std::array<std::string, kBodyCount> planet;      // position labels at the birth, "28 Vir 42"
    std::array<std::string_view, kBodyCount> names;  // display names, "Saturn (R) " when retrograde
    std::array<std::string, kSignCount> signCells;   // the bodies in each sign, one line each
    std::array<std::string, kSignCount> markers;     // marker lines ("\r\n", "\r\nGL") by sign
    BirthDetailsTexts details;
    // The ghati lagna sign's 28 profile values in table order (profile/sign_profile.h); empty
    // views when the chart has no ghati lagna.
    std::array<std::string_view, kProfileFieldCount> profile{};
    std::optional<int> profileSign;
    // The profile's captions in table order (empty for the sign abbreviation, which is not
    // shown), the caption over the ghati lagna's sign, and the ghati lagna's marker ("GL").
    std::array<std::string_view, kProfileFieldCount> captions{};
    std::string_view ghatiLagnaSignCaption;
    std::string_view ghatiLagnaMark;
    std::string_view ghatiLagnaSignName;  // "Cancer"; empty without a ghati lagna

    // Texts of the command line's output.
    std::string sunAtSunrise;  // position label of the Sun at the reference sunrise
    std::string ghatiLagna;    // position label of the ghati lagna
    std::string polarMessage;  // shown instead of the chart when there is no reference sunrise
    // The calculation settings, "modern, lahiri ayanamsa, mean node, hindu sunrise".
    std::string settings;
    // A modern chart's classic ghati lagna beside its own, "Classic: 19 Can 35, 0°44′ apart,
    // about 35 s of birth time"; empty for a classic chart or where either has none.
    std::string classicGhatiLagna;
    // The offset the computation used and the one the atlas gave for the place ("+05:45"):
    // written only for a place from the atlas or an exact offset (PlaceReported), else empty.
    std::string usedOffset, placeOffset;
    // Which time the chart assumes where the place kept a city time of its own (CityTimeNote);
    // empty elsewhere.
    std::string placeNote;
};

// Whether a chart reports its place and offset: a place from the atlas, or an exact offset in
// place of a zone list entry.
inline bool PlaceReported(const ChartRequest& request) {
    return request.atlasPlace || !request.zoneEntry;
}

}  // namespace kalodaya
