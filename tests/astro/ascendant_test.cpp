// The ayanamsa correction on the 1900 epoch and the sidereal ascendant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/ascendant.h"
#include "astro/ayanamsa.h"
#include "astro/calendar.h"
#include "base/angles.h"
#include "ephemeris_fixtures.h"

namespace kalodaya {
namespace {

using testing::Printed;
using testing::WorkedExampleBirth;

// Distance between two angles in degrees, across 0/360.
double AngleGap(double a, double b) {
    const double g = std::fmod(std::fabs(a - b), 360.0);
    return std::min(g, 360 - g);
}

TEST(EphemerisAscendant, AyanamsaCorrection1900AtTheEpochs) {
    EXPECT_NEAR(AyanamsaCorrection1900(0), -22.4569, Printed(4));
    EXPECT_NEAR(AyanamsaCorrection1900(1), -23.8618, Printed(4));
}

TEST(EphemerisAscendant, WorkedExampleStepByStep) {
    const double t = CenturiesFrom1900(2448119, 5.0);
    EXPECT_NEAR(AyanamsaCorrection1900(t), -23.72326, Printed(5));
    const double lon = -(77 + 13 / 60.0), lat = 28 + 39 / 60.0;
    const double theta = LocalSiderealDegrees(5.0, t, lon);
    EXPECT_NEAR(theta, 115.56216, Printed(5));
    EXPECT_NEAR(TropicalAscendant(theta, t, lat), 202.43607, Printed(5));
}

TEST(EphemerisAscendant, WorkedExampleStage) {
    const SiderealAscendant asc = ComputeAscendant(ToUniversalTime(WorkedExampleBirth()));
    EXPECT_NEAR(asc.ayanamsaCorrection, -23.72326, Printed(5));
    EXPECT_NEAR(asc.longitude, 178.71281, Printed(5));
    EXPECT_EQ(FormatPlanetLabel(FormatSignDms(asc.longitude)), "28 Vir 42");
}

TEST(EphemerisAscendant, TheFourQuadrants) {
    // T = 1 (the year 2000), latitude 20 N.
    EXPECT_NEAR(TropicalAscendant(0, 1, 20), 98.238, Printed(3));
    EXPECT_NEAR(TropicalAscendant(90, 1, 20), 180, 1e-9);
    EXPECT_NEAR(TropicalAscendant(180, 1, 20), 261.762, Printed(3));
    EXPECT_NEAR(AngleGap(TropicalAscendant(270, 1, 20), 0), 0, 1e-9);
    // In between, the ascendant stays in [0, 360) and moves forward with the sidereal time.
    for (double theta = 0; theta < 360; theta += 7.5) {
        const double asc = TropicalAscendant(theta, 1, 20);
        EXPECT_GE(asc, 0) << theta;
        EXPECT_LT(asc, 360) << theta;
        const double next = TropicalAscendant(theta + 1, 1, 20);
        EXPECT_GT(std::fmod(next - asc + 360, 360.0), 0) << theta;
        EXPECT_LT(std::fmod(next - asc + 360, 360.0), 5) << theta;
    }
    // A negative sidereal time (before 1900) is used through its sine and cosine only.
    EXPECT_NEAR(AngleGap(TropicalAscendant(-90, 1, 20), TropicalAscendant(270, 1, 20)), 0, 1e-9);
    EXPECT_NEAR(TropicalAscendant(-180, 1, 20), TropicalAscendant(180, 1, 20), 1e-9);
}

TEST(EphemerisAscendant, SiderealTimeIsNotRaisedWhenNegative) {
    // 1 January 1850, 0h UT at Greenwich: T1900 is negative and so may theta be.
    const double t = CenturiesFrom1900(JulianDayNumber(1, 1, 1850), 0);
    const double theta = LocalSiderealDegrees(0, t, 0);
    EXPECT_LT(theta, 0);
    EXPECT_LT(LocalSiderealDegrees(23.9, 1.0, -170), 360);
}

TEST(EphemerisAscendant, TropicalBelowTheAyanamsaWrapsOnce) {
    // Search the first day of 2000 at 0° E/W, 20° N for clock times whose tropical ascendant is
    // below the ayanamsa: the sidereal value is then tropical + correction + 360.
    LocalBirth b = WorkedExampleBirth();
    b.year = 2000;
    b.month = 1;
    b.day = 1;
    b.place = Coordinates{20, 0, false, 0, 0, false};
    b.zone = ZoneOffset{0, 0};
    int found = 0;
    for (int minutes = 0; minutes < 24 * 60; minutes += 4) {
        b.hour = minutes / 60;
        b.minute = minutes % 60;
        const SiderealAscendant asc = ComputeAscendant(ToUniversalTime(b));
        const double t = CenturiesFrom1900(JulianDayNumber(1, 1, 2000), minutes / 60.0);
        const double tropical =
            TropicalAscendant(LocalSiderealDegrees(minutes / 60.0, t, 0), t, 20);
        const double correction = asc.ayanamsaCorrection;
        if (tropical < -correction) {
            ++found;
            EXPECT_NEAR(asc.longitude, tropical + correction + 360, 1e-9);
            EXPECT_GT(asc.longitude, 330);
        } else {
            EXPECT_NEAR(asc.longitude, tropical + correction, 1e-9);
        }
        EXPECT_GE(asc.longitude, 0);
        EXPECT_LE(asc.longitude, 360);
    }
    EXPECT_GT(found, 0);
}

TEST(EphemerisAscendant, TropicalTenDegreesIn2000) {
    EXPECT_NEAR(Normalize360(10 + AyanamsaCorrection1900(1)), 346.138, Printed(3));
}

TEST(EphemerisAscendant, DaylightSavingTakesAnHourOff) {
    LocalBirth dst = WorkedExampleBirth();
    dst.daylight = true;
    dst.hour = 11;
    const SiderealAscendant withDst = ComputeAscendant(ToUniversalTime(dst));
    const SiderealAscendant plain = ComputeAscendant(ToUniversalTime(WorkedExampleBirth()));
    EXPECT_DOUBLE_EQ(withDst.longitude, plain.longitude);
    EXPECT_DOUBLE_EQ(withDst.ayanamsaCorrection, plain.ayanamsaCorrection);
}

}  // namespace
}  // namespace kalodaya
