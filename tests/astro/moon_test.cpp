// The Moon, its own ayanamsa on the J2000 epoch and the nakshatra start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/ayanamsa.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "base/angles.h"
#include "ephemeris_fixtures.h"

namespace kalodaya {
namespace {

using testing::Printed;
using testing::WorkedExampleBirth;

TEST(EphemerisMoon, AyanamsaCorrection2000AtTheEpoch) {
    EXPECT_NEAR(AyanamsaCorrection2000(0), -23.8537, Printed(4));
}

TEST(EphemerisMoon, WorkedExampleStepByStep) {
    const double t = CenturiesFrom2000(2448119, 5.0);
    EXPECT_NEAR(t, -0.0938067534, Printed(10));
    EXPECT_NEAR(AyanamsaCorrection2000(t), -23.72998, Printed(5));
    EXPECT_NEAR(MoonTropicalLongitude(t), 72.63823, Printed(5));
}

TEST(EphemerisMoon, WorkedExampleStage) {
    const SiderealMoon moon = ComputeMoon(ToUniversalTime(WorkedExampleBirth()));
    EXPECT_NEAR(moon.longitude, 48.90825, Printed(5));
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(moon.longitude)), "18 Tau 54");
    EXPECT_EQ(NakshatraIndex(moon.longitude), 3);
    EXPECT_EQ(moon.nakshatraStart, 39.99);
}

TEST(EphemerisMoon, NakshatraTableStepsBy1333) {
    for (int k = 0; k < 27; ++k) {
        EXPECT_NEAR(kNakshatraStartTable[k], 13.33 * k, 1e-9) << k;
    }
    EXPECT_EQ(kNakshatraStartTable[26], 346.58);
}

TEST(EphemerisMoon, NakshatraBoundaries) {
    EXPECT_EQ(NakshatraIndex(13.33), 0);
    EXPECT_EQ(NakshatraIndex(13.335), 1);  // Int(1.000125)
    EXPECT_EQ(kNakshatraStartTable[NakshatraIndex(13.335)], 13.33);
    EXPECT_EQ(NakshatraIndex(40.0 / 3), 1);  // exactly 800 minutes of arc
    EXPECT_EQ(NakshatraIndex(359.9), 26);
    EXPECT_NEAR(359.9 - kNakshatraStartTable[NakshatraIndex(359.9)], 13.32, 1e-9);
    EXPECT_EQ(NakshatraIndex(0), 0);
    EXPECT_EQ(NakshatraIndex(360), -1);  // outside the table
    EXPECT_EQ(NakshatraIndex(-0.1), -1);
}

TEST(EphemerisMoon, EveryLongitudeBelow360SelectsATableEntry) {
    // Not reachable from real input (s < 360); the stage must not read past the table.
    for (double s = 0; s < 360; s += 0.25) {
        const int k = NakshatraIndex(s);
        ASSERT_GE(k, 0);
        ASSERT_LE(k, 26);
        EXPECT_GE(s - kNakshatraStartTable[k], 0.0);
        EXPECT_LT(s - kNakshatraStartTable[k], 13.43);
    }
}

TEST(EphemerisMoon, TropicalBelowTheAyanamsaWrapsOnce) {
    // Over a month of days, the Moon passes through 0..24 degrees tropical at least once.
    LocalBirth b = WorkedExampleBirth();
    int found = 0;
    for (int day = 1; day <= 31; ++day) {
        for (int hour = 0; hour < 24; hour += 3) {
            b.day = day;
            b.hour = hour;
            const SiderealMoon moon = ComputeMoon(ToUniversalTime(b));
            const double t =
                CenturiesFrom2000(JulianDayNumber(8, day, 1990), UniversalTimeByZone(b).ut);
            const double tropical = MoonTropicalLongitude(t);
            const double c = AyanamsaCorrection2000(t);
            ASSERT_GE(moon.longitude, 0);
            ASSERT_LT(moon.longitude, 360);
            if (tropical + c < 0) {
                ++found;
                EXPECT_NEAR(moon.longitude, tropical + c + 360, 1e-9);
                EXPECT_GT(moon.longitude, 336);
            } else {
                EXPECT_NEAR(moon.longitude, tropical + c, 1e-9);
            }
            EXPECT_EQ(moon.nakshatraStart, kNakshatraStartTable[NakshatraIndex(moon.longitude)]);
        }
    }
    EXPECT_GT(found, 0);
}

// The sum of the lunar terms written out with one sine per term, as a check of the product's sum.
double MoonBySeparateSines(double t) {
    struct Term {
        double c;
        int d, m, mp, f;
        bool e;
    };
    static constexpr Term kTerms[25] = {
        {6.288774, 0, 0, 1, 0, 0},   {1.274027, 2, 0, -1, 0, 0},  {0.658314, 2, 0, 0, 0, 0},
        {0.213618, 0, 0, 2, 0, 0},   {-0.185116, 0, 1, 0, 0, 1},  {-0.114332, 0, 0, 0, 2, 0},
        {0.058793, 2, 0, -2, 0, 0},  {0.057066, 2, -1, -1, 0, 1}, {0.053322, 2, 0, 1, 0, 0},
        {0.045758, 2, -1, 0, 0, 1},  {-0.040923, 0, 1, -1, 0, 1}, {-0.034720, 1, 0, 0, 0, 0},
        {-0.030383, 0, 1, 1, 0, 1},  {0.015327, 2, 0, 0, -2, 0},  {-0.012528, 0, 0, 1, 2, 0},
        {0.010980, 0, 0, 1, -2, 0},  {0.010675, 4, 0, -1, 0, 0},  {0.010034, 0, 0, 3, 0, 0},
        {0.008548, 4, 0, -2, 0, 0},  {-0.007888, 2, 1, -1, 0, 1}, {-0.006766, 2, 1, 0, 0, 1},
        {-0.005163, 1, 0, -1, 0, 0}, {0.004987, 1, 1, 0, 0, 1},   {0.004036, 2, -1, 1, 0, 1},
        {0.003994, 2, 0, 2, 0, 0}};
    const double l = 218.3164591 + 481267.88134236 * t;
    const double d = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    const double m = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    const double mp = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    const double f = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    double sum = 0;
    for (const Term& term : kTerms) {
        double v = term.c * std::sin(term.d * d + term.m * m + term.mp * mp + term.f * f);
        if (term.e) v *= e;
        sum += v;
    }
    double lambda = l + sum;
    while (lambda < 0) lambda += 360;
    while (lambda > 360) lambda -= 360;
    return lambda;
}

TEST(EphemerisMoon, SeriesEqualsTheTermsSummedOneSineAtATime) {
    // 1901 to 2050 (and beyond), every 3.7 days: the same longitude to far below a second of arc.
    for (double t = -1.0; t < 0.51; t += 3.7 / 36525) {
        const double a = MoonTropicalLongitude(t), b = MoonBySeparateSines(t);
        const double gap = std::min(std::fabs(a - b), 360 - std::fabs(a - b));
        ASSERT_LT(gap, 1e-9) << t;
    }
}

TEST(EphemerisMoon, MoonIsCloseToMeeusExample) {
    // Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h TD, lambda = 133.162655
    // with the full series. The first 25 terms (no additive terms) stay within 0.02 degrees.
    const double t = (2448724.5 - 2451545) / 36525;
    EXPECT_NEAR(MoonTropicalLongitude(t), 133.162655, 0.02);
}

TEST(EphemerisMoon, DaylightSavingTakesAnHourOff) {
    LocalBirth dst = WorkedExampleBirth();
    dst.daylight = true;
    dst.hour = 11;
    EXPECT_DOUBLE_EQ(ComputeMoon(ToUniversalTime(dst)).longitude,
                     ComputeMoon(ToUniversalTime(WorkedExampleBirth())).longitude);
}

}  // namespace
}  // namespace kalodaya
