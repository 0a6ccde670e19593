// Output that cannot be written ends the command with status 2 and one line on standard error;
// a batch answer goes out as soon as its line is complete.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace kalodaya::cli {
namespace {

using namespace std::chrono_literals;
using testing_support::ChartProcess;
using testing_support::RunChart;
using testing_support::StdoutTo;

const std::string kRequest =
    R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})";

TEST(UnwritableOutput, IsStatusTwoWithOneLine) {
    std::string manyLines;
    for (int i = 0; i < 2000; ++i) manyLines += kRequest + "\n";
    const std::vector<std::string> chart = {"--name", "RAMA", "--lat", "28:39N", "--lon", "77:13E"};
    const std::vector<std::string> failedCheck = {"--name", "RAMA"};  // exit 1 when written
    for (StdoutTo to : {StdoutTo::DevFull, StdoutTo::Closed}) {
        for (const auto& [args, input] :
             {std::pair{chart, std::string()}, std::pair{failedCheck, std::string()},
              std::pair{std::vector<std::string>{"--help"}, std::string()},
              std::pair{std::vector<std::string>{"--batch"}, kRequest + "\n"},
              std::pair{std::vector<std::string>{"--batch"}, manyLines},
              std::pair{std::vector<std::string>{"--batch", "--jobs", "3"}, manyLines}}) {
            const auto run = RunChart(args, input, to);
            EXPECT_EQ(run.status, 2) << args[0] << " " << input.size();
            EXPECT_EQ(run.err.rfind("kalodaya-chart: cannot write the output: ", 0), 0u) << run.err;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        }
    }
}

// A program that writes one whole line and the start of the next must not wait for the
// second line to be finished before it sees the first answer.
class BatchAnswers : public ::testing::TestWithParam<const char*> {};

TEST_P(BatchAnswers, GoOutAsSoonAsTheirLineIsComplete) {
    ChartProcess batch({"--batch", "--jobs", GetParam()});
    batch.Write(kRequest + "\n{\"name\":");
    const auto first = batch.ReadLine(20s);
    ASSERT_TRUE(first) << "no answer while the next line was unfinished";
    EXPECT_EQ(nlohmann::json::parse(*first)["valid"], true);

    batch.Write("\"SITA\"}\r\n");
    const auto second = batch.ReadLine(20s);
    ASSERT_TRUE(second);
    EXPECT_EQ(nlohmann::json::parse(*second)["valid"], false);  // no place given

    batch.Write(kRequest);  // the last line needs no line end
    batch.CloseInput();
    const auto third = batch.ReadLine(20s);
    ASSERT_TRUE(third);
    EXPECT_EQ(*third, *first);
    const auto end = batch.Finish();
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(end.out, "");
    EXPECT_EQ(end.err, "");
}

INSTANTIATE_TEST_SUITE_P(Jobs, BatchAnswers, ::testing::Values("1", "2", "4"));

}  // namespace
}  // namespace kalodaya::cli
