// Each calculation setting changes what it should and nothing else: the node only Rahu, Ketu and
// what is built on them; the sunrise only the sun events and what is counted from them; the
// ayanamsa every sidereal longitude by one and the same arc.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_test_support.h"
#include "chart/present.h"

namespace kalodaya {
namespace {

using testing_support::Request;
using testing_support::WorkedExampleRequest;

ChartResult With(CalculationSettings settings, BirthRequest r = WorkedExampleRequest()) {
    r.settings = settings;
    const ChartOutcome outcome = Request(r);
    EXPECT_FALSE(outcome.failure.has_value());
    return outcome.result;
}

constexpr CalculationSettings kModern{EphemerisKind::Modern, AyanamsaKind::Lahiri,
                                      NodeKind::Mean, SunriseKind::Classic};

double Arc(double a, double b) {
    double d = std::fmod(a - b + 540.0, 360.0) - 180;
    return d;
}

TEST(CalculationSettings, TheNodeMovesOnlyRahuAndKetu) {
    CalculationSettings trueNode = kModern;
    trueNode.node = NodeKind::True;
    const ChartResult mean = With(kModern), osculating = With(trueNode);
    for (int k = 0; k < kBodyCount; ++k) {
        if (k == Rahu || k == Ketu) continue;
        EXPECT_EQ(mean.longitude[k], osculating.longitude[k]) << kPlainPlanetNames[k];
    }
    // The true node swings within about 1.7° of the mean one; Ketu stays opposite.
    const double swing = Arc(osculating.longitude[Rahu], mean.longitude[Rahu]);
    EXPECT_GT(std::fabs(swing), 0.01);
    EXPECT_LT(std::fabs(swing), 1.8);
    EXPECT_NEAR(std::fabs(Arc(osculating.longitude[Ketu], osculating.longitude[Rahu])), 180, 1e-9);
    EXPECT_EQ(mean.sunEvents, osculating.sunEvents);
    EXPECT_EQ(mean.sunAtSunrise, osculating.sunAtSunrise);
    EXPECT_EQ(mean.ghatiLagna->longitude, osculating.ghatiLagna->longitude);
}

// The hindu sunrise (the disc's centre, no refraction) comes some minutes after the classic one
// and the sunset as much before, in both ephemerides; the birth's positions do not move.
TEST(CalculationSettings, TheHinduSunriseComesLaterAndMovesOnlyTheCountFromIt) {
    for (const EphemerisKind ephemeris : {EphemerisKind::Classic, EphemerisKind::Modern}) {
        SCOPED_TRACE(SettingName(ephemeris));
        CalculationSettings classic{ephemeris, DefaultAyanamsa(ephemeris), NodeKind::Mean,
                                    SunriseKind::Classic};
        CalculationSettings hindu = classic;
        hindu.sunrise = SunriseKind::Hindu;
        const ChartResult a = With(classic), b = With(hindu);
        EXPECT_EQ(a.longitude, b.longitude);
        EXPECT_EQ(a.retrograde, b.retrograde);
        const auto later = DateTime::SecondsBetween(*a.sunEvents[kSunrise], *b.sunEvents[kSunrise]);
        const auto earlier = DateTime::SecondsBetween(*b.sunEvents[kSunset], *a.sunEvents[kSunset]);
        EXPECT_GE(later, 2 * 60);
        EXPECT_LE(later, 5 * 60);
        EXPECT_GE(earlier, 2 * 60);
        EXPECT_LE(earlier, 5 * 60);
        // The count from the later sunrise is shorter: the ghati lagna falls back 1.25° a minute
        // (the Sun's own motion over the minutes is a few seconds of arc).
        const double fallsBack = Arc(a.ghatiLagna->longitude, b.ghatiLagna->longitude);
        EXPECT_NEAR(fallsBack, 1.25 * (a.elapsedMinutes - b.elapsedMinutes), 0.01);
    }
}

// Every Swiss ayanamsa moves every sidereal longitude by the difference of the two ayanamsas,
// which is what the charts report as their correction.
TEST(CalculationSettings, AnAyanamsaShiftsEveryLongitudeAlike) {
    const ChartResult lahiri = With(kModern);
    for (const AyanamsaKind ayanamsa :
         {AyanamsaKind::Raman, AyanamsaKind::Krishnamurti, AyanamsaKind::TrueChitra}) {
        SCOPED_TRACE(SettingName(ayanamsa));
        CalculationSettings s = kModern;
        s.ayanamsa = ayanamsa;
        const ChartResult other = With(s);
        const double shift = other.ayanamsaCorrection - lahiri.ayanamsaCorrection;
        EXPECT_GT(std::fabs(shift), 0.005);  // Raman about 1.5°, KP 6′, true Chitra about 1′
        for (int k = 0; k < kBodyCount; ++k)
            EXPECT_NEAR(Arc(other.longitude[k], lahiri.longitude[k]), shift, 1e-6)
                << kPlainPlanetNames[k];
        EXPECT_EQ(lahiri.sunEvents, other.sunEvents);
    }
}

// The modern chart of the worked example against the Swiss Ephemeris' published figures for
// 1990-08-15 05:00 UT (Lahiri): the Sun in 28 Can 23, the ascendant in 28 Vir 42, Saturn
// retrograde; its classic ghati lagna is the classic chart's, named beside the modern one.
TEST(CalculationSettings, AModernChartNamesTheClassicGhatiLagnaBesideItsOwn) {
    const ChartResult classic = With(CalculationSettings{});
    const ChartResult modern = With(kModern);
    const ResultTexts texts = Present(modern);
    EXPECT_EQ(texts.planet[Sun], "28 Can 23");
    EXPECT_EQ(texts.planet[Asc], "28 Vir 42");
    EXPECT_TRUE(modern.retrograde[Saturn]);
    EXPECT_FALSE(modern.retrograde[Mars]);
    EXPECT_EQ(texts.settings, "modern, lahiri ayanamsa, mean node, classic sunrise");
    ASSERT_TRUE(modern.classicGhatiLagna.has_value());
    EXPECT_EQ(modern.classicGhatiLagna->longitude, classic.ghatiLagna->longitude);
    EXPECT_FALSE(classic.classicGhatiLagna.has_value());
    EXPECT_TRUE(Present(classic).classicGhatiLagna.empty());
    EXPECT_EQ(texts.classicGhatiLagna.rfind("Classic: 19 Can 35, ", 0), 0u) << texts.classicGhatiLagna;
}

TEST(CalculationSettings, TheComparisonTextGivesTheArcAndTheBirthTimeItStandsFor) {
    struct Case {
        double modern, classic;
        const char* text;
    };
    const Case cases[] = {
        {110.33, 109.6, "Classic: 19 Can 35, 0°44′ apart, about 35 s of birth time"},
        {109.6, 110.33, "Classic: 20 Can 19, 0°44′ apart, about 35 s of birth time"},
        {0.5, 358.0, "Classic: 28 Pis 00, 2°30′ apart, about 2 min 0 s of birth time"},
        {10.0, 10.0, "Classic: 10 Ari 00, 0°00′ apart, about 0 s of birth time"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassicComparisonText({c.modern, 0}, {c.classic, 0}), c.text);
}

// A modern chart in polar night has no ghati lagna, as the classic one; where the Sun rises the
// modern sunrise lies within a few minutes of the classic one.
TEST(CalculationSettings, ModernSunEventsAgreeWithTheClassicOnes) {
    const ChartResult polar = With(kModern, testing_support::North75Request(12, 20));
    EXPECT_TRUE(polar.polar.has_value());
    EXPECT_FALSE(polar.classicGhatiLagna.has_value());
    const ChartResult classic = With(CalculationSettings{}), modern = With(kModern);
    for (int i = 0; i < kSunEventCount; ++i) {
        ASSERT_TRUE(modern.sunEvents[i].has_value());
        EXPECT_LE(std::llabs(DateTime::SecondsBetween(*classic.sunEvents[i], *modern.sunEvents[i])),
                  3 * 60)
            << i;
    }
}

}  // namespace
}  // namespace kalodaya
