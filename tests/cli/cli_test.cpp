// The command line as a script sees it: exit statuses, JSON out, batch lines.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "cli/batch.h"

namespace {

struct CommandRun {
    int status;
    std::string out;
};

CommandRun RunChart(const std::string& args) {
    const std::string command = std::string(KALODAYA_CHART_EXE) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    while (size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

TEST(ChartCommand, ExitStatusesAndMessages) {
    const CommandRun bad_date =
        RunChart("--name RAMA --date 1999-02-29 --lat 10:00N --lon 10:00E");
    EXPECT_EQ(bad_date.status, 1);
    EXPECT_EQ(nlohmann::json::parse(bad_date.out)["message"], "Please Enter Correct Date Or Month!");

    const CommandRun ok = RunChart(
        "--name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34");
    ASSERT_EQ(ok.status, 0);
    const auto json = nlohmann::json::parse(ok.out);
    EXPECT_EQ(json["valid"], true);
    EXPECT_EQ(json["zone"]["hours"], -5);
    EXPECT_EQ(json["zone"]["minutes"], -30);

    // Place texts are free text: bytes that are not UTF-8 must not break the JSON.
    const CommandRun latin1 = RunChart(
        "--name RAMA --lat 1:1N --lon 1:1E --city \"$(printf 'S\\343o Paulo')\"");
    EXPECT_EQ(latin1.status, 0);
    EXPECT_TRUE(nlohmann::json::accept(latin1.out));

    for (const char* unusable :
         {"--name RAMA --date 1900-01-01", "--name RAMA --time 24:00:00", "--name RAMA --zone 71",
          "--name RAMA --date 1990-8-15", "--name R2D2", "--name RAMA --lat 123:00N",
          "--name RAMA --lon 77:13X", "--name RAMA --bogus"})
        EXPECT_EQ(RunChart(unusable).status, 2) << unusable;
}

TEST(ChartCommand, BatchKeepsGoingPastABadLine) {
    std::istringstream in(
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})"
        "\n"
        "not json\n"
        R"({"name":"SITA","date":"2000-02-29","lat":"33:52S","lon":"151:00E","zone":8,"dst":true})"
        "\n"
        R"({"name":"","lat":"1:1N","lon":"1:1E"})"
        "\n");
    std::ostringstream out;
    ASSERT_TRUE(kalodaya::cli::RunBatch(in, out));
    std::istringstream lines(out.str());
    std::string line;
    std::vector<nlohmann::json> results;
    while (std::getline(lines, line)) results.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0]["valid"], true);
    EXPECT_EQ(results[1]["valid"], false);
    EXPECT_TRUE(results[1]["error"].is_string());
    EXPECT_EQ(results[2]["valid"], true);
    EXPECT_EQ(results[2]["details"]["latitude"], "33\xC2\xB0 52' S");
    EXPECT_EQ(results[3]["valid"], false);
    EXPECT_EQ(results[3]["message"], "Please Enter Name");
}

}  // namespace
