#pragma once
// The fixed profile of each sign: the names of its values and their captions.
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

// The caption of each profile value in table order, as the results window and the printed
// pages label it. SignAbbr is shown nowhere and has none.
inline constexpr std::array<std::string_view, kProfileFieldCount> kProfileCaptions = {
    "Vedic Name",
    "English Name",
    "",
    "Ruling Planet",
    "Symbol",
    "Nature",
    "Color",
    "Type Of Sign",
    "Gender",
    "Best Period Of Activity",
    "Barren",
    "Caste",
    "Position",
    "Constituent Character",
    "Lucky Days",
    "Lucky Numbers",
    "Best Direction",
    "Lucky Colors",
    "Lucky Gemstone",
    "Part Of The Body",
    "Physique",
    "Looks",
    "Nature",
    "Career And Finance",
    "Love And Domestic Life",
    "Health",
    "Compatible With",
    "Not Compatible With"};

}  // namespace kalodaya
