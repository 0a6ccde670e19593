// The ghati lagna, its sign and its "GL" line; the sign of a longitude.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/tables.h"
#include "chart/chart_result.h"
#include "chart/present.h"
#include "chart/result_texts.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

// A chart whose only lagna is the ghati lagna of the Sun at sunrise and the minutes since, after
// the arudha lines `arudha`, with its texts.
struct GhatiChart {
    GhatiLagna gl;
    ResultTexts texts;
};

GhatiChart AtSunrise(double sunAtSunrise, int32_t elapsedMinutes,
                     const std::array<uint8_t, kSignCount>& arudha = {}) {
    ChartResult r;
    r.sunAtSunrise = sunAtSunrise;
    r.elapsedMinutes = elapsedMinutes;
    r.elapsedSeconds = elapsedMinutes * 60;
    r.marks.arudha = arudha;
    r.ghatiLagna = ComputeGhatiLagna(sunAtSunrise, elapsedMinutes);
    EXPECT_TRUE(r.ghatiLagna.has_value());
    if (r.ghatiLagna) r.marks.ghatiLagnaSign = r.ghatiLagna->sign;
    return {r.ghatiLagna.value_or(GhatiLagna{}), Present(r)};
}

TEST(SignOfLongitude, FollowsTheLabelAndGivesThreeSixtyToAries) {
    EXPECT_EQ(SignOfLongitude(109.5935).label, "19 Can 35");
    EXPECT_EQ(SignOfLongitude(109.5935).sign, 3);
    EXPECT_EQ(SignOfLongitude(0).label, "00 Ari 00");
    EXPECT_EQ(SignOfLongitude(0).sign, 0);
    EXPECT_EQ(SignOfLongitude(360).label, "00 Ari 00");
    EXPECT_EQ(SignOfLongitude(360).sign, 0);
    EXPECT_EQ(SignOfLongitude(29.99999).sign, 0);  // truncated, never rounded into Taurus
    EXPECT_EQ(SignOfLongitude(30).sign, 1);
    EXPECT_EQ(SignOfLongitude(359.99).label, "29 Pis 59");
    EXPECT_EQ(SignOfLongitude(359.99).sign, 11);
    EXPECT_EQ(SignOfLongitude(258.8435).label, "18 Sag 50");
    EXPECT_EQ(SignOfLongitude(188.5935).label, "08 Lib 35");
}

TEST(SignIndexOfText, MatchesTheSharedLookupExactly) {
    for (const char* text :
         {"28 Vir 42", "00 Ari 00", "29 Pis 59", "05 Tau 07", "12 ari 00", "12 ARI 00", "12 Ari",
          "12 Ar", "", "1 Ari 00", "12 Xyz 00", "0\" 00", "12 Can 20 extra"}) {
        EXPECT_EQ(SignIndexOfText(text), SignIndexOfPosition(text)) << text;
    }
    for (int i = 0; i < kSignCount; ++i)
        EXPECT_EQ(SignIndexOfText("10 " + std::string(kSignCodes[i]) + " 00"), i);
}

TEST(GhatiLagna, BirthAtTheReferenceSunriseIsTheSunsSign) {
    const GhatiChart chart = AtSunrise(118.3435, 0);
    EXPECT_DOUBLE_EQ(chart.gl.longitude, 118.3435);
    EXPECT_EQ(chart.texts.ghatiLagna, "28 Can 20");
    EXPECT_EQ(chart.gl.sign, 3);
    EXPECT_EQ(chart.texts.markers[3], "\r\nGL");
}

TEST(GhatiLagna, OneSignPerGhati) {
    const GhatiChart chart = AtSunrise(118.3435, 24);
    EXPECT_NEAR(chart.gl.longitude, 148.3435, 1e-9);
    EXPECT_EQ(chart.gl.sign, 4);
    EXPECT_EQ(chart.texts.markers[4], "\r\nGL");

    const GhatiChart twelve = AtSunrise(118.3435, 288);  // 360 degrees ahead: the Sun's own place
    EXPECT_NEAR(twelve.gl.longitude, 118.3435, 1e-9);
    EXPECT_EQ(twelve.gl.sign, 3);
    EXPECT_EQ(twelve.texts.ghatiLagna, "28 Can 20");
}

TEST(GhatiLagna, WrapsPastPiscesIntoAries) {
    const GhatiChart chart = AtSunrise(350, 20);  // 375 becomes 15
    EXPECT_DOUBLE_EQ(chart.gl.longitude, 15);
    EXPECT_EQ(chart.texts.ghatiLagna, "15 Ari 00");
    EXPECT_EQ(chart.gl.sign, 0);
    EXPECT_EQ(chart.texts.markers[0], "\r\nGL");
}

TEST(GhatiLagna, ExactlyThreeSixtyIsAriesNotThePreviousSign) {
    EXPECT_DOUBLE_EQ(GhatiLagnaLongitude(330, 24), 360);  // the reduction keeps 360
    const GhatiChart chart = AtSunrise(330, 24);
    EXPECT_EQ(chart.gl.sign, 0);
    EXPECT_DOUBLE_EQ(chart.gl.longitude, 0);
    EXPECT_EQ(chart.texts.ghatiLagna, "00 Ari 00");
    EXPECT_EQ(chart.texts.markers[0], "\r\nGL");
    for (int i = 1; i < kSignCount; ++i) EXPECT_EQ(chart.texts.markers[i], "") << i;

    // Texts that showed an earlier chart's Scorpio ghati lagna keep nothing of it.
    ChartResult scorpio;
    scorpio.ghatiLagna = GhatiLagna{222, 7};
    scorpio.marks.ghatiLagnaSign = 7;
    ResultTexts texts = Present(scorpio);
    ASSERT_EQ(texts.markers[7], "\r\nGL");
    ChartResult aries;
    aries.sunAtSunrise = 330;
    aries.elapsedMinutes = 24;
    aries.ghatiLagna = ComputeGhatiLagna(330, 24);
    aries.marks.ghatiLagnaSign = aries.ghatiLagna->sign;
    PresentInto(aries, texts);
    EXPECT_EQ(texts.ghatiLagna, "00 Ari 00");
    EXPECT_EQ(texts.profileSign, 0);
    EXPECT_EQ(texts.markers[0], "\r\nGL");
    EXPECT_EQ(texts.markers[7], "");
}

TEST(GhatiLagna, NoAngleNoGhatiLagna) {
    EXPECT_FALSE(ComputeGhatiLagna(std::nan(""), 10).has_value());
}

TEST(GhatiLagna, WorkedExampleByHand) {
    EXPECT_NEAR(GhatiLagnaLongitude(118.3435, 281), 109.5935, 1e-9);
    const GhatiChart chart = AtSunrise(118.3435, 281);
    EXPECT_NEAR(chart.gl.longitude, 109.5935, 1e-9);
    EXPECT_EQ(chart.texts.ghatiLagna, "19 Can 35");
    EXPECT_EQ(chart.gl.sign, 3);
}

TEST(GhatiLagna, StandsOneLineLowerForEachEarlierMarker) {
    const GhatiChart empty = AtSunrise(118.3435, 281);
    EXPECT_EQ(empty.texts.markers[3], "\r\nGL");  // second line: the first is empty

    std::array<uint8_t, kSignCount> arudha{};
    arudha[3] = 2;
    arudha[4] = 1;
    const GhatiChart marked = AtSunrise(118.3435, 281, arudha);
    EXPECT_EQ(marked.texts.markers[3], "\r\n\r\n\r\nGL");  // fourth line
    EXPECT_EQ(marked.texts.markers[4], "\r\n");
}

}  // namespace
}  // namespace kalodaya

namespace kalodaya {
namespace {

// A value that is no angle has no sign, and a huge one is reduced without looping for ever.
TEST(LongitudeSign, NonFiniteAndHugeValuesEndWithoutASign) {
    EXPECT_EQ(SignIndexOfLongitude(std::numeric_limits<double>::infinity()), -1);
    EXPECT_EQ(SignIndexOfLongitude(std::nan("")), -1);
    EXPECT_FALSE(SignOfLongitude(-std::numeric_limits<double>::infinity()).sign.has_value());
    EXPECT_EQ(SignIndexOfLongitude(1e300), SignIndexOfLongitude(std::fmod(1e300, 360.0)));
    EXPECT_EQ(SignIndexOfLongitude(365), 0);
}

}  // namespace
}  // namespace kalodaya
