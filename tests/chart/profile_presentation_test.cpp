// The 28 profile arrays and the presentation of one sign's row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chart/chart_outcome.h"
#include "chart/present.h"
#include "chart_test_support.h"
#include "profile/sign_profile.h"
#include "profile/sign_profile_tables.h"
#include "profile/sign_texts.h"

namespace kalodaya {
namespace {

using A = ProfileArray;

// A chart whose ghati lagna stands in `sign`.
ChartResult GhatiLagnaIn(int sign) {
    ChartResult result;
    result.ghatiLagna = GhatiLagna{30.0 * sign + 15, sign};
    result.marks.ghatiLagnaSign = sign;
    return result;
}

ResultTexts Presented(int sign) {
    return Present(GhatiLagnaIn(sign));
}

// The value of `field` after a presentation.
std::string Shown(const ResultTexts& texts, int field) {
    return std::string(texts.profile[field]);
}

TEST(SignProfileTables, TwelveFilledSignsAndNoThirteenth) {
    const SignProfileTable& arrays = SignProfiles();
    for (int a = 0; a < kProfileFieldCount; ++a) {
        for (int s = 0; s < kSignCount; ++s)
            EXPECT_FALSE(arrays[s][a].empty()) << kProfileArrayNames[a] << " " << s;
    }
    for (int s = 0; s < kSignCount; ++s) EXPECT_EQ(ProfileOfSign(s), &arrays[s]) << s;
    for (const int outside : {-1, kSignCount, 13, 32767})
        EXPECT_EQ(ProfileOfSign(outside), nullptr) << outside;
    // Built once: a later call gives the same table.
    EXPECT_EQ(&SignProfiles(), &arrays);
}

TEST(SignProfileTables, AgreeWithTheSharedSignTablesAndTheTextFile) {
    const SignProfileTable& arrays = SignProfiles();
    for (int s = 0; s < kSignCount; ++s) {
        EXPECT_EQ(arrays[s][A::EnglishName], kSignNames[s]);
        EXPECT_EQ(arrays[s][A::SignAbbr], kSignCodes[s]);
        EXPECT_EQ(arrays[s][A::RulingPlanet], kSignLords[s]);
        for (int t = 0; t < kTextTopicCount; ++t)
            EXPECT_EQ(arrays[s][A::LooksText + t], SignTexts()[s][t]);
    }
}

TEST(SignProfileTables, RegularColumnsRepeatWithTheirPeriod) {
    const SignProfileTable& arrays = SignProfiles();
    for (int a : {A::Nature, A::Caste, A::BestDirection, A::NotCompatibleWith})
        for (int s = 4; s < kSignCount; ++s)
            EXPECT_EQ(arrays[s][a], arrays[s - 4][a]) << kProfileArrayNames[a] << " " << s;
    for (int a : {A::TypeOfSign, A::Position, A::ConstituentCharacter})
        for (int s = 3; s < kSignCount; ++s)
            EXPECT_EQ(arrays[s][a], arrays[s - 3][a]) << kProfileArrayNames[a] << " " << s;
    EXPECT_EQ(arrays[0][A::Nature], "Fire");
    EXPECT_EQ(arrays[3][A::Nature], "Water");
    EXPECT_EQ(arrays[2][A::TypeOfSign], "Mixed");
    EXPECT_EQ(arrays[1][A::ConstituentCharacter], "Vegetable (Moola)");
    EXPECT_EQ(arrays[1][A::NotCompatibleWith], "Gemini, Aquarius, Libra");
}

TEST(SignProfileTables, IrregularValuesKeptAsTheyStand) {
    const SignProfileTable& arrays = SignProfiles();
    // Gender alternates from Aries except Gemini.
    for (int s = 0; s < kSignCount; ++s)
        EXPECT_EQ(arrays[s][A::Gender], s == 2 || s % 2 == 1 ? "Female" : "Male") << s;
    EXPECT_EQ(arrays[4][A::Color], "White");
    EXPECT_EQ(arrays[1][A::Color], "White");
    EXPECT_EQ(arrays[9][A::Color], "Multicolored");
    EXPECT_EQ(arrays[8][A::Color], "Yellowish brown");
    EXPECT_EQ(arrays[0][A::Color], "Red, Brown, Copper");
    EXPECT_EQ(arrays[5][A::CompatibleWith], "Scorpio, Capricorn, Pisces, Cancer");
    EXPECT_EQ(arrays[10][A::CompatibleWith], "Aquarius, Libra, Gemini");
    EXPECT_EQ(arrays[6][A::LuckyDays], "Friday, Wednesday, Thursday");
    EXPECT_EQ(arrays[0][A::LuckyNumbers], "9, 1");
    EXPECT_EQ(arrays[7][A::LuckyColors], "Brown, Red, Yellow, White");
    EXPECT_EQ(arrays[6][A::PartOfTheBody], "Lower Abdomen & Groin");
    EXPECT_EQ(arrays[1][A::Barren], "Semi-Fruitful");
    EXPECT_EQ(arrays[8][A::BestPeriodOfActivity], "Night");
    EXPECT_EQ(arrays[11][A::Physique], "Short");
    EXPECT_EQ(arrays[10][A::Symbol], "The Water Carrier");
    EXPECT_EQ(arrays[7][A::VedicName], "Vrischika");
    EXPECT_EQ(arrays[8][A::LuckyGemstone], "Yellow Sapphire");
    // Every other compatible list names five signs.
    for (int s = 0; s < kSignCount; ++s) {
        const std::string_view list = arrays[s][A::CompatibleWith];
        const auto names = std::count(list.begin(), list.end(), ',') + 1;
        EXPECT_EQ(names, s == 5 ? 4 : s == 10 ? 3 : 5) << s;
    }
}

// Every value the results window or the printed pages show has a caption; the abbreviation,
// shown nowhere, has none.
TEST(SignProfileCaptions, EveryShownValueHasOne) {
    for (int a = 0; a < kProfileFieldCount; ++a)
        EXPECT_EQ(kProfileCaptions[a].empty(), a == A::SignAbbr) << kProfileArrayNames[a];
}

TEST(SignProfilePresentation, LeoShowsItsFacts) {
    const ResultTexts texts = Presented(4);
    ASSERT_EQ(texts.profileSign, 4);
    EXPECT_EQ(Shown(texts, A::EnglishName), "Leo");
    EXPECT_EQ(Shown(texts, A::VedicName), "Simha");
    EXPECT_EQ(Shown(texts, A::RulingPlanet), "Sun");
    EXPECT_EQ(Shown(texts, A::PartOfTheBody), "Heart & Stomach");
    EXPECT_EQ(Shown(texts, A::Color), "White");
    EXPECT_EQ(Shown(texts, A::LooksText).substr(0, 22), "You are tall  and have");
    EXPECT_EQ(texts.profile[A::SignAbbr], "Leo");
}

TEST(SignProfilePresentation, CompatibilityAndGender) {
    EXPECT_EQ(Shown(Presented(10), A::CompatibleWith), "Aquarius, Libra, Gemini");
    EXPECT_EQ(Shown(Presented(10), A::NotCompatibleWith), "Taurus, Virgo, Capricorn");
    EXPECT_EQ(Shown(Presented(5), A::CompatibleWith), "Scorpio, Capricorn, Pisces, Cancer");
    EXPECT_EQ(Shown(Presented(2), A::Gender), "Female");
    EXPECT_EQ(Shown(Presented(8), A::Color), "Yellowish brown");
}

TEST(SignProfilePresentation, TheLongestTextArrivesWhole) {
    const ResultTexts texts = Presented(0);
    const std::string nature = Shown(texts, A::NatureText);
    EXPECT_EQ(nature.size(), 883u);
    EXPECT_EQ(nature, SignTexts()[0][1]);
    EXPECT_TRUE(nature.starts_with("You are very independent and dynamic."));
    EXPECT_EQ(Shown(texts, A::LoveAndDomesticLifeText), SignTexts()[0][3]);
}

TEST(SignProfilePresentation, SecondSignLeavesNothingOfTheFirst) {
    const SignProfileTable& arrays = SignProfiles();
    for (int first = 0; first < kSignCount; ++first)
        for (int second = 0; second < kSignCount; ++second) {
            ResultTexts texts;
            PresentInto(GhatiLagnaIn(first), texts);
            PresentInto(GhatiLagnaIn(second), texts);
            ASSERT_EQ(texts.profileSign, second);
            for (int a = 0; a < kProfileFieldCount; ++a)
                ASSERT_EQ(texts.profile[a], arrays[second][a])
                    << first << " then " << second << ": " << kProfileArrayNames[a];
        }
}

TEST(SignProfilePresentation, SignOutsideTheTableWritesNothing) {
    for (const int bad : {12, -1, 13, 32767}) {
        const ResultTexts fresh = Presented(bad);
        EXPECT_FALSE(fresh.profileSign.has_value()) << bad;
        for (const std::string_view value : fresh.profile) EXPECT_TRUE(value.empty()) << bad;

        // Nor does an earlier chart's profile stay behind.
        ResultTexts texts = Presented(7);
        ASSERT_EQ(texts.profileSign, 7);
        PresentInto(GhatiLagnaIn(bad), texts);
        EXPECT_FALSE(texts.profileSign.has_value()) << bad;
        for (const std::string_view value : texts.profile) EXPECT_TRUE(value.empty()) << bad;
    }
}

TEST(SignProfilePresentation, ChartRequestPresentsTheGhatiLagnaSign) {
    const ChartOutcome outcome = RequestChart(testing_support::WorkedExampleRequest());
    ASSERT_TRUE(outcome.Computed());
    ASSERT_TRUE(outcome.result.ghatiLagna.has_value());
    const int sign = outcome.result.ghatiLagna->sign;
    ASSERT_EQ(outcome.texts.profileSign, sign);
    EXPECT_EQ(Shown(outcome.texts, A::EnglishName), kSignNames[sign]);
}

}  // namespace
}  // namespace kalodaya
