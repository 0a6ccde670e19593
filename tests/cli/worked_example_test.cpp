// The worked example through kalodaya-chart itself: the positions and the sun times it
// prints.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "../astro/ephemeris_fixtures.h"
#include "base/tables.h"

namespace kalodaya {
namespace {

using testing::Printed;

const std::array<std::string, kBodyCount> kWorkedPositions = {
    "28 Can 31", "18 Tau 54", "25 Leo 34", "07 Can 59", "27 Ari 37",
    "05 Can 46", "26 Sag 10", "11 Cap 50", "11 Can 50", "28 Vir 42"};

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

TEST(WorkedExamplePipeline, CommandLineDoneWhen) {
    const std::string command = std::string(KALODAYA_CHART_EXE) +
                                " --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N"
                                " --lon 77:13E --zone 34 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 4096> buf;
    while (size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    const int raw = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["sunrise"], "1990-08-15T05:49:00");
    EXPECT_EQ(json["sunset"], "1990-08-15T19:02:00");
    EXPECT_EQ(json["prev_sunrise"], "1990-08-14T05:49:00");
    EXPECT_EQ(json["prev_sunset"], "1990-08-14T19:03:00");
    EXPECT_EQ(json["next_sunrise"], "1990-08-16T05:50:00");
    EXPECT_EQ(json["next_sunset"], "1990-08-16T19:01:00");
    EXPECT_EQ(json["birth_moment"], "1990-08-15T10:30:00");
    EXPECT_EQ(json["reference_sunrise"], "1990-08-15T05:49:00");
    EXPECT_EQ(json["elapsed_minutes"], 281);
    EXPECT_EQ(json["elapsed_seconds"], 16860);
    EXPECT_EQ(json["sun_at_sunrise_text"], "28 Can 20");
    EXPECT_EQ(json["ghati_lagna"]["text"], "19 Can 35");
    EXPECT_EQ(json["ghati_lagna"]["sign"], 3);
    EXPECT_EQ(json["ghati_lagna"]["sign_name"], "Cancer");
    EXPECT_EQ(json["polar"], false);
    EXPECT_TRUE(json["polar_failed"].empty());
    EXPECT_EQ(json["markers"][3], "\r\n\r\nGL\r\n\r\n");
    EXPECT_EQ(json["cells"][3], "\r\nSun\r\nVenus\r\nJupiter\r\nKetu");
    EXPECT_EQ(json["details"]["dob"], "August/15/1990");
}

// The modern worked example states its settings, gives the ten longitudes in the order of the
// names, and the classic ghati lagna beside its own; the Sun and the ascendant are the Swiss
// Ephemeris' (Lahiri) to the printed minute. A classic chart states its settings too and has no
// classic_ghati_lagna key; an impossible combination is exit status 2 with one line.
TEST(WorkedExamplePipeline, ModernCalculationFromTheCommandLine) {
    const std::string birth =
        "--name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34";
    struct Case {
        const char* settings;
        nlohmann::json expected;
        const char* sun;
        bool classicBeside;
    };
    const Case cases[] = {
        {"", {{"ephemeris", "classic"}, {"ayanamsa", "classic"}, {"node", "mean"}, {"sunrise", "classic"}},
         "28 Can 31", false},
        {" --ephemeris modern --sunrise hindu",
         {{"ephemeris", "modern"}, {"ayanamsa", "lahiri"}, {"node", "mean"}, {"sunrise", "hindu"}},
         "28 Can 23", true},
        {" --ephemeris modern --ayanamsa kp --node true",
         {{"ephemeris", "modern"}, {"ayanamsa", "kp"}, {"node", "true"}, {"sunrise", "classic"}},
         "28 Can 29", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        const auto json = nlohmann::json::parse(RunChart(birth + c.settings));
        EXPECT_EQ(json["settings"], c.expected);
        EXPECT_EQ(json["positions"][Sun], c.sun);
        ASSERT_EQ(json["longitudes"].size(), json["names"].size());
        EXPECT_NEAR(json["longitudes"][Asc].get<double>(), json["ascendant"]["deg"].get<double>(),
                    1e-12);
        EXPECT_EQ(json.contains("classic_ghati_lagna"), c.classicBeside);
        if (c.classicBeside) {
            EXPECT_EQ(json["classic_ghati_lagna"]["text"], "19 Can 35");
        }
    }
    const auto modern = nlohmann::json::parse(
        RunChart(birth + " --ephemeris modern --sunrise hindu"));
    EXPECT_EQ(modern["ascendant"]["text"], "28 Vir 42");
    EXPECT_EQ(modern["ghati_lagna"]["text"], "14 Can 27");
    EXPECT_EQ(modern["sunrise"], "1990-08-15T05:53:57");

    const std::string refused = std::string(KALODAYA_CHART_EXE) + " " + birth +
                                " --ayanamsa raman >/dev/null 2>&1";
    const int raw = std::system(refused.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 2);
}

}  // namespace
}  // namespace kalodaya
