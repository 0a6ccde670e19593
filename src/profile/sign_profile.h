#pragma once
// The fixed profile of each sign: the names of its values and the controls that show them.
#include <array>
#include <string_view>

#include "profile/profile_fields.h"
#include "profile/sign_profile_tables.h"

namespace kalodaya {

// The 28 profile arrays in table order; a sign's values are indexed the same way.
inline constexpr std::array<std::string_view, kProfileFieldCount> kProfileArrayNames = {
    "VedicName",
    "EnglishName",
    "SignAbbr",
    "RulingPlanet",
    "Symbol",
    "Nature",
    "Color",
    "TypeOfSign",
    "Gender",
    "BestPeriodOfActivity",
    "Barren",
    "Caste",
    "Position",
    "ConstituentCharacter",
    "LuckyDays",
    "LuckyNumbers",
    "BestDirection",
    "LuckyColors",
    "LuckyGemstone",
    "PartOfTheBody",
    "Physique",
    "LooksText",
    "NatureText",
    "CareerAndFinanceText",
    "LoveAndDomesticLifeText",
    "HealthText",
    "CompatibleWith",
    "NotCompatibleWith"};

// Indexes into kProfileArrayNames and a sign's values (ProfileArray::EnglishName, ...).
struct ProfileArray {
    enum Index : int {
        VedicName,
        EnglishName,
        SignAbbr,
        RulingPlanet,
        Symbol,
        Nature,
        Color,
        TypeOfSign,
        Gender,
        BestPeriodOfActivity,
        Barren,
        Caste,
        Position,
        ConstituentCharacter,
        LuckyDays,
        LuckyNumbers,
        BestDirection,
        LuckyColors,
        LuckyGemstone,
        PartOfTheBody,
        Physique,
        LooksText,
        NatureText,
        CareerAndFinanceText,
        LoveAndDomesticLifeText,
        HealthText,
        CompatibleWith,
        NotCompatibleWith,
    };
};
static_assert(ProfileArray::NotCompatibleWith + 1 == kProfileFieldCount);
static_assert(kProfileArrayNames[ProfileArray::LooksText] == "LooksText");
static_assert(kProfileArrayNames[ProfileArray::NotCompatibleWith] == "NotCompatibleWith");

// A control of the details page and the profile array whose value it shows.
struct ProfileControl {
    std::string_view control;
    int array;
};

// The profile controls in the order the presentation writes them. EnglishName is shown twice
// (the header strip and the grid); SignAbbr is shown nowhere.
inline constexpr std::array<ProfileControl, kProfileFieldCount> kProfileControls = {{
    {"lblArudhaLagnaPresentInSign", ProfileArray::EnglishName},
    {"lblVedicName", ProfileArray::VedicName},
    {"lblEnglishName", ProfileArray::EnglishName},
    {"lblRullingPlanet", ProfileArray::RulingPlanet},
    {"lblSymbol", ProfileArray::Symbol},
    {"lblNature", ProfileArray::Nature},
    {"lblColor", ProfileArray::Color},
    {"lblTypeOfSign", ProfileArray::TypeOfSign},
    {"lblGender", ProfileArray::Gender},
    {"lblBestPeriodOfActivity", ProfileArray::BestPeriodOfActivity},
    {"lblBarren", ProfileArray::Barren},
    {"lblCaste", ProfileArray::Caste},
    {"lblPosition", ProfileArray::Position},
    {"lblConstituentCharacter", ProfileArray::ConstituentCharacter},
    {"lblLuckyDays", ProfileArray::LuckyDays},
    {"lblLuckyNumbers", ProfileArray::LuckyNumbers},
    {"lblBestDirection", ProfileArray::BestDirection},
    {"lblLuckyColors", ProfileArray::LuckyColors},
    {"lblLuckyGemstone", ProfileArray::LuckyGemstone},
    {"lblPartOfTheBody", ProfileArray::PartOfTheBody},
    {"lblPhysique", ProfileArray::Physique},
    {"txtLooks", ProfileArray::LooksText},
    {"txtNature", ProfileArray::NatureText},
    {"txtCareerAndFinance", ProfileArray::CareerAndFinanceText},
    {"txtLoveAndDomesticLife", ProfileArray::LoveAndDomesticLifeText},
    {"txtHealth", ProfileArray::HealthText},
    {"lblCompatibleWith", ProfileArray::CompatibleWith},
    {"lblNotCompatibleWith", ProfileArray::NotCompatibleWith},
}};

}  // namespace kalodaya
