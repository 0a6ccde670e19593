// The interpretive texts: the data file as shipped, and how it is read.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "profile/sign_texts.h"

namespace kalodaya {
namespace {

struct Expected {
    std::string_view opening;
    std::size_t length;
};

// By sign, then topic (Looks, Nature, Career And Finance, Love And Domestic Life, Health).
constexpr Expected kExpected[kSignCount][kTextTopicCount] = {
    {{"You may be slim and of", 185},
     {"You are very independent and dynamic.", 883},
     {"You are ambitious by nature.", 175},
     {"You are a romantic to the", 210},
     {"You may be prone to blood", 121}},
    {{"You are attractive and beautiful.", 191},
     {"You have a powerful and commanding", 685},
     {"You love spending on luxurious things.", 282},
     {"You may not express your emotions", 140},
     {"You may not enjoy good health", 84}},
    {{"You are tall slim and good", 127},
     {"You have an analytical mind.", 652},
     {"You will do very well in", 227},
     {"You are blessed with a long", 216},
     {"You may have some problems of", 108}},
    {{"You have a medium stature and", 136},
     {"You are a patient person and", 619},
     {"You have an artistic bent of", 186},
     {"Parents will mean a lot to", 220},
     {"You may have stress and mental", 166}},
    {{"You are tall  and have", 137},
     {"You are a leader and can", 716},
     {"You can do well in professions", 215},
     {"You love living life king size.", 321},
     {"Heart problems may occur.", 124}},
    {{"You are tall and slim with", 131},
     {"You are practical and polished.", 855},
     {"You are skilled in music and", 126},
     {"You are not romantic at all.", 150},
     {"Your intestine and liver may give", 81}},
    {{"You are tall and thin.", 150},
     {"Justice means everything to you.", 769},
     {"You could make a career of", 157},
     {"Being peaceful and loving by nature,", 184},
     {"Kidney and liver are your weak", 93}},
    {{"You have broad body shape.", 103},
     {"Mysterious is the first word that", 811},
     {"You may come in possession of", 257},
     {"Your possessive nature may create problems", 276},
     {"You may have problems from piles", 110}},
    {{"You may be medium to tall", 167},
     {"You are very optimistic and spontaneous", 515},
     {"You always yearn to learn more", 240},
     {"You may have some problem dealing", 297},
     {"Your body gives out too much", 155}},
    {{"You have beautiful eyes.", 107},
     {"You want to achieve a lot", 726},
     {"Material wealth means a lot to", 166},
     {"Domestic life will have its share", 324},
     {"You may be prone to gout", 93}},
    {{"You have a fair complexion.", 221},
     {"You are a thinker, philosopher and", 626},
     {"You will do very well in", 195},
     {"You are influenced more by your", 177},
     {"Your legs and eyes may be", 155}},
    {{"You have the perfect body with", 154},
     {"You are very creative and soft", 699},
     {"You are artistically inclined.", 231},
     {"Your children will be very fortunate", 293},
     {"Common cold will be your constant", 131}},
};

constexpr int kLeo = 4, kVirgo = 5, kScorpio = 7;
constexpr int kLooks = 0, kLove = 3;

std::string Where(int sign, int topic) {
    return std::string(kSignNames[sign]) + " / " + std::string(kTextTopicNames[topic]);
}

// Start offsets and lengths of every run of two or more spaces.
std::vector<std::pair<std::size_t, std::size_t>> SpaceRuns(std::string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t j = i;
        while (j < text.size() && text[j] == ' ') ++j;
        if (j - i >= 2) runs.emplace_back(i, j - i);
        i = j > i ? j : i + 1;
    }
    return runs;
}

TEST(SignTextsFile, ReadsWithoutFaults) {
    const SignTextsParse parsed = ParseSignTexts(SignTextsData());
    EXPECT_TRUE(parsed.problems.empty()) << parsed.problems.front();
    EXPECT_EQ(parsed.texts, SignTexts());
}

TEST(SignTextsFile, EveryTextHasItsOpeningAndExactLength) {
    for (int s = 0; s < kSignCount; ++s)
        for (int t = 0; t < kTextTopicCount; ++t) {
            const std::string& text = SignTexts()[s][t];
            EXPECT_TRUE(text.starts_with(kExpected[s][t].opening)) << Where(s, t);
            EXPECT_EQ(text.size(), kExpected[s][t].length) << Where(s, t);
        }
}

TEST(SignTextsFile, PlainOneLineParagraphsAllDifferent) {
    std::set<std::string> seen;
    for (int s = 0; s < kSignCount; ++s)
        for (int t = 0; t < kTextTopicCount; ++t) {
            const std::string& text = SignTexts()[s][t];
            for (char ch : text)
                ASSERT_TRUE(ch >= 0x20 && ch <= 0x7E)
                    << Where(s, t) << ": character " << static_cast<int>(ch);
            EXPECT_NE(text.front(), ' ') << Where(s, t);
            EXPECT_TRUE(text.ends_with(".")) << Where(s, t);
            // Written to the reader: "you" or "your" somewhere, whatever the case.
            EXPECT_TRUE(text.find("you") != std::string::npos ||
                        text.find("You") != std::string::npos)
                << Where(s, t);
            EXPECT_TRUE(seen.insert(text).second) << Where(s, t) << " repeats another text";
        }
}

TEST(SignTextsFile, OnlyTheThreeKnownRunsOfSpaces) {
    using Runs = std::vector<std::pair<std::size_t, std::size_t>>;
    for (int s = 0; s < kSignCount; ++s)
        for (int t = 0; t < kTextTopicCount; ++t) {
            const std::string& text = SignTexts()[s][t];
            const Runs runs = SpaceRuns(text);
            if (s == kLeo && t == kLooks) {
                const std::size_t at = std::string_view("You are tall").size();
                EXPECT_EQ(runs, (Runs{{at, 2}})) << Where(s, t);
            } else if (s == kVirgo && t == kLove) {
                const std::size_t at = text.find("analyzed.");
                ASSERT_NE(at, std::string::npos);
                EXPECT_EQ(runs, (Runs{{at + 9, 4}})) << Where(s, t);
            } else if (s == kScorpio && t == kLove) {
                // Right after the first sentence.
                EXPECT_EQ(runs, (Runs{{text.find('.') + 1, 2}})) << Where(s, t);
            } else {
                EXPECT_TRUE(runs.empty()) << Where(s, t) << " at " << runs.front().first;
            }
        }
}

TEST(SignTextsFile, HealthNamesTheBodyPartAndNatureIsLongest) {
    // A weak but honest guard against a text filed under the wrong sign or topic: each Health
    // text names the sign's part of the body or the organs near it.
    constexpr std::string_view kHealthWord[kSignCount] = {
        "head",    "face",   "shoulders", "chest", "Heart",  "abdomen",
        "abdomen", "organs", "thighs",    "knees", "calves", "feet"};
    for (int s = 0; s < kSignCount; ++s)
        EXPECT_NE(SignTexts()[s][4].find(kHealthWord[s]), std::string::npos) << kSignNames[s];
    // Nature is the longest topic for every sign.
    for (int s = 0; s < kSignCount; ++s) {
        for (int t = 0; t < kTextTopicCount; ++t) {
            if (t != 1) {
                EXPECT_GT(SignTexts()[s][1].size(), SignTexts()[s][t].size()) << Where(s, t);
            }
        }
    }
}

TEST(SignTextsParser, SkipsCommentsBlankLinesAndCarriageReturns) {
    std::string data = "# header\r\n\r\n";
    for (int s = 0; s < kSignCount; ++s)
        for (int t = 0; t < kTextTopicCount; ++t)
            data += std::string(kSignNames[s]) + "\t" + std::string(kTextTopicNames[t]) + "\t" +
                    "T" + std::to_string(s) + "." + std::to_string(t) + "  x \r\n";
    const SignTextsParse parsed = ParseSignTexts(data);
    EXPECT_TRUE(parsed.problems.empty());
    // Everything after the second tab is kept, inner and trailing spaces included.
    EXPECT_EQ(parsed.texts[11][4], "T11.4  x ");
    EXPECT_EQ(parsed.texts[0][0], "T0.0  x ");
}

TEST(SignTextsParser, ReportsFaultyLinesAndMissingEntries) {
    const std::string data =
        "Aries\tLooks\tFirst.\n"
        "Aries\tLooks\tSecond.\n"   // line 2: duplicate, the first entry stands
        "Aires\tNature\tText.\n"    // line 3: misspelt sign
        "Aries\tLook\tText.\n"      // line 4: unknown topic
        "Aries Health Text.\n"      // line 5: no tabs
        "Aries\tHealth\tA\ttab.\n"  // line 6: a tab inside the text
        "Aries\tHealth\t\n"         // line 7: empty text
        "Taurus\tHealth\tFine.";    // last line without a line feed
    const SignTextsParse parsed = ParseSignTexts(data);
    EXPECT_EQ(parsed.texts[0][0], "First.");
    EXPECT_EQ(parsed.texts[1][4], "Fine.");
    EXPECT_TRUE(parsed.texts[0][4].empty());
    ASSERT_GE(parsed.problems.size(), 6u);
    EXPECT_EQ(parsed.problems[0], "line 2: second entry for \"Aries\" \"Looks\"");
    EXPECT_EQ(parsed.problems[1], "line 3: unknown sign \"Aires\"");
    EXPECT_EQ(parsed.problems[2], "line 4: unknown topic \"Look\"");
    EXPECT_EQ(parsed.problems[3].rfind("line 5: ", 0), 0u);
    EXPECT_EQ(parsed.problems[4].rfind("line 6: ", 0), 0u);
    EXPECT_EQ(parsed.problems[5], "line 7: empty text");
    // 60 entries minus the two that were read.
    EXPECT_EQ(parsed.problems.size(), 6u + 58u);
    EXPECT_EQ(parsed.problems[6], "no entry for \"Aries\" \"Nature\"");
}

}  // namespace
}  // namespace kalodaya
