// The search form of names and queries.
#include "astro/atlas/text_fold.h"

#include <gtest/gtest.h>

namespace kalodaya::atlas {
namespace {

TEST(FoldForSearch, DropsAccentsAndCase) {
    EXPECT_EQ(FoldForSearch("Zürich"), "zurich");
    EXPECT_EQ(FoldForSearch("SÃO PAULO"), "sao paulo");
    EXPECT_EQ(FoldForSearch("Đà Nẵng"), "da nang");  // Latin Extended Additional
    EXPECT_EQ(FoldForSearch("Ağrı"), "agri");        // dotless i
}

TEST(FoldForSearch, SpellsLettersWithoutADecomposition) {
    EXPECT_EQ(FoldForSearch("Łódź"), "lodz");
    EXPECT_EQ(FoldForSearch("Straße"), "strasse");
    EXPECT_EQ(FoldForSearch("Æbeltoft"), "aebeltoft");
    EXPECT_EQ(FoldForSearch("Tórshavn, Føroyar"), "torshavn, foroyar");
    EXPECT_EQ(FoldForSearch("Hawaiʻi"), "hawai'i");
}

TEST(FoldForSearch, BlanksHyphensAndControlCharacters) {
    EXPECT_EQ(FoldForSearch("  Saint-Étienne  "), "saint etienne");
    EXPECT_EQ(FoldForSearch("New\t \nYork"), "new york");
    EXPECT_EQ(FoldForSearch("Winston–Salem"), "winston salem");  // en dash
    EXPECT_EQ(FoldForSearch(""), "");
    EXPECT_EQ(FoldForSearch(" - "), "");
}

TEST(FoldForSearch, OtherScriptsAndBrokenBytesStayAsTheyAre) {
    EXPECT_EQ(FoldForSearch("Москва"), "Москва");
    EXPECT_EQ(FoldForSearch("சென்னை"), "சென்னை");
    EXPECT_EQ(FoldForSearch("a\xFF\xC3"), "a\xFF\xC3");
}

}  // namespace
}  // namespace kalodaya::atlas
