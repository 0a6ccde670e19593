// The 28 profile arrays and the presentation of one sign's row.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "cli/chart_json.h"
#include "core/chart_pipeline.h"
#include "lagna_test_support.h"
#include "profile/sign_profile.h"
#include "profile/sign_profile_tables.h"
#include "profile/sign_texts.h"

namespace kalodaya {
namespace {

using A = ProfileArray;

const SignProfileArrays& Loaded() {
    LoadSignProfiles();
    return SignProfiles();
}

AppState Presented(int sign) {
    AppState state;
    state.chart.GhatiLagnaSign = static_cast<int16_t>(sign);
    PresentSignProfile(state);
    return state;
}

// The value a control shows after a presentation.
std::string Shown(const AppState& state, std::string_view control) {
    for (const ProfileControl& c : kProfileControls)
        if (c.control == control) return state.view.profile[c.array];
    ADD_FAILURE() << "no control " << control;
    return {};
}

TEST(SignProfileTables, TwelveFilledSlotsAndAnEmptyThirteenth) {
    const SignProfileArrays& arrays = Loaded();
    for (int a = 0; a < kProfileFieldCount; ++a) {
        for (int s = 0; s < kSignCount; ++s)
            EXPECT_FALSE(arrays[a][s].empty()) << kProfileArrayNames[a] << " " << s;
        EXPECT_TRUE(arrays[a][kSignCount].empty()) << kProfileArrayNames[a];
    }
    // Loading again changes nothing.
    const SignProfileArrays copy = arrays;
    EXPECT_EQ(Loaded(), copy);
}

TEST(SignProfileTables, AgreeWithTheSharedSignTablesAndTheTextFile) {
    const SignProfileArrays& arrays = Loaded();
    for (int s = 0; s < kSignCount; ++s) {
        EXPECT_EQ(arrays[A::EnglishName][s], kSignNames[s]);
        EXPECT_EQ(arrays[A::SignAbbr][s], kSignCodes[s]);
        EXPECT_EQ(arrays[A::RulingPlanet][s], kSignLords[s]);
        for (int t = 0; t < kTextTopicCount; ++t)
            EXPECT_EQ(arrays[A::LooksText + t][s], SignTexts()[s][t]);
    }
}

TEST(SignProfileTables, RegularColumnsRepeatWithTheirPeriod) {
    const SignProfileArrays& arrays = Loaded();
    for (int a : {A::Nature, A::Caste, A::BestDirection, A::NotCompatibleWith})
        for (int s = 4; s < kSignCount; ++s)
            EXPECT_EQ(arrays[a][s], arrays[a][s - 4]) << kProfileArrayNames[a] << " " << s;
    for (int a : {A::TypeOfSign, A::Position, A::ConstituentCharacter})
        for (int s = 3; s < kSignCount; ++s)
            EXPECT_EQ(arrays[a][s], arrays[a][s - 3]) << kProfileArrayNames[a] << " " << s;
    EXPECT_EQ(arrays[A::Nature][0], "Fire");
    EXPECT_EQ(arrays[A::Nature][3], "Water");
    EXPECT_EQ(arrays[A::TypeOfSign][2], "Mixed");
    EXPECT_EQ(arrays[A::ConstituentCharacter][1], "Vegetable (Moola)");
    EXPECT_EQ(arrays[A::NotCompatibleWith][1], "Gemini, Aquarius, Libra");
}

TEST(SignProfileTables, IrregularValuesKeptAsTheyStand) {
    const SignProfileArrays& arrays = Loaded();
    // Gender alternates from Aries except Gemini.
    for (int s = 0; s < kSignCount; ++s)
        EXPECT_EQ(arrays[A::Gender][s], s == 2 || s % 2 == 1 ? "Female" : "Male") << s;
    EXPECT_EQ(arrays[A::Color][4], "White");
    EXPECT_EQ(arrays[A::Color][1], "White");
    EXPECT_EQ(arrays[A::Color][9], "Multicolored");
    EXPECT_EQ(arrays[A::Color][8], "Yellowish brown");
    EXPECT_EQ(arrays[A::Color][0], "Red, Brown, Copper");
    EXPECT_EQ(arrays[A::CompatibleWith][5], "Scorpio, Capricorn, Pisces, Cancer");
    EXPECT_EQ(arrays[A::CompatibleWith][10], "Aquarius, Libra, Gemini");
    EXPECT_EQ(arrays[A::LuckyDays][6], "Friday, Wednesday, Thursday");
    EXPECT_EQ(arrays[A::LuckyNumbers][0], "9, 1");
    EXPECT_EQ(arrays[A::LuckyColors][7], "Brown, Red, Yellow, White");
    EXPECT_EQ(arrays[A::PartOfTheBody][6], "Lower Abdomen & Groin");
    EXPECT_EQ(arrays[A::Barren][1], "Semi-Fruitful");
    EXPECT_EQ(arrays[A::BestPeriodOfActivity][8], "Night");
    EXPECT_EQ(arrays[A::Physique][11], "Short");
    EXPECT_EQ(arrays[A::Symbol][10], "The Water Carrier");
    EXPECT_EQ(arrays[A::VedicName][7], "Vrischika");
    EXPECT_EQ(arrays[A::LuckyGemstone][8], "Yellow Sapphire");
    // Every other compatible list names five signs.
    for (int s = 0; s < kSignCount; ++s) {
        const std::string& list = arrays[A::CompatibleWith][s];
        const auto names = std::count(list.begin(), list.end(), ',') + 1;
        EXPECT_EQ(names, s == 5 ? 4 : s == 10 ? 3 : 5) << s;
    }
}

TEST(SignProfileControls, WriteOrderAndPairing) {
    EXPECT_EQ(kProfileControls.front().control, "lblArudhaLagnaPresentInSign");
    EXPECT_EQ(kProfileControls.back().control, "lblNotCompatibleWith");
    std::set<std::string_view> controls;
    std::multiset<int> arrays;
    for (const ProfileControl& c : kProfileControls) {
        EXPECT_TRUE(controls.insert(c.control).second) << c.control;
        arrays.insert(c.array);
        const std::string_view name = kProfileArrayNames[c.array];
        if (c.control == "lblArudhaLagnaPresentInSign") {
            EXPECT_EQ(c.array, A::EnglishName);
        } else if (c.control == "lblRullingPlanet") {
            EXPECT_EQ(c.array, A::RulingPlanet);
        } else if (c.control.starts_with("txt")) {
            // txtLooks shows LooksText, and so on.
            EXPECT_EQ(std::string(c.control.substr(3)) + "Text", name);
        } else {
            EXPECT_EQ(c.control.substr(3), name);
        }
    }
    EXPECT_EQ(arrays.count(A::SignAbbr), 0u);
    EXPECT_EQ(arrays.count(A::EnglishName), 2u);
    for (int a = 0; a < kProfileFieldCount; ++a) {
        if (a != A::SignAbbr && a != A::EnglishName) {
            EXPECT_EQ(arrays.count(a), 1u) << a;
        }
    }
}

TEST(SignProfilePresentation, LeoShowsItsFacts) {
    const AppState state = Presented(4);
    ASSERT_EQ(state.view.profileSign, 4);
    EXPECT_EQ(Shown(state, "lblEnglishName"), "Leo");
    EXPECT_EQ(Shown(state, "lblArudhaLagnaPresentInSign"), "Leo");
    EXPECT_EQ(Shown(state, "lblVedicName"), "Simha");
    EXPECT_EQ(Shown(state, "lblRullingPlanet"), "Sun");
    EXPECT_EQ(Shown(state, "lblPartOfTheBody"), "Heart & Stomach");
    EXPECT_EQ(Shown(state, "lblColor"), "White");
    EXPECT_EQ(Shown(state, "txtLooks").substr(0, 22), "You are tall  and have");
    EXPECT_EQ(state.view.profile[A::SignAbbr], "Leo");
}

TEST(SignProfilePresentation, CompatibilityAndGender) {
    EXPECT_EQ(Shown(Presented(10), "lblCompatibleWith"), "Aquarius, Libra, Gemini");
    EXPECT_EQ(Shown(Presented(10), "lblNotCompatibleWith"), "Taurus, Virgo, Capricorn");
    EXPECT_EQ(Shown(Presented(5), "lblCompatibleWith"), "Scorpio, Capricorn, Pisces, Cancer");
    EXPECT_EQ(Shown(Presented(2), "lblGender"), "Female");
    EXPECT_EQ(Shown(Presented(8), "lblColor"), "Yellowish brown");
}

TEST(SignProfilePresentation, TheLongestTextArrivesWhole) {
    const AppState state = Presented(0);
    const std::string& nature = Shown(state, "txtNature");
    EXPECT_EQ(nature.size(), 883u);
    EXPECT_EQ(nature, SignTexts()[0][1]);
    EXPECT_TRUE(nature.starts_with("You are very independent and dynamic."));
    EXPECT_EQ(Shown(state, "txtLoveAndDomesticLife"), SignTexts()[0][3]);
}

TEST(SignProfilePresentation, SecondSignLeavesNothingOfTheFirst) {
    const SignProfileArrays& arrays = Loaded();
    for (int first = 0; first < kSignCount; ++first)
        for (int second = 0; second < kSignCount; ++second) {
            AppState state;
            state.chart.GhatiLagnaSign = static_cast<int16_t>(first);
            PresentSignProfile(state);
            state.chart.GhatiLagnaSign = static_cast<int16_t>(second);
            PresentSignProfile(state);
            ASSERT_EQ(state.view.profileSign, second);
            for (int a = 0; a < kProfileFieldCount; ++a)
                ASSERT_EQ(state.view.profile[a], arrays[a][second])
                    << first << " then " << second << ": " << kProfileArrayNames[a];
        }
}

TEST(SignProfilePresentation, SignOutsideTheTableWritesNothing) {
    AppState fresh;
    for (int16_t bad : {int16_t{12}, int16_t{-1}, int16_t{13}, int16_t{32767}}) {
        fresh.chart.GhatiLagnaSign = bad;
        PresentSignProfile(fresh);
        EXPECT_FALSE(fresh.view.profileSign.has_value()) << bad;
        for (const std::string& value : fresh.view.profile) EXPECT_TRUE(value.empty()) << bad;
    }

    AppState state = Presented(7);
    const auto before = state.view.profile;
    state.chart.GhatiLagnaSign = 12;  // the spare slot is never presented
    PresentSignProfile(state);
    EXPECT_EQ(state.view.profileSign, 7);
    EXPECT_EQ(state.view.profile, before);
}

TEST(SignProfilePresentation, ChartRequestPresentsTheGhatiLagnaSign) {
    const Entries e = testing_support::WorkedExampleEntries();
    AppState state;
    LoadTables(state);
    const ChartOutcome outcome = RequestChart(state, e);
    ASSERT_TRUE(outcome.Computed());
    const int sign = state.chart.GhatiLagnaSign;
    ASSERT_EQ(state.view.profileSign, sign);
    EXPECT_EQ(Shown(state, "lblArudhaLagnaPresentInSign"), kSignNames[sign]);

    const auto json = cli::ChartJson(state, outcome);
    ASSERT_TRUE(json["profile"].is_object());
    EXPECT_EQ(json["profile"].size(), static_cast<std::size_t>(kProfileFieldCount));
    EXPECT_EQ(json["profile"]["english_name"], kSignNames[sign]);
    EXPECT_EQ(json["profile"]["love_and_domestic_life_text"], SignTexts()[sign][3]);
}

}  // namespace
}  // namespace kalodaya
