// The Sun, the planets and the lunar nodes; the birth-moment and reference-sunrise runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/ayanamsa.h"
#include "ephemeris/calendar.h"
#include "ephemeris/ephemeris.h"
#include "ephemeris/planets.h"
#include "ephemeris_fixtures.h"

namespace kalodaya {
namespace {

using testing::Printed;
using testing::WorkedExampleState;

constexpr double kWorkedD = -3426.2916666666667;  // 1990-08-15 05:00 UT

double Sidereal(int body, double d, double correction) {
    double s = GeocentricLongitude(body, d) - std::fabs(correction);
    while (s < 0) s += 360;
    return s;
}

// The worked example after all three stages of the birth moment.
AppState WorkedExampleAfterStages() {
    AppState state = WorkedExampleState();
    ComputeAscendant(state);
    ComputeMoon(state);
    ComputePlanets(state);
    return state;
}

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
    const AppState state = WorkedExampleAfterStages();
    const auto& pos = state.chart.PlanetPosText;
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
    // BodyText by body number, each the full FormatSignDms text.
    const auto& eph = state.ephemeris;
    EXPECT_EQ(FormatPlanetLabel(eph.BodyText[kEarthRow]), "28 Can 31");
    EXPECT_EQ(FormatPlanetLabel(eph.BodyText[kMercuryRow]), "25 Leo 34");
    EXPECT_EQ(FormatPlanetLabel(eph.RahuText), "11 Cap 50");
    EXPECT_EQ(FormatPlanetLabel(eph.KetuText), "11 Can 50");
    // The birth-moment run writes no sunrise values.
    EXPECT_EQ(state.chart.SunAtSunrise, 0);
    EXPECT_TRUE(state.chart.SunAtSunriseText.empty());
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

    // Through the stage: a correction that puts Rahu at exactly 180 degrees.
    AppState state = WorkedExampleState();
    ComputeAscendant(state);
    ComputeMoon(state);
    const double node = MeanNodeLongitude(kWorkedD);
    ASSERT_GT(node, 180);
    state.ephemeris.AyanamsaCorrection = -(node - 180);
    ASSERT_EQ(RahuLongitude(node, state.ephemeris.AyanamsaCorrection), 180);
    ComputePlanets(state);
    EXPECT_EQ(state.chart.PlanetPosText[Rahu], "00 Lib 00");
    EXPECT_EQ(state.chart.PlanetPosText[Ketu], "00 Ari 00");
    EXPECT_EQ(state.ephemeris.KetuText, FormatSignDms(0));
}

TEST(EphemerisPlanets, BirthRunWithDaylightSavingTakesTheHourOff) {
    // 11:30 with daylight saving is the same instant as 10:30 without it.
    AppState dst = WorkedExampleState();
    dst.birth.IsDST = true;
    dst.birth.BirthHour = 11;
    ComputeAscendant(dst);
    ComputeMoon(dst);
    ComputePlanets(dst);
    const AppState plain = WorkedExampleAfterStages();
    EXPECT_EQ(dst.ephemeris.BodyText, plain.ephemeris.BodyText);
    EXPECT_EQ(dst.ephemeris.RahuText, plain.ephemeris.RahuText);
    EXPECT_EQ(dst.chart.PlanetPosText, plain.chart.PlanetPosText);

    // Without the flag, 11:30 is an hour later: the Moon's and the Sun's seconds move.
    AppState later = WorkedExampleState();
    later.birth.BirthHour = 11;
    later.ephemeris.AyanamsaCorrection = plain.ephemeris.AyanamsaCorrection;
    ComputePlanets(later);
    EXPECT_NE(later.ephemeris.BodyText[kEarthRow], plain.ephemeris.BodyText[kEarthRow]);
}

TEST(EphemerisPlanets, DaylightSavingInAWestZone) {
    // New York, 4 July 1976 at 12:00 EDT = 16:00 UT.
    AppState dst;
    BirthData& b = dst.birth;
    b.BirthMonth = 7;
    b.BirthDay = 4;
    b.BirthYear = 1976;
    b.BirthHour = 12;
    b.LatDeg = 40;
    b.LatMin = 43;
    b.LonDeg = 74;
    b.IsEast = false;
    b.ZoneHours = b.ZoneHoursAbs = 5;
    b.IsDST = true;
    ComputeAscendant(dst);
    ComputeMoon(dst);
    ComputePlanets(dst);
    AppState plain = dst;
    plain.birth.IsDST = false;
    plain.birth.BirthHour = 11;
    ComputeAscendant(plain);
    ComputeMoon(plain);
    ComputePlanets(plain);
    EXPECT_EQ(dst.ephemeris.AscText, plain.ephemeris.AscText);
    EXPECT_EQ(dst.ephemeris.MoonText, plain.ephemeris.MoonText);
    EXPECT_EQ(dst.ephemeris.BodyText, plain.ephemeris.BodyText);
    EXPECT_EQ(dst.chart.PlanetPosText, plain.chart.PlanetPosText);
}

// The reference-sunrise run of the worked example: August/15/1990 5:49 local, 00:19 UT.
void SetReferenceSunrise(ChartState& c, const char* hour, const char* minute, bool dstApplied) {
    c.AtSunrise = true;
    c.RefSunriseDay = "15";
    c.RefSunriseMonthName = "August";
    c.RefSunriseYear = "1990";
    c.RefSunriseHour = hour;
    c.RefSunriseMinute = minute;
    c.RefSunriseDstApplied = dstApplied;
}

TEST(EphemerisPlanets, ReferenceSunriseRun) {
    AppState state = WorkedExampleAfterStages();
    const auto birthPositions = state.chart.PlanetPosText;
    const double correction = state.ephemeris.AyanamsaCorrection;
    SetReferenceSunrise(state.chart, "5", "49", false);
    ComputePlanets(state);

    const double d = DayNumberJ2000(1990, 8, 15, 0, 19);
    const double sun = Sidereal(kEarthRow, d, correction);  // the birth moment's correction
    EXPECT_DOUBLE_EQ(state.chart.SunAtSunrise, sun);
    EXPECT_NEAR(state.chart.SunAtSunrise, 118.3435, Printed(4));
    EXPECT_EQ(state.chart.SunAtSunriseText, "28 Can 20");
    EXPECT_EQ(state.ephemeris.AyanamsaCorrection, correction);

    const auto& pos = state.chart.PlanetPosText;
    EXPECT_EQ(pos[Sun], "28 Can 20");
    EXPECT_NE(pos[Sun], birthPositions[Sun]);
    // The Moon and the ascendant are rebuilt from their birth-moment texts.
    EXPECT_EQ(pos[Moon], birthPositions[Moon]);
    EXPECT_EQ(pos[Asc], birthPositions[Asc]);
    EXPECT_EQ(pos[Rahu],
              FormatPlanetLabel(FormatSignDms(RahuLongitude(MeanNodeLongitude(d), correction))));
}

TEST(EphemerisPlanets, ReferenceSunriseTakesOffTheHourItsClockTimeCarries) {
    // Sunrise 06:49 with the daylight hour in its clock time is the instant of 05:49 without.
    AppState withHour = WorkedExampleAfterStages();
    SetReferenceSunrise(withHour.chart, "6", "49", true);
    ComputePlanets(withHour);
    AppState plain = WorkedExampleAfterStages();
    SetReferenceSunrise(plain.chart, "5", "49", false);
    ComputePlanets(plain);
    EXPECT_EQ(withHour.chart.SunAtSunrise, plain.chart.SunAtSunrise);
    EXPECT_EQ(withHour.chart.PlanetPosText, plain.chart.PlanetPosText);

    // The birth's DST flag does not decide for the sunrise run: a sunrise whose clock time
    // carries no daylight hour is converted by the zone alone.
    AppState birthDst = WorkedExampleState();
    birthDst.birth.IsDST = true;
    birthDst.birth.BirthHour = 11;
    ComputeAscendant(birthDst);
    ComputeMoon(birthDst);
    ComputePlanets(birthDst);
    SetReferenceSunrise(birthDst.chart, "5", "49", false);
    ComputePlanets(birthDst);
    EXPECT_EQ(birthDst.chart.SunAtSunrise, plain.chart.SunAtSunrise);
    EXPECT_EQ(birthDst.chart.PlanetPosText, plain.chart.PlanetPosText);
}

TEST(EphemerisPlanets, ReferenceSunriseTextsThatAreNoDateLeaveEverything) {
    AppState state = WorkedExampleAfterStages();
    const AppState before = state;
    SetReferenceSunrise(state.chart, "", "", false);
    ComputePlanets(state);
    EXPECT_EQ(state.chart.PlanetPosText, before.chart.PlanetPosText);
    EXPECT_EQ(state.ephemeris.BodyText, before.ephemeris.BodyText);
    EXPECT_EQ(state.chart.SunAtSunrise, 0);
}

TEST(EphemerisPlanets, SunAtSunriseKeepsTheLastSunriseRun) {
    AppState state = WorkedExampleAfterStages();
    SetReferenceSunrise(state.chart, "5", "49", false);
    ComputePlanets(state);
    const double sun = state.chart.SunAtSunrise;
    state.chart.AtSunrise = false;
    ComputePlanets(state);  // a birth-moment run does not touch it
    EXPECT_EQ(state.chart.SunAtSunrise, sun);
    EXPECT_EQ(state.chart.PlanetPosText[Sun], "28 Can 31");
}

}  // namespace
}  // namespace kalodaya
