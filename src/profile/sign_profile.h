#pragma once
// The fixed profile of each sign and its presentation.
#include <array>
#include <string_view>

#include "core/app_state.h"
#include "core/result_texts.h"

namespace kalodaya {

// The 28 profile arrays in table order; ResultTexts::profile is indexed the same way.
inline constexpr std::array<std::string_view, kProfileFieldCount> kProfileArrayNames = {
    "VedicName",           "EnglishName",     "SignAbbr",
    "RulingPlanet",        "Symbol",          "Nature",
    "Color",               "TypeOfSign",      "Gender",
    "BestPeriodOfActivity", "Barren",         "Caste",
    "Position",            "ConstituentCharacter", "LuckyDays",
    "LuckyNumbers",        "BestDirection",   "LuckyColors",
    "LuckyGemstone",       "PartOfTheBody",   "Physique",
    "LooksText",           "NatureText",      "CareerAndFinanceText",
    "LoveAndDomesticLifeText", "HealthText",  "CompatibleWith",
    "NotCompatibleWith"};

// Writes the profile of chart.GhatiLagnaSign into view.profile (nothing for a sign outside
// 0..11).
void PresentSignProfile(AppState& state);

}  // namespace kalodaya
