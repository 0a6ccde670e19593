// The ghati lagna, its sign and its "GL" line; the sign of a longitude.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/app_state.h"
#include "core/result_texts.h"
#include "core/tables.h"
#include "lagna/lagna_math.h"
#include "lagna/longitude_sign.h"
#include "lagna/special_lagnas.h"

namespace kalodaya {
namespace {

AppState AtSunrise(double sunAtSunrise, int32_t elapsedMinutes) {
    AppState state;
    LoadTables(state);
    state.chart.SunAtSunrise = sunAtSunrise;
    state.chart.ElapsedMinutes = elapsedMinutes;
    state.chart.ElapsedSeconds = elapsedMinutes * 60;
    return state;
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
    AppState state = AtSunrise(118.3435, 0);
    PlaceGhatiLagna(state);
    EXPECT_DOUBLE_EQ(state.chart.GhatiLagnaDeg, 118.3435);
    EXPECT_EQ(state.chart.GhatiLagnaText, "28 Can 20");
    EXPECT_EQ(state.chart.GhatiLagnaSign, 3);
    EXPECT_EQ(state.view.markers[3], "\r\nGL");
}

TEST(GhatiLagna, OneSignPerGhati) {
    AppState state = AtSunrise(118.3435, 24);
    PlaceGhatiLagna(state);
    EXPECT_NEAR(state.chart.GhatiLagnaDeg, 148.3435, 1e-9);
    EXPECT_EQ(state.chart.GhatiLagnaSign, 4);
    EXPECT_EQ(state.view.markers[4], "\r\nGL");

    AppState twelve = AtSunrise(118.3435, 288);  // 360 degrees ahead: the Sun's own place
    PlaceGhatiLagna(twelve);
    EXPECT_NEAR(twelve.chart.GhatiLagnaDeg, 118.3435, 1e-9);
    EXPECT_EQ(twelve.chart.GhatiLagnaSign, 3);
    EXPECT_EQ(twelve.chart.GhatiLagnaText, "28 Can 20");
}

TEST(GhatiLagna, WrapsPastPiscesIntoAries) {
    AppState state = AtSunrise(350, 20);  // 375 becomes 15
    PlaceGhatiLagna(state);
    EXPECT_DOUBLE_EQ(state.chart.GhatiLagnaDeg, 15);
    EXPECT_EQ(state.chart.GhatiLagnaText, "15 Ari 00");
    EXPECT_EQ(state.chart.GhatiLagnaSign, 0);
    EXPECT_EQ(state.view.markers[0], "\r\nGL");
}

TEST(GhatiLagna, ExactlyThreeSixtyIsAriesNotThePreviousSign) {
    EXPECT_DOUBLE_EQ(GhatiLagnaLongitude(330, 24), 360);  // the reduction keeps 360
    AppState state = AtSunrise(330, 24);
    state.chart.GhatiLagnaSign = 7;  // a previous request's sign must not survive
    state.chart.GhatiLagnaText = "12 Sco 00";
    PlaceGhatiLagna(state);
    EXPECT_EQ(state.chart.GhatiLagnaSign, 0);
    EXPECT_DOUBLE_EQ(state.chart.GhatiLagnaDeg, 0);
    EXPECT_EQ(state.chart.GhatiLagnaText, "00 Ari 00");
    EXPECT_EQ(state.view.markers[0], "\r\nGL");
    for (int i = 1; i < kSignCount; ++i) EXPECT_EQ(state.view.markers[i], "") << i;
}

TEST(GhatiLagna, WorkedExampleByHand) {
    EXPECT_NEAR(GhatiLagnaLongitude(118.3435, 281), 109.5935, 1e-9);
    AppState state = AtSunrise(118.3435, 281);
    PlaceGhatiLagna(state);
    EXPECT_NEAR(state.chart.GhatiLagnaDeg, 109.5935, 1e-9);
    EXPECT_EQ(state.chart.GhatiLagnaText, "19 Can 35");
    EXPECT_EQ(state.chart.GhatiLagnaSign, 3);
}

TEST(GhatiLagna, StandsOneLineLowerForEachEarlierMarker) {
    AppState empty = AtSunrise(118.3435, 281);
    PlaceGhatiLagna(empty);
    EXPECT_EQ(empty.view.markers[3], "\r\nGL");  // second line: the first is empty

    AppState marked = AtSunrise(118.3435, 281);
    AppendMarker(marked.view, 3, "");
    AppendMarker(marked.view, 3, "");
    AppendMarker(marked.view, 4, "");
    PlaceGhatiLagna(marked);
    EXPECT_EQ(marked.view.markers[3], "\r\n\r\n\r\nGL");  // fourth line
    EXPECT_EQ(marked.view.markers[4], "\r\n");
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
