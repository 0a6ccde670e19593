// The angle routines and the longitude texts.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "base/angles.h"

namespace kalodaya {
namespace {

constexpr const char* kDeg = "\xC2\xB0";  // U+00B0 in UTF-8

TEST(EphemerisAngles, QuadrantArctanSpecialCases) {
    EXPECT_EQ(QuadrantArctan(0, -1), 0);  // not pi
    EXPECT_NEAR(QuadrantArctan(1, 0), kPi / 2, 1e-15);
    EXPECT_NEAR(QuadrantArctan(-1, 0), -kPi / 2, 1e-15);
    EXPECT_EQ(QuadrantArctan(0, 0), 0);
    EXPECT_NEAR(QuadrantArctan(-1, -1), -3 * kPi / 4, 1e-14);
    EXPECT_NEAR(QuadrantArctan(1, -1), 3 * kPi / 4, 1e-14);
    EXPECT_NEAR(QuadrantArctan(1, 1), kPi / 4, 1e-15);
    EXPECT_NEAR(QuadrantArctan(-1, 1), -kPi / 4, 1e-15);
}

TEST(EphemerisAngles, Normalize360TakesOneStepEachWay) {
    EXPECT_EQ(Normalize360(-10), 350);
    EXPECT_EQ(Normalize360(360), 360);
    EXPECT_EQ(Normalize360(725), 365);
    EXPECT_EQ(Normalize360(-370), -10);
    EXPECT_EQ(Normalize360(0), 0);
    EXPECT_EQ(Normalize360(123.5), 123.5);
}

TEST(EphemerisAngles, ReduceToTwoPi) {
    EXPECT_NEAR(ReduceToTwoPi(1), 1, 1e-15);
    EXPECT_NEAR(ReduceToTwoPi(kTwoPi + 1), 1, 1e-14);
    EXPECT_NEAR(ReduceToTwoPi(-1), kTwoPi - 1, 1e-14);
    EXPECT_NEAR(ReduceToTwoPi(-kTwoPi - 1), kTwoPi - 1, 1e-14);
    EXPECT_EQ(ReduceToTwoPi(-kTwoPi), 0);  // a negative whole number of turns ends at 0
    EXPECT_EQ(ReduceToTwoPi(0), 0);
    for (double a = -100; a < 100; a += 0.37) {
        const double r = ReduceToTwoPi(a);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, kTwoPi);
    }
}

// The one-step reductions give what the written-out loops give, bit for bit.
double LoopAtLeast360(double a) {
    while (a >= 360) a -= 360;
    return a;
}
double LoopAbove360(double a) {
    while (a > 360) a -= 360;
    return a;
}
double LoopNegative(double a) {
    while (a < 0) a += 360;
    return a;
}

TEST(EphemerisAngles, OneStepReductionsEqualTheLoops) {
    const double samples[] = {0,
                              360,
                              720,
                              -360,
                              -720,
                              359.999999999,
                              360.0000001,
                              -0.0000001,
                              1e-300,
                              -1e-300,
                              65123.456789,
                              -48912.123456789,
                              481267.88134236 * 1.5,
                              -481267.88134236,
                              32617.901234,
                              1080,
                              -1080.5};
    for (double a : samples) {
        EXPECT_EQ(SubtractWhileAtLeast360(a), LoopAtLeast360(a)) << a;
        EXPECT_EQ(SubtractWhileAbove360(a), LoopAbove360(a)) << a;
        EXPECT_EQ(AddWhileNegative(a), LoopNegative(a)) << a;
    }
    for (double a = -200000; a < 200000; a += 97.123456789) {
        ASSERT_EQ(SubtractWhileAtLeast360(a), LoopAtLeast360(a)) << a;
        ASSERT_EQ(SubtractWhileAbove360(a), LoopAbove360(a)) << a;
        ASSERT_EQ(AddWhileNegative(a), LoopNegative(a)) << a;
    }
    // Random angles of every size up to 10^5 degrees, and angles a hair either side of whole turns.
    std::mt19937_64 rng(20260101);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 100000; ++i) {
        const double a = unit(rng) * std::pow(10.0, 5 * std::fabs(unit(rng)));
        ASSERT_EQ(SubtractWhileAtLeast360(a), LoopAtLeast360(a)) << a;
        ASSERT_EQ(SubtractWhileAbove360(a), LoopAbove360(a)) << a;
        ASSERT_EQ(AddWhileNegative(a), LoopNegative(a)) << a;
    }
    for (int turns = -300; turns <= 300; ++turns) {
        const double whole = 360.0 * turns;
        for (double a : {whole, std::nextafter(whole, -1e9), std::nextafter(whole, 1e9),
                         whole - 1e-9, whole + 1e-9, whole - 1e-300, whole + 1e-300}) {
            ASSERT_EQ(SubtractWhileAtLeast360(a), LoopAtLeast360(a)) << a;
            ASSERT_EQ(SubtractWhileAbove360(a), LoopAbove360(a)) << a;
            ASSERT_EQ(AddWhileNegative(a), LoopNegative(a)) << a;
        }
    }
    EXPECT_EQ(AddWhileNegative(-1e-300), 360);   // as the loop: the addition rounds to 360
    EXPECT_EQ(SubtractWhileAbove360(720), 360);  // exactly 360 stays 360
    EXPECT_EQ(SubtractWhileAtLeast360(720), 0);
    EXPECT_EQ(SubtractWhileAtLeast360(-10), -10);  // a negative angle is not raised
}

TEST(EphemerisAngles, FormatSignDmsWritesDegreesMinutesSecondsAndCode) {
    EXPECT_EQ(FormatSignDms(45.5), std::string("15") + kDeg + " 30' 0\" Tau");
    EXPECT_EQ(FormatSignDms(0), std::string("0") + kDeg + " 0' 0\" Ari");
    EXPECT_EQ(FormatSignDms(359.5), std::string("29") + kDeg + " 30' 0\" Pis");
    EXPECT_EQ(FormatSignDms(-45.5), FormatSignDms(45.5));  // the magnitude is formatted
}

TEST(EphemerisAngles, FormatSignDmsTruncatesNeverRoundsIntoTheNextSign) {
    EXPECT_EQ(FormatSignDms(29.99999), std::string("29") + kDeg + " 59' 59\" Ari");
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(29.99999)), "29 Ari 59");
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(30)), "00 Tau 00");
}

TEST(EphemerisAngles, FormatSignDmsOf360HasNoCode) {
    // Sign index 12 has no code; the callers keep their angles below 360 (Ketu is
    // mended in the planets, see the planets tests).
    EXPECT_EQ(FormatSignDms(360), std::string("0") + kDeg + " 0' 0\" ");
}

TEST(EphemerisAngles, FormatPlanetLabelPadsAndDropsSeconds) {
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(45.5)), "15 Tau 30");
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(35 + 7 / 60.0 + 59.9 / 3600)), "05 Tau 07");
    EXPECT_EQ(FormatPlanetLabel(std::string("5") + kDeg + " 7' 59\" Tau"), "05 Tau 07");
    EXPECT_EQ(FormatPlanetLabel(std::string("  12") + kDeg + " 34' 5\" Gem"), "12 Gem 34");
    // Characters 4 to 6 are the sign code, whatever the byte length of the degree sign.
    const std::string label = FormatPlanetLabel(FormatSignDms(178.71281));
    EXPECT_EQ(label, "28 Vir 42");
    EXPECT_EQ(label.size(), 9u);
    EXPECT_EQ(label.substr(3, 3), "Vir");
}

TEST(EphemerisAngles, BothTextsAtOnceEqualTheTwoSteps) {
    std::string dms, label;
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> any(-720, 720);
    std::vector<double> samples = {0,     29.99999, 30,   45.5,  359.999999, 360, 361.5,
                                   389.9, 400,      -0.5, 1e-12, 719.99,     1e6, 1e20};
    for (int i = 0; i < 20000; ++i) samples.push_back(any(rng));
    for (int minute = 0; minute < 360 * 60; ++minute) samples.push_back(minute / 60.0);
    for (double x : samples) {
        FormatLongitudeTexts(x, dms, label);
        ASSERT_EQ(dms, FormatSignDms(x)) << x;
        ASSERT_EQ(label, FormatPlanetLabel(FormatSignDms(x))) << x;
    }
    FormatLongitudeTexts(std::nan(""), dms, label);
    EXPECT_EQ(dms, FormatSignDms(std::nan("")));
    EXPECT_EQ(label, FormatPlanetLabel(dms));
}

}  // namespace
}  // namespace kalodaya
