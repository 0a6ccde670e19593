// The worked example through the whole pipeline.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "chart/chart_outcome.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

using testing_support::WorkedExampleRequest;

std::string Lines(int emptyBefore, bool gl = false, int emptyAfter = 0) {
    std::string s;
    for (int i = 0; i < emptyBefore; ++i) s += "\r\n";
    if (gl) s += "\r\nGL";
    for (int i = 0; i < emptyAfter; ++i) s += "\r\n";
    return s;
}

// Worked out by hand from the arudha rules with the worked example's positions (see
// lagna_special_test.cpp); a retrograde Saturn moves the padas of houses 5 and 6.
std::array<std::string, 12> ExpectedMarkers(bool saturnRetrograde) {
    return {"",
            Lines(2),
            Lines(1),
            Lines(1, true, 2),
            Lines(1),
            Lines(2),
            Lines(3),
            Lines(saturnRetrograde ? 2 : 3),
            Lines(saturnRetrograde ? 2 : 1),
            Lines(3),
            Lines(1),
            Lines(1)};
}

TEST(WorkedExamplePipeline, GhatiLagnaAndSpecialLagnas) {
    const ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_TRUE(outcome.Computed());
    const ChartResult& c = outcome.result;
    const ResultTexts& texts = outcome.texts;
    EXPECT_EQ(texts.planet[Asc], "28 Vir 42");
    EXPECT_NEAR(c.sunAtSunrise, 118.3435, 5e-4);
    EXPECT_EQ(texts.sunAtSunrise, "28 Can 20");
    ASSERT_TRUE(c.ghatiLagna.has_value());
    EXPECT_NEAR(c.ghatiLagna->longitude, 109.5935, 5e-4);
    EXPECT_EQ(texts.ghatiLagna, "19 Can 35");
    EXPECT_EQ(c.ghatiLagna->sign, 3);
    EXPECT_EQ(texts.profileSign, 3);
    // The planet table keeps the birth moment's Sun.
    EXPECT_EQ(texts.planet[Sun], "28 Can 31");

    const bool saturnRetro = c.retrograde[Saturn];
    EXPECT_EQ(texts.names[Saturn], saturnRetro ? "Saturn (R) " : "Saturn");
    const auto expected = ExpectedMarkers(saturnRetro);
    for (int i = 0; i < kSignCount; ++i) EXPECT_EQ(texts.markers[i], expected[i]) << "cell " << i;
    EXPECT_EQ(texts.markers[3].find("GL"), 4u);  // third line of the Cancer cell
}


}  // namespace
}  // namespace kalodaya
