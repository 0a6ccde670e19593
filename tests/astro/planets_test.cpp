// The Sun, the planets and the lunar nodes; the birth-moment and reference-sunrise runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <array>
#include <string>

#include "astro/ascendant.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "base/angles.h"
#include "ephemeris_fixtures.h"

namespace kalodaya {
namespace {

using testing::Printed;
using testing::WorkedExampleBirth;

constexpr double kWorkedD = -3426.2916666666667;  // 1990-08-15 05:00 UT

double Sidereal(int body, double d, double correction) {
    double s = GeocentricLongitude(body, d) - std::fabs(correction);
    while (s < 0) s += 360;
    return s;
}

using Longitudes = std::array<double, kBodyCount>;

std::string Label(double longitude) {
    return FormatPlanetLabel(FormatSignDms(longitude));
}

std::array<std::string, kBodyCount> Labels(const Longitudes& bodies) {
    std::array<std::string, kBodyCount> labels;
    for (int k = 0; k < kBodyCount; ++k) labels[k] = Label(bodies[k]);
    return labels;
}

DateTime BirthRunInstant(const LocalBirth& b) {
    const auto ut = PlanetRunInstant(b.year, b.month, b.day, b.hour, b.minute, b.zone, b.daylight);
    EXPECT_TRUE(ut.has_value());
    return ut.value_or(DateTime());
}

// Every body of a birth, as the chart computes them: one Universal Time for all.
Longitudes BirthLongitudes(const LocalBirth& b) {
    const UniversalBirth ut = ToUniversalTime(b);
    EXPECT_EQ(ut.byCalendar, BirthRunInstant(b));
    const SiderealAscendant asc = ComputeAscendant(ut);
    Longitudes bodies{};
    bodies[Asc] = asc.longitude;
    bodies[Moon] = ComputeMoon(ut).longitude;
    ComputePlanets(ut.byCalendar.value_or(DateTime()), asc.ayanamsaCorrection, bodies);
    return bodies;
}

// The worked example's correction: the reference sunrise's run uses the birth moment's.
double WorkedCorrection() {
    return ComputeAscendant(ToUniversalTime(WorkedExampleBirth())).ayanamsaCorrection;
}

constexpr ZoneOffset kIst{-5, -30};

TEST(EphemerisPlanets, WorkedExampleDayNumber) {
    const DateTime ut = UniversalTimeByCalendar(*CalendarMoment(1990, 8, 15, 10, 30), -5, -30);
    EXPECT_NEAR(DayNumberJ2000(ut), -3426.2916667, Printed(7));
}

TEST(EphemerisPlanets, WorkedExampleLongitudes) {
    const double c = -23.723262249046375;  // AyanamsaCorrection of the worked example
    EXPECT_NEAR(Sidereal(kEarthRow, kWorkedD, c), 118.5309, Printed(4));
    EXPECT_NEAR(Sidereal(kMercuryRow, kWorkedD, c), 145.5797, Printed(4));
    EXPECT_NEAR(Sidereal(kVenusRow, kWorkedD, c), 97.9837, Printed(4));
    EXPECT_NEAR(Sidereal(kMarsRow, kWorkedD, c), 27.6263, Printed(4));
    EXPECT_NEAR(Sidereal(kJupiterRow, kWorkedD, c), 95.7762, Printed(4));
    EXPECT_NEAR(Sidereal(kSaturnRow, kWorkedD, c), 266.1782, Printed(4));
    const double rahu = RahuLongitude(MeanNodeLongitude(kWorkedD), c);
    EXPECT_NEAR(rahu, 281.8340, Printed(4));
    EXPECT_NEAR(KetuLongitude(rahu), 101.8340, Printed(4));
}

TEST(EphemerisPlanets, WorkedExamplePositionTexts) {
    const auto pos = Labels(BirthLongitudes(WorkedExampleBirth()));
    EXPECT_EQ(pos[Sun], "28 Can 31");
    EXPECT_EQ(pos[Moon], "18 Tau 54");
    EXPECT_EQ(pos[Mercury], "25 Leo 34");
    EXPECT_EQ(pos[Venus], "07 Can 59");
    EXPECT_EQ(pos[Mars], "27 Ari 37");
    EXPECT_EQ(pos[Jupiter], "05 Can 46");
    EXPECT_EQ(pos[Saturn], "26 Sag 10");
    EXPECT_EQ(pos[Rahu], "11 Cap 50");
    EXPECT_EQ(pos[Ketu], "11 Can 50");
    EXPECT_EQ(pos[Asc], "28 Vir 42");
}

TEST(EphemerisPlanets, TheRunLeavesTheMoonAndAscendantSlots) {
    Longitudes bodies{};
    bodies[Moon] = -1;
    bodies[Asc] = 777;
    ComputePlanets(BirthRunInstant(WorkedExampleBirth()), WorkedCorrection(), bodies);
    EXPECT_EQ(bodies[Moon], -1);
    EXPECT_EQ(bodies[Asc], 777);
    for (const int k : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu}) {
        EXPECT_GE(bodies[k], 0) << k;
        EXPECT_LT(bodies[k], 360) << k;
    }
}

TEST(EphemerisPlanets, SunAndNodeAtJ2000) {
    const double c = AyanamsaCorrection1900(1);  // about -23.86
    EXPECT_NEAR(GeocentricLongitude(kEarthRow, 0), 280.38, Printed(2));
    const double sun = Sidereal(kEarthRow, 0, c);
    EXPECT_NEAR(sun, 256.52, Printed(2));
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(sun)).substr(3, 3), "Sag");
    EXPECT_NEAR(MeanNodeLongitude(0), 124.1225, Printed(4));
    const double rahu = RahuLongitude(MeanNodeLongitude(0), c);
    EXPECT_NEAR(rahu, 100.26, Printed(2));
    EXPECT_NEAR(KetuLongitude(rahu), 280.26, Printed(2));
}

TEST(EphemerisPlanets, NodeUsesTheShortPiAndTheOneDegreeStep) {
    // 125.1228 degrees reduced in radians, back with 180 / 3.1416, less one degree.
    const double expected = 125.1228 * kDegToRad * 180 / 3.1416 - 1;
    EXPECT_DOUBLE_EQ(MeanNodeLongitude(0), expected);
    // The node moves backwards about 19.34 degrees a year.
    EXPECT_NEAR(MeanNodeLongitude(0) - MeanNodeLongitude(365.25), 19.3414, 1e-3);
}

TEST(EphemerisPlanets, TrueAnomalyAtPerihelionAndAphelion) {
    for (int body = 0; body < kElementBodyCount; ++body) {
        const double e = OrbitalElements(body, 0).e;
        EXPECT_NEAR(TrueAnomaly(0, e), 0, 1e-12) << body;
        EXPECT_NEAR(TrueAnomaly(kPi, e), kPi, 1e-12) << body;
        const double v = TrueAnomaly(1, e);
        EXPECT_GE(v, 0);
        EXPECT_LT(v, kTwoPi);
        EXPECT_GT(v, 1);  // ahead of the mean anomaly in the first half of the orbit
    }
    EXPECT_NEAR(TrueAnomaly(kTwoPi - 1e-9, 0.2), kTwoPi - 1e-9 * 1.2 * 1.2 / std::sqrt(1 - 0.04),
                1e-6);
}

TEST(EphemerisPlanets, OrbitalElementsAtJ2000AndACenturyLater) {
    const Elements mercury = OrbitalElements(kMercuryRow, 0);
    EXPECT_EQ(mercury.a, 0.38709893);
    EXPECT_EQ(mercury.e, 0.20563069);
    EXPECT_NEAR(mercury.l, 252.25084 * kDegToRad, 1e-15);
    const Elements saturn = OrbitalElements(kSaturnRow, 36525);
    EXPECT_NEAR(saturn.a, 9.53707032 - 0.00301530, 1e-15);
    EXPECT_NEAR(saturn.varpi, (92.43194 - 1948.89 / 3600) * kDegToRad, 1e-15);
}

// GeocentricLongitude step by step, through TrueAnomaly.
double LiteralGeocentricLongitude(int body, double d) {
    const Elements earth = OrbitalElements(kEarthRow, d);
    double v = TrueAnomaly(ReduceToTwoPi(earth.l - earth.varpi), earth.e);
    double r = earth.a * (1 - earth.e * earth.e) / (1 + earth.e * std::cos(v));
    const double xe = r * std::cos(v + earth.varpi), ye = r * std::sin(v + earth.varpi);
    double x = 0, y = 0;
    if (body != kEarthRow) {
        const Elements el = OrbitalElements(body, d);
        v = TrueAnomaly(ReduceToTwoPi(el.l - el.varpi), el.e);
        r = el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(v));
        const double u = v + el.varpi - el.omega;
        x = r *
            (std::cos(el.omega) * std::cos(u) - std::sin(el.omega) * std::sin(u) * std::cos(el.i));
        y = r *
            (std::sin(el.omega) * std::cos(u) + std::cos(el.omega) * std::sin(u) * std::cos(el.i));
    }
    double lambda = QuadrantArctan(y - ye, x - xe) * 180 / 3.14159265358979;
    while (lambda > 360) lambda -= 360;
    while (lambda < 0) lambda += 360;
    return lambda;
}

TEST(EphemerisPlanets, GeocentricLongitudeAgreesWithTheLiteralSteps) {
    // 1901 to 2050 every 5.3 days, all six rows: the same longitude to 1e-9 degrees.
    double worst = 0;
    for (double d = -36160; d < 18630; d += 5.3) {
        for (int body = 0; body < kElementBodyCount; ++body) {
            const double a = GeocentricLongitude(body, d), b = LiteralGeocentricLongitude(body, d);
            const double gap = std::min(std::fabs(a - b), 360 - std::fabs(a - b));
            worst = std::max(worst, gap);
            ASSERT_LT(gap, 1e-9) << body << " " << d;
        }
    }
    RecordProperty("worst_gap_arcsec", ::testing::PrintToString(worst * 3600));
}

TEST(EphemerisPlanets, GeocentricLongitudesStayInRange) {
    for (double d = -36000; d < 18300; d += 37.3) {
        for (int body = 0; body < kElementBodyCount; ++body) {
            const double lambda = GeocentricLongitude(body, d);
            ASSERT_GE(lambda, 0) << body << " " << d;
            ASSERT_LE(lambda, 360) << body << " " << d;
        }
    }
}

TEST(EphemerisPlanets, KetuAt360IsAries) {
    EXPECT_EQ(KetuLongitude(180), 0);
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(KetuLongitude(180))), "00 Ari 00");
    EXPECT_EQ(KetuLongitude(179.5), 359.5);
    EXPECT_EQ(KetuLongitude(181), 1);
    EXPECT_EQ(KetuLongitude(0), 180);

    // Through the run: a correction that puts Rahu at exactly 180 degrees.
    const double node = MeanNodeLongitude(kWorkedD);
    ASSERT_GT(node, 180);
    const double correction = -(node - 180);
    ASSERT_EQ(RahuLongitude(node, correction), 180);
    Longitudes bodies{};
    ComputePlanets(BirthRunInstant(WorkedExampleBirth()), correction, bodies);
    EXPECT_EQ(Label(bodies[Rahu]), "00 Lib 00");
    EXPECT_EQ(Label(bodies[Ketu]), "00 Ari 00");
    EXPECT_EQ(bodies[Ketu], 0);
}

TEST(EphemerisPlanets, BirthRunWithDaylightSavingTakesTheHourOff) {
    // 11:30 with daylight saving is the same instant as 10:30 without it.
    LocalBirth dst = WorkedExampleBirth();
    dst.daylight = true;
    dst.hour = 11;
    EXPECT_EQ(BirthRunInstant(dst), BirthRunInstant(WorkedExampleBirth()));
    const Longitudes plain = BirthLongitudes(WorkedExampleBirth());
    EXPECT_EQ(BirthLongitudes(dst), plain);

    // Without the flag, 11:30 is an hour later: the Sun moves.
    LocalBirth later = WorkedExampleBirth();
    later.hour = 11;
    Longitudes laterBodies{};
    ComputePlanets(BirthRunInstant(later), WorkedCorrection(), laterBodies);
    EXPECT_NE(laterBodies[Sun], plain[Sun]);
    EXPECT_NE(FormatSignDms(laterBodies[Sun]), FormatSignDms(plain[Sun]));
}

TEST(EphemerisPlanets, DaylightSavingInAWestZone) {
    // New York, 4 July 1976 at 12:00 EDT = 16:00 UT.
    LocalBirth dst;
    dst.year = 1976;
    dst.month = 7;
    dst.day = 4;
    dst.hour = 12;
    dst.place = Coordinates{40, 43, false, 74, 0, false};
    dst.zone = ZoneOffset{5, 0};
    dst.daylight = true;
    LocalBirth plain = dst;
    plain.daylight = false;
    plain.hour = 11;
    EXPECT_EQ(BirthRunInstant(dst).Iso(), "1976-07-04T16:00:00");
    EXPECT_EQ(ComputeAscendant(ToUniversalTime(dst)).longitude,
              ComputeAscendant(ToUniversalTime(plain)).longitude);
    EXPECT_EQ(ComputeMoon(ToUniversalTime(dst)).longitude,
              ComputeMoon(ToUniversalTime(plain)).longitude);
    EXPECT_EQ(BirthLongitudes(dst), BirthLongitudes(plain));
}

// The reference sunrise of the worked example: August/15/1990 5:49 local, 00:19 UT.
DateTime WorkedSunriseInstant(int hour, bool daylight) {
    const auto ut = PlanetRunInstant(1990, 8, 15, hour, 49, kIst, daylight);
    EXPECT_TRUE(ut.has_value());
    return ut.value_or(DateTime());
}

TEST(EphemerisPlanets, ReferenceSunriseRun) {
    const double correction = WorkedCorrection();
    const DateTime ut = WorkedSunriseInstant(5, false);
    EXPECT_EQ(ut.Iso(), "1990-08-15T00:19:00");

    const double d = DayNumberJ2000(1990, 8, 15, 0, 19);
    const double sun = ComputeSunLongitude(ut, correction);  // the birth moment's correction
    EXPECT_DOUBLE_EQ(sun, Sidereal(kEarthRow, d, correction));
    EXPECT_NEAR(sun, 118.3435, Printed(4));
    EXPECT_EQ(Label(sun), "28 Can 20");

    // The Sun alone is the Sun of the full run, and the full run at the birth is unchanged by
    // a run at the sunrise before it.
    Longitudes atSunrise{};
    ComputePlanets(ut, correction, atSunrise);
    EXPECT_EQ(atSunrise[Sun], sun);
    EXPECT_EQ(Label(atSunrise[Rahu]), Label(RahuLongitude(MeanNodeLongitude(d), correction)));
    EXPECT_EQ(Label(BirthLongitudes(WorkedExampleBirth())[Sun]), "28 Can 31");
    EXPECT_EQ(ComputeSunLongitude(BirthRunInstant(WorkedExampleBirth()), correction),
              BirthLongitudes(WorkedExampleBirth())[Sun]);
}

TEST(EphemerisPlanets, ReferenceSunriseTakesOffTheHourItsClockTimeCarries) {
    // Sunrise 06:49 with the daylight hour in its clock time is the instant of 05:49 without.
    EXPECT_EQ(WorkedSunriseInstant(6, true), WorkedSunriseInstant(5, false));
    EXPECT_EQ(ComputeSunLongitude(WorkedSunriseInstant(6, true), WorkedCorrection()),
              ComputeSunLongitude(WorkedSunriseInstant(5, false), WorkedCorrection()));
    // A clock time that carries no daylight hour is converted by the zone alone.
    EXPECT_EQ(WorkedSunriseInstant(6, false), WorkedSunriseInstant(5, false).AddHours(1));
}

TEST(EphemerisPlanets, RunInstantOfNumbersThatAreNoDateTime) {
    EXPECT_FALSE(PlanetRunInstant(1999, 2, 29, 5, 49, kIst, false).has_value());
    EXPECT_FALSE(PlanetRunInstant(1990, 8, 15, 24, 0, kIst, false).has_value());
    EXPECT_FALSE(PlanetRunInstant(1990, 8, 15, 5, 60, kIst, true).has_value());
    EXPECT_FALSE(PlanetRunInstant(1990, 13, 1, 0, 0, kIst, false).has_value());
    EXPECT_TRUE(PlanetRunInstant(2000, 2, 29, 23, 59, kIst, false).has_value());
}

}  // namespace
}  // namespace kalodaya
