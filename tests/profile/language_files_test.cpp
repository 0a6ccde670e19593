// The shipped language files and glossaries: each parses and names itself, lists what it leaves
// to English, keeps every placeholder and number, and uses its glossary's words throughout.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "profile/language_texts.h"
#include "profile/text_checks.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

constexpr Language kTranslations[] = {Language::EnSa, Language::Hi, Language::Ta, Language::Te,
                                      Language::Kn};

std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out.append("\n  ").append(line);
    return out;
}

const TextMap& English() {
    return LanguageTexts(Language::En);
}

std::vector<GlossaryEntry> GlossaryOf(Language language) {
    return ParseGlossary(GlossaryFileData(language)).entries;
}

TEST(LanguageFiles, EachParsesAndNamesItselfAndItsStatus) {
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto language = static_cast<Language>(i);
        const LanguageFileParse parsed = ParseLanguageFile(LanguageFileData(language));
        EXPECT_TRUE(parsed.problems.empty()) << kLanguageCodes[i] << Lines(parsed.problems);
        EXPECT_EQ(parsed.texts, LanguageTexts(language));
        const TextMap& own = LanguageTexts(language);
        EXPECT_EQ(Text(language, text_key::kCode), kLanguageCodes[i]);
        for (std::string_view key : {text_key::kName, text_key::kScript, text_key::kStatus})
            EXPECT_TRUE(own.contains(key)) << kLanguageCodes[i] << " has no " << key;
    }
}

// Prints what each translation leaves to English; fails for the texts it must translate.
TEST(LanguageFiles, TranslationsLackNoTextTheyMustTranslate) {
    for (Language language : kTranslations) {
        std::vector<std::string> required, optional;
        for (const MissingText& m : MissingTexts(English(), LanguageTexts(language)))
            (m.required ? required : optional).push_back(m.key);
        std::cout << CodeOfLanguage(language) << ": " << optional.size()
                  << " texts shown in English" << Lines(optional) << "\n";
        EXPECT_TRUE(required.empty()) << CodeOfLanguage(language) << " must translate"
                                      << Lines(required);
    }
}

TEST(LanguageFiles, TranslationsKeepPlaceholdersAndNumbersAndTheirScript) {
    for (Language language : kTranslations) {
        const std::vector<std::string> problems =
            TranslationProblems(English(), LanguageTexts(language));
        EXPECT_TRUE(problems.empty()) << CodeOfLanguage(language) << Lines(problems);
    }
}

TEST(LanguageFiles, TranslationsUseTheirGlossarysWords) {
    for (Language language : kTranslations) {
        const GlossaryParse glossary = ParseGlossary(GlossaryFileData(language));
        EXPECT_TRUE(glossary.problems.empty()) << CodeOfLanguage(language)
                                               << Lines(glossary.problems);
        EXPECT_GE(glossary.entries.size(), 20u) << CodeOfLanguage(language);
        const std::vector<std::string> problems =
            GlossaryProblems(glossary.entries, English(), LanguageTexts(language));
        EXPECT_TRUE(problems.empty()) << CodeOfLanguage(language) << Lines(problems);
    }
}

// The four Indian languages fix the same terms, so none of them leaves one open.
TEST(LanguageFiles, IndianGlossariesFixTheSameTerms) {
    auto terms = [](Language language) {
        std::set<std::string> english;
        for (const GlossaryEntry& e : GlossaryOf(language)) english.insert(e.english);
        return english;
    };
    const std::set<std::string> hindi = terms(Language::Hi);
    for (Language language : {Language::Ta, Language::Te, Language::Kn})
        EXPECT_EQ(terms(language), hindi) << CodeOfLanguage(language);
}

TEST(TextChecks, KeptPartsAndWhatMustBeTranslated) {
    EXPECT_EQ(KeptParts("Between 0 And 179 in %1"), (std::vector<std::string>{"%1", "0", "179"}));
    EXPECT_EQ(KeptParts("9, 1"), (std::vector<std::string>{"1", "9"}));
    EXPECT_EQ(KeptParts("%2 %1 %3"), (std::vector<std::string>{"%1", "%2", "%3"}));
    EXPECT_EQ(KeptParts("100%"), (std::vector<std::string>{"100"}));
    EXPECT_TRUE(MustTranslate("Deva", "Fire"));
    EXPECT_FALSE(MustTranslate("Deva", "1, 4, 5, 9"));
    EXPECT_FALSE(MustTranslate("Deva", "%1:%2"));
    EXPECT_FALSE(MustTranslate("Latn", "Fire"));
}

TEST(TextChecks, TranslationProblemsNameTheKeyAndTheFault) {
    const TextMap english = {{"meta.code", "en"},
                             {"meta.script", "Latn"},
                             {"check.lat", "Between 0 And 89"},
                             {"value.Leo.Nature", "Fire"},
                             {"value.Leo.LuckyNumbers", "1, 4"}};
    struct Case {
        TextMap translation;
        std::string problem;  // empty: none
    };
    const Case cases[] = {
        {{{"meta.script", "Deva"}, {"check.lat", "0 से 89"}}, ""},
        {{{"meta.script", "Deva"}, {"check.lat", "0 से 98"}},
         "check.lat: keeps 0 98, English has 0 89"},
        {{{"meta.script", "Deva"}, {"value.Leo.Nature", "Fire"}},
         "value.Leo.Nature: Latin letters in \"Fire\""},
        {{{"meta.script", "Latn"}, {"value.Leo.Nature", "Agni"}}, ""},
        {{{"meta.script", "Deva"}, {"value.Leo.LuckyNumbers", "  "}},
         "value.Leo.LuckyNumbers: blank"},
        {{{"meta.script", "Deva"}, {"value.Leo.Colour", "लाल"}},
         "value.Leo.Colour: no such key in English"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> problems = TranslationProblems(english, c.translation);
        if (c.problem.empty()) {
            EXPECT_TRUE(problems.empty()) << Lines(problems);
        } else {
            ASSERT_FALSE(problems.empty()) << c.problem;
            EXPECT_EQ(problems[0], c.problem);
        }
    }
    const std::vector<MissingText> missing = MissingTexts(english, {{"meta.script", "Deva"}});
    ASSERT_EQ(missing.size(), 4u);  // all but meta.script
    EXPECT_TRUE(missing[1].required);  // meta.code: every file names its own code
    EXPECT_FALSE(missing[2].required) << missing[2].key;  // the lucky numbers
}

TEST(TextChecks, GlossaryHoldsTermsFormsAndAvoidedWords) {
    const GlossaryParse glossary = ParseGlossary(
        "# Tamil\n"
        "Mars\tசெவ்வாய்\tசெவ்வாய\tஅங்காரகன்\n"
        "Jupiter\tகுரு\t\tவியாழன்\tnot the weekday's name\n");
    ASSERT_TRUE(glossary.problems.empty()) << Lines(glossary.problems);
    ASSERT_EQ(glossary.entries.size(), 2u);
    EXPECT_EQ(glossary.entries[1].forms, std::vector<std::string>{"குரு"});
    EXPECT_EQ(glossary.entries[1].note, "not the weekday's name");

    const TextMap english = {{"ruler", "Mars"},
                             {"ruler.code", "Mars"},
                             {"prose", "Ruled by Mars, you are brave."},
                             {"days", "Thursday"},
                             {"other", "Marsh land"}};
    struct Case {
        TextMap translation;
        std::size_t problems;
    };
    const Case cases[] = {
        {{{"ruler", "செவ்வாய்"}, {"prose", "செவ்வாயால் ஆளப்படும்"}, {"days", "வியாழக்கிழமை"},
          {"other", "சதுப்பு நிலம்"}},
         0},                                       // an inflected form; a longer word is no use
        {{{"ruler", "செவ்வாய"}, {"prose", "செவ்வாயால்"}, {"days", "x"}, {"other", "x"}},
         1},                                       // the whole text must be the term itself
        {{{"ruler", "செவ்வாய்"}, {"prose", "அங்காரகனால்"}, {"days", "x"}, {"other", "x"}},
         1},                                       // the term is not used
        {{{"ruler", "செவ்வாய்"}, {"prose", "செவ்வாய்"}, {"days", "வியாழன், வெள்ளி"},
          {"other", "x"}},
         1},                                       // an avoided word
        {{}, 2},                                   // English left in place breaks both rules
        {{{"ruler", "செவ்வாய்"}, {"ruler.code", "செவ்"}, {"prose", "செவ்வாயால்"}, {"days", "x"},
          {"other", "x"}},
         0},                                       // a code abbreviates the term
        {{{"ruler", "செவ்வாய்"}, {"ruler.code", "அங்காரகன்"}, {"prose", "செவ்வாயால்"},
          {"days", "x"}, {"other", "x"}},
         1},                                       // but uses no avoided word
    };
    for (const Case& c : cases) {
        const std::vector<std::string> problems =
            GlossaryProblems(glossary.entries, english, c.translation);
        EXPECT_EQ(problems.size(), c.problems) << Lines(problems);
    }
    EXPECT_FALSE(ParseGlossary("Mars\n").problems.empty());
    EXPECT_FALSE(ParseGlossary("Mars\tx\nMars\ty\n").problems.empty());
}

}  // namespace
}  // namespace kalodaya
