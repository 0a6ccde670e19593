// Birth-time windows and ranges in kalodaya-chart's JSON: always on a single chart, on every
// batch line with --time-windows, a range from --time-range or a line's "time_range"; batch
// lines without them unchanged.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli_process.h"

namespace kalodaya {
namespace {

using Json = nlohmann::json;
using testing_support::RunChart;

const std::vector<std::string> kWorkedExample = {
    "--name", "RAMA", "--date", "1990-08-15", "--time", "10:30:00",
    "--lat", "28:39N", "--lon", "77:13E", "--zone", "34"};

const std::string kWorkedLine =
    R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34)";

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::string Batch(const std::string& input, bool timeWindows, int jobs = 1) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_TRUE(cli::RunBatch(in, out, jobs, timeWindows));
    return out.str();
}

TEST(TimeWindowsJson, WorkedExampleWindows) {
    const auto run = RunChart(kWorkedExample);
    ASSERT_EQ(run.status, 0) << run.err;
    const Json w = Json::parse(run.out).at("time_windows");
    const struct {
        const char* key;
        Json expected;
    } cases[] = {
        {"ghati_lagna", {{"sign", "Cancer"}, {"from", "1990-08-15T10:15:00"},
                         {"to", "1990-08-15T10:38:59"}, {"before", "Gemini"}, {"after", "Leo"},
                         {"from_limit", nullptr}, {"to_limit", nullptr}}},
        {"ascendant", {{"sign", "Virgo"}, {"from", "1990-08-15T08:20:00"},
                       {"to", "1990-08-15T10:35:59"}, {"before", "Leo"}, {"after", "Libra"},
                       {"from_limit", nullptr}, {"to_limit", nullptr}}},
        {"moon", {{"sign", "Taurus"}, {"from", "1990-08-14T02:40:00"},
                  {"to", "1990-08-16T05:10:59"}, {"before", "Aries"}, {"after", "Gemini"},
                  {"from_limit", nullptr}, {"to_limit", nullptr}}},
        {"chart", {{"from", "1990-08-15T10:25:21"}, {"to", "1990-08-15T10:30:59"},
                   {"from_limit", nullptr}, {"to_limit", nullptr}}},
    };
    for (const auto& c : cases) EXPECT_EQ(w.at(c.key), c.expected) << c.key;
}

TEST(TimeWindowsJson, PolarChartHasNoGhatiLagnaOrChartWindow) {
    const auto run = RunChart({"--name", "SIGRID", "--date", "1990-06-21", "--time", "12:00:00",
                               "--lat", "75:00N", "--lon", "10:00E", "--zone", "20"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json w = Json::parse(run.out).at("time_windows");
    EXPECT_TRUE(w.at("ghati_lagna").is_null());
    EXPECT_TRUE(w.at("chart").is_null());
    EXPECT_TRUE(w.at("moon").at("sign").is_string());
}

TEST(TimeWindowsJson, TimeRangeOption) {
    const auto run =
        RunChart(With(kWorkedExample, {"--time-range", "1990-08-15T10:36:30", "1990-08-15T10:39:10"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json expected = Json::parse(R"([
      {"from":"1990-08-15T10:36:30","to":"1990-08-15T10:36:59","ghati_lagna":"Cancer","ascendant":"Libra","moon":"Taurus"},
      {"from":"1990-08-15T10:37:00","to":"1990-08-15T10:37:20","ghati_lagna":"Cancer","ascendant":"Libra","moon":"Taurus"},
      {"from":"1990-08-15T10:37:21","to":"1990-08-15T10:38:59","ghati_lagna":"Cancer","ascendant":"Libra","moon":"Taurus"},
      {"from":"1990-08-15T10:39:00","to":"1990-08-15T10:39:10","ghati_lagna":"Leo","ascendant":"Libra","moon":"Taurus"}])");
    EXPECT_EQ(Json::parse(run.out).at("time_range"), expected);
}

TEST(TimeWindowsJson, UnusableOptions) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {With(kWorkedExample, {"--time-range", "1990-08-15T10:00:00", "1990-08-15T09:00:00"}),
         "unusable --time-range: the range ends before it begins"},
        {With(kWorkedExample, {"--time-range", "1990-08-15T10:00:00", "1990-08-16T10:00:01"}),
         "unusable --time-range: the range is longer than 24 hours"},
        {With(kWorkedExample, {"--time-range", "1990-08-15 10:00:00", "1990-08-15T11:00:00"}),
         "--time-range: unusable clock time \"1990-08-15 10:00:00\": expected YYYY-MM-DDTHH:MM:SS"},
        {With(kWorkedExample, {"--time-range", "1990-02-30T10:00:00", "1990-08-15T11:00:00"}),
         "--time-range: unusable clock time \"1990-02-30T10:00:00\": expected YYYY-MM-DDTHH:MM:SS"},
        {With(kWorkedExample, {"--time-windows"}), "--time-windows goes with --batch only"},
        {{"--batch", "--time-range", "1990-08-15T10:00:00", "1990-08-15T11:00:00"},
         "--batch takes no --time-range"},
    };
    for (const auto& c : cases) {
        const auto run = RunChart(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// Without --time-windows and "time_range" a batch line is what it was; with them the chart's
// members come first, unchanged, and the windows and spans follow.
TEST(TimeWindowsBatch, AddsMembersOnlyWhenAsked) {
    const std::string plain = kWorkedLine + "}\n";
    const std::string ranged =
        kWorkedLine + R"(,"time_range":{"from":"1990-08-15T10:38:50","to":"1990-08-15T10:39:05"}})" + "\n";
    const std::string without = Batch(plain, false);
    EXPECT_EQ(without.find("time_windows"), std::string::npos);
    EXPECT_EQ(without.find("time_range"), std::string::npos);
    const std::string stem = without.substr(0, without.size() - 2);  // without "}\n"
    for (int jobs : {1, 2}) {
        const std::string with = Batch(plain + ranged, true, jobs);
        const std::string first = with.substr(0, with.find('\n'));
        const std::string second = with.substr(with.find('\n') + 1);
        ASSERT_EQ(first.substr(0, stem.size()), stem);
        EXPECT_EQ(first.substr(stem.size(), 17), R"(,"time_windows":{)");
        ASSERT_EQ(second.substr(0, stem.size()), stem);
        const Json spans = Json::parse(second).at("time_range");
        ASSERT_EQ(spans.size(), 2u);
        EXPECT_EQ(spans[1].at("from"), "1990-08-15T10:39:00");
        EXPECT_EQ(spans[1].at("ghati_lagna"), "Leo");
    }
    const Json rangedOnly = Json::parse(Batch(ranged, false));
    EXPECT_FALSE(rangedOnly.contains("time_windows"));
    EXPECT_EQ(rangedOnly.at("time_range").size(), 2u);
}

// A saved record's uncertain birth time asks for the spans that many minutes either side of
// its time, the same as the range written out; a line's own range stands beside it.
TEST(TimeWindowsBatch, UncertaintyMinutesAskForTheRangeAroundTheTime) {
    const Json uncertain = Json::parse(Batch(kWorkedLine + R"(,"uncertainty_minutes":15})" "\n", false));
    const Json ranged = Json::parse(Batch(
        kWorkedLine +
            R"(,"time_range":{"from":"1990-08-15T10:15:00","to":"1990-08-15T10:45:00"}})" "\n",
        false));
    ASSERT_TRUE(uncertain.contains("time_range")) << uncertain.dump();
    EXPECT_EQ(uncertain.at("time_range"), ranged.at("time_range"));
    EXPECT_GE(uncertain.at("time_range").size(), 2u);
    const Json own = Json::parse(Batch(
        kWorkedLine + R"(,"uncertainty_minutes":15,"time_range":{"from":"1990-08-15T10:36:30",)"
                      R"("to":"1990-08-15T10:39:10"}})" "\n",
        false));
    EXPECT_EQ(own.at("time_range").front().at("from"), "1990-08-15T10:36:30");
    const Json exact = Json::parse(Batch(kWorkedLine + R"(,"uncertainty_minutes":0})" "\n", false));
    EXPECT_EQ(exact, Json::parse(Batch(kWorkedLine + "}\n", false)));
}

TEST(TimeWindowsBatch, TimeRangeKeyValues) {
    const struct {
        const char* value;
        const char* error;  // nullptr: a chart without spans
    } cases[] = {
        {"null", nullptr},
        {R"({"from":"1990-08-15T10:00:00"})", "unusable time_range: expected"},
        {R"({"from":"1990-08-15T10:00:00","to":5})", "unusable time_range: expected"},
        {R"("1990-08-15T10:00:00")", "unusable time_range: expected"},
        {R"({"from":"1990-08-15T10:00:00","to":"1990-08-15T25:00:00"})",
         "unusable clock time \"1990-08-15T25:00:00\""},
        {R"({"from":"1990-08-15T10:00:00","to":"1990-08-14T10:00:00"})",
         "unusable time_range: the range ends before it begins"},
        {R"({"from":"2050-12-31T23:00:00","to":"2051-01-01T01:00:00"})",
         "unusable clock time \"2051-01-01T01:00:00\""},  // beyond the year list
    };
    for (const auto& c : cases) {
        const Json answer =
            Json::parse(Batch(kWorkedLine + R"(,"time_range":)" + c.value + "}\n", false));
        if (!c.error) {
            EXPECT_TRUE(answer.at("valid").get<bool>()) << c.value;
            EXPECT_FALSE(answer.contains("time_range")) << c.value;
            continue;
        }
        EXPECT_FALSE(answer.at("valid").get<bool>()) << c.value;
        EXPECT_NE(answer.at("error").get<std::string>().find(c.error), std::string::npos)
            << answer.dump();
    }
    const Json twice = Json::parse(Batch(
        kWorkedLine + R"(,"time_range":null,"time_range":null})" + "\n", false));
    EXPECT_EQ(twice.at("error"), "the key \"time_range\" appears more than once");
}

}  // namespace
}  // namespace kalodaya
