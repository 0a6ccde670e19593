// The language files' reader, the lookup with its English fallback, and the English file as the
// program's own texts: a chart presented from en.tsv is byte for byte today's chart.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "chart/present.h"
#include "profile/chart_words.h"
#include "profile/language_texts.h"
#include "profile/sign_profile.h"
#include "profile/text_keys.h"
#include "request/entry_checks.h"

namespace kalodaya {
namespace {

TEST(LanguageFile, ReadsTextsAndReportsEachFaultyLine) {
    struct Case {
        std::string_view data;
        std::size_t texts;
        std::string_view problem;  // expected in the first problem; empty: no problem
    };
    const Case cases[] = {
        {"# comment\n\nsign.Aries\tMesha\r\nbody.Sun\tSurya", 2, ""},
        {"sign.Aries Mesha\n", 0, "line 1: no tab between key and text"},
        {"\tMesha\n", 0, "line 1: \"\" is no key"},
        {"sign Aries\tMesha\n", 0, "line 1: \"sign Aries\" is no key"},
        {"a\tone\nsign.Aries\t\n", 1, "line 2: empty text for sign.Aries"},
        {"a\tone\ttwo\n", 0, "line 1: a second tab in the text of a"},
        {"a\tone\n#\na\ttwo\n", 1, "line 3: second entry for a"},
    };
    for (const Case& c : cases) {
        const LanguageFileParse parsed = ParseLanguageFile(c.data);
        EXPECT_EQ(parsed.texts.size(), c.texts) << c.data;
        if (c.problem.empty()) {
            EXPECT_TRUE(parsed.problems.empty()) << c.data;
        } else {
            ASSERT_FALSE(parsed.problems.empty()) << c.data;
            EXPECT_EQ(parsed.problems[0].substr(0, c.problem.size()), c.problem);
        }
    }
}

TEST(LanguageFile, KeepsTextsByteForByteAndTheFirstOfTwoEntries) {
    const LanguageFileParse parsed = ParseLanguageFile("a\t  two  blanks \r\nb\tx\nb\ty\n");
    EXPECT_EQ(parsed.texts.at("a"), "  two  blanks ");
    EXPECT_EQ(parsed.texts.at("b"), "x");
}

TEST(LanguageTexts, CodesAndTheEnglishFallback) {
    for (int i = 0; i < kLanguageCount; ++i)
        EXPECT_EQ(LanguageOfCode(kLanguageCodes[i]), static_cast<Language>(i));
    EXPECT_FALSE(LanguageOfCode("HI").has_value());
    EXPECT_FALSE(LanguageOfCode("en_sa").has_value());

    EXPECT_EQ(Text(Language::Hi, "sign.Aries"), "मेष");
    // Lucky numbers read the same in every language, so the Hindi file leaves them to English.
    EXPECT_FALSE(LanguageTexts(Language::Hi).contains("value.Leo.LuckyNumbers"));
    EXPECT_EQ(Text(Language::Hi, "value.Leo.LuckyNumbers"), "1, 4, 5, 9");
    EXPECT_EQ(Text(Language::Hi, "no.such.key"), "");
}

TEST(FillPlaceholders, ReplacesNumberedPlaceholdersOnly) {
    struct Case {
        std::string_view pattern;
        std::string_view expected;
    };
    const Case cases[] = {
        {"%1 %2, %3", "August 15, 1990"},
        {"%2 %1 %3", "15 August 1990"},
        {"%3%3", "19901990"},
        {"100% %4 %0 %", "100% %4 %0 %"},  // no fourth argument; %0 and a lone % stay
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, {"August", "15", "1990"}), c.expected) << c.pattern;
}

// The English file is the program's own texts: the words Present and the profile use today.
TEST(EnglishTexts, AreTheProgramsWords) {
    const ChartWords& w = WordsOf(Language::En);
    for (int sign = 0; sign < kSignCount; ++sign) {
        EXPECT_EQ(w.signNames[sign], kSignNames[sign]);
        EXPECT_EQ(w.signCodes[sign], kSignCodes[sign]);
        for (int array = 0; array < kProfileFieldCount; ++array)
            EXPECT_EQ(w.profiles[sign][array], SignProfiles()[sign][array])
                << kSignNames[sign] << " " << kProfileArrayNames[array];
    }
    for (int body = 0; body < kBodyCount; ++body)
        EXPECT_EQ(w.bodyNames[body], kPlainPlanetNames[body]);
    for (int month = 0; month < 12; ++month) EXPECT_EQ(w.monthNames[month], kMonthNames[month]);
    EXPECT_EQ(w.captions[ProfileArray::LoveAndDomesticLifeText], "Love And Domestic Life");
    EXPECT_EQ(w.captions[ProfileArray::SignAbbr], "");
    EXPECT_EQ(w.ghatiLagnaSignCaption, "Ghati Lagna Present In Sign");
}

// Every language gives the chart a word for every slot, its own where it has one; the
// profile's English name stays English whatever the language.
TEST(ChartWords, EveryLanguageFillsEverySlot) {
    const ChartWords& english = WordsOf(Language::En);
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        const ChartWords& w = WordsOf(language);
        const std::string_view code = kLanguageCodes[i];
        for (int sign = 0; sign < kSignCount; ++sign) {
            EXPECT_EQ(w.signNames[sign], Text(language, SignNameKey(sign))) << code;
            EXPECT_EQ(w.profiles[sign][ProfileArray::EnglishName], english.signNames[sign]);
            EXPECT_EQ(w.profiles[sign][ProfileArray::SignAbbr], w.signCodes[sign]) << code;
            for (int array = 0; array < kProfileFieldCount; ++array)
                EXPECT_FALSE(w.profiles[sign][array].empty()) << code << " " << sign << " " << array;
        }
        for (int body = 0; body < kBodyCount; ++body) {
            EXPECT_FALSE(w.bodyNames[body].empty()) << code << " " << body;
            EXPECT_TRUE(w.retrogradeNames[body].starts_with(w.bodyNames[body])) << code;
        }
        for (int array = 0; array < kProfileFieldCount; ++array)
            EXPECT_EQ(w.captions[array].empty(), array == ProfileArray::SignAbbr) << code;
        for (std::string_view month : w.monthNames) EXPECT_FALSE(month.empty()) << code;
    }
    EXPECT_EQ(WordsOf(Language::Ta).retrogradeNames[Saturn], "சனி (வ) ");
    EXPECT_EQ(WordsOf(Language::EnSa).signCodes[4], "Sim");
}

TEST(EnglishTexts, PresentTheSameChartTexts) {
    const ChartWords& w = WordsOf(Language::En);
    ChartResult r;
    r.request.birth = {1980, 3, 5, 9, 5, 0, {}, false, {33, 52, true, 151, 0, false}};
    r.bodySign.fill(0);
    r.retrograde[Saturn] = true;
    r.marks.ghatiLagnaSign = 4;
    r.polar = PolarOutcome{DateTime::FromCivil(1990, 6, 25)};
    const ResultTexts t = Present(r);

    EXPECT_EQ(t.names[Sun], w.bodyNames[Sun]);
    EXPECT_EQ(t.names[Saturn], w.retrogradeNames[Saturn]);
    EXPECT_EQ(t.markers[4], "\r\n" + std::string(w.ghatiLagnaMark));
    EXPECT_EQ(t.details.dob, FillPlaceholders(w.birthDate, {w.monthNames[2], "5", "1980"}));
    EXPECT_EQ(t.details.tob, FillPlaceholders(w.birthTime, {"9", "5"}));
    EXPECT_EQ(t.details.latitude, FillPlaceholders(w.coordinate, {"33", "52", w.south}));
    EXPECT_EQ(t.details.longitude, FillPlaceholders(w.coordinate, {"151", "0", w.west}));
    const std::string date = FillPlaceholders(w.dateWords, {w.monthNames[5], "25", "1990"});
    EXPECT_EQ(DateWords(r.polar->date), date);
    EXPECT_EQ(t.polarMessage, FillPlaceholders(w.polarMessage, {date}));
    EXPECT_EQ(w.north, "N");
    EXPECT_EQ(w.east, "E");
}

TEST(EnglishTexts, HoldTheEntryChecksMessages) {
    struct Case {
        void (*spoil)(BirthRequest&);
        std::string_view key;
    };
    const Case cases[] = {
        {[](BirthRequest& r) { r.name = " "; }, text_key::kCheckName},
        {[](BirthRequest& r) { r.longitude.degrees = 180; }, text_key::kCheckLongitudeDegrees},
        {[](BirthRequest& r) { r.longitude.minutes = 60; }, text_key::kCheckLongitudeMinutes},
        {[](BirthRequest& r) { r.latitude.degrees = 90; }, text_key::kCheckLatitudeDegrees},
        {[](BirthRequest& r) { r.latitude.minutes.reset(); }, text_key::kCheckLatitudeMinutes},
        {[](BirthRequest& r) { r.month = 2, r.day = 30; }, text_key::kCheckDate},
        {[](BirthRequest& r) { r.month = 4, r.day = 31; }, text_key::kCheckDayOfThirtyDayMonth},
        {[](BirthRequest& r) { r.hour = 24; }, text_key::kCheckDate},
        {[](BirthRequest& r) { r.zone = NoZone{}; }, text_key::kCheckTimeZone},
    };
    for (const Case& c : cases) {
        BirthRequest r;
        r.name = "RAMA";
        r.latitude = {1, 1, true};
        r.longitude = {1, 1, true};
        c.spoil(r);
        const auto checked = CheckRequest(r);
        ASSERT_FALSE(checked.has_value()) << c.key;
        EXPECT_EQ(checked.error().message, Text(Language::En, c.key));
    }
}

}  // namespace
}  // namespace kalodaya
