// The ephemeris stages inside a whole chart request and in kalodaya-chart's output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "chart/chart_outcome.h"
#include "ephemeris_fixtures.h"
#include "lagna_test_support.h"

namespace kalodaya {
namespace {

using testing::Printed;

const std::array<std::string, kBodyCount> kWorkedPositions = {
    "28 Can 31", "18 Tau 54", "25 Leo 34", "07 Can 59", "27 Ari 37",
    "05 Can 46", "26 Sag 10", "11 Cap 50", "11 Can 50", "28 Vir 42"};

using testing_support::WorkedExampleRequest;

TEST(EphemerisChart, WorkedExampleThroughTheRequest) {
    const ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_FALSE(outcome.failure.has_value());
    const ChartResult& r = outcome.result;
    EXPECT_NEAR(r.ayanamsaCorrection, -23.72326, Printed(5));
    EXPECT_NEAR(r.longitude[Asc], 178.71281, Printed(5));
    EXPECT_NEAR(r.longitude[Moon], 48.90825, Printed(5));
    EXPECT_EQ(r.moonNakshatraStart, 39.99);
    // The planet table shows the birth moment, not the Sun at the reference sunrise.
    for (int i = 0; i < kBodyCount; ++i) EXPECT_EQ(outcome.texts.planet[i], kWorkedPositions[i]) << i;
    EXPECT_EQ(outcome.texts.sunAtSunrise, "28 Can 20");
}

std::string RunChart(const std::string& args) {
    const std::string command = std::string(KALODAYA_CHART_EXE) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    while (size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    pclose(pipe);
    return out;
}

TEST(EphemerisChart, WorkedExampleFromTheCommandLine) {
    const auto json = nlohmann::json::parse(RunChart(
        "--name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34"));
    ASSERT_EQ(json["valid"], true);
    EXPECT_NEAR(json["ayanamsa_correction"].get<double>(), -23.72326, Printed(5));
    EXPECT_NEAR(json["ascendant"]["deg"].get<double>(), 178.71281, Printed(5));
    EXPECT_EQ(json["ascendant"]["text"], "28 Vir 42");
    EXPECT_NEAR(json["moon"]["sidereal"].get<double>(), 48.90825, Printed(5));
    EXPECT_EQ(json["moon"]["nakshatra_start"].get<double>(), 39.99);
    ASSERT_EQ(json["positions"].size(), static_cast<size_t>(kBodyCount));
    for (int i = 0; i < kBodyCount; ++i) EXPECT_EQ(json["positions"][i], kWorkedPositions[i]) << i;
}

// West of Greenwich on a zone ahead of UT: CET with the daylight box and CED without it are both
// 10:00 UT, and the ascendant and the Moon are computed for that instant.
TEST(EphemerisChart, MadridOnCentralEuropeanTime) {
    for (const char* zone : {"--zone 20 --dst", "--zone 19"}) {
        const auto json = nlohmann::json::parse(
            RunChart(std::string("--name MADRID --date 1990-07-01 --time 12:00:00 --lat 40:25N "
                                 "--lon 3:42W ") + zone));
        ASSERT_EQ(json["valid"], true) << zone;
        EXPECT_EQ(json["ascendant"]["text"], "16 Leo 48") << zone;
        EXPECT_EQ(json["positions"][Moon], "02 Lib 15") << zone;
    }
}

}  // namespace
}  // namespace kalodaya
