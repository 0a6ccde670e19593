// The worked example through the whole pipeline and the command line (needs the ephemeris).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "chart/chart_outcome.h"
#include "cli/chart_json.h"
#include "lagna_test_support.h"

namespace kalodaya {
namespace {

using testing_support::WorkedExampleRequest;

std::string Lines(int emptyBefore, bool gl = false, int emptyAfter = 0) {
    std::string s;
    for (int i = 0; i < emptyBefore; ++i) s += "\r\n";
    if (gl) s += "\r\nGL";
    for (int i = 0; i < emptyAfter; ++i) s += "\r\n";
    return s;
}

// Worked out by hand from the arudha rules with the worked example's positions (see
// lagna_special_test.cpp); a retrograde Saturn moves the padas of houses 5 and 6.
std::array<std::string, 12> ExpectedMarkers(bool saturnRetrograde) {
    return {"",
            Lines(2),
            Lines(1),
            Lines(1, true, 2),
            Lines(1),
            Lines(2),
            Lines(3),
            Lines(saturnRetrograde ? 2 : 3),
            Lines(saturnRetrograde ? 2 : 1),
            Lines(3),
            Lines(1),
            Lines(1)};
}

TEST(WorkedExamplePipeline, GhatiLagnaAndSpecialLagnas) {
    const ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_TRUE(outcome.Computed());
    const ChartResult& c = outcome.result;
    const ResultTexts& texts = outcome.texts;
    EXPECT_EQ(texts.planet[Asc], "28 Vir 42");
    EXPECT_NEAR(c.sunAtSunrise, 118.3435, 5e-4);
    EXPECT_EQ(texts.sunAtSunrise, "28 Can 20");
    ASSERT_TRUE(c.ghatiLagna.has_value());
    EXPECT_NEAR(c.ghatiLagna->longitude, 109.5935, 5e-4);
    EXPECT_EQ(texts.ghatiLagna, "19 Can 35");
    EXPECT_EQ(c.ghatiLagna->sign, 3);
    EXPECT_EQ(texts.profileSign, 3);
    // The planet table keeps the birth moment's Sun.
    EXPECT_EQ(texts.planet[Sun], "28 Can 31");

    const bool saturnRetro = c.retrograde[Saturn];
    EXPECT_EQ(texts.names[Saturn], saturnRetro ? "Saturn (R) " : "Saturn");
    const auto expected = ExpectedMarkers(saturnRetro);
    for (int i = 0; i < kSignCount; ++i) EXPECT_EQ(texts.markers[i], expected[i]) << "cell " << i;
    EXPECT_EQ(texts.markers[3].find("GL"), 4u);  // third line of the Cancer cell
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

}  // namespace
}  // namespace kalodaya
