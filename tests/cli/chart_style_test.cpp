// The chart style asked for on the command line or in a request line: the chart gains its
// layout in that style, and nothing else of the chart changes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "chart/batch_line.h"
#include "cli_process.h"

namespace kalodaya::cli {
namespace {

using Json = nlohmann::ordered_json;
using testing_support::RunChart;

const std::vector<std::string> kWorkedExample = {
    "--name", "RAMA", "--date", "1990-08-15", "--time", "10:30:00",
    "--lat",  "28:39N", "--lon", "77:13E", "--zone", "34"};

std::string Answer(const std::string& line) {
    BatchScratch scratch;
    std::string out;
    AnswerRequestLine(line, scratch, out);
    return out;
}

TEST(ChartStyle, OptionsAndRequestLinesAddTheLayoutInTheirStyle) {
    const Json plain = Json::parse(RunChart(kWorkedExample).out);
    ASSERT_FALSE(plain.contains("chart_layout"));
    const std::string line =
        R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34)";
    // A single chart from options also carries its birth-time windows; a request line does not.
    Json plainLine = plain;
    plainLine.erase("time_windows");
    ASSERT_EQ(Json::parse(Answer(line + "}")), plainLine);

    for (const std::string style : {"south", "north", "east"}) {
        SCOPED_TRACE(style);
        std::vector<std::string> args = kWorkedExample;
        args.insert(args.end(), {"--chart-style", style});
        const auto run = RunChart(args);
        ASSERT_EQ(run.status, 0) << run.err;
        Json option = Json::parse(run.out);
        Json fromLine = Json::parse(Answer(line + R"(,"chart_style":")" + style + "\"}"));
        Json optionWithoutWindows = option;
        optionWithoutWindows.erase("time_windows");
        EXPECT_EQ(fromLine, optionWithoutWindows);

        const Json& layout = option["chart_layout"];
        EXPECT_EQ(layout["style"], style);
        ASSERT_EQ(layout["cells"].size(), 12u);
        EXPECT_EQ(layout["centre"].is_null(), style == "north");
        // Every body of the chart's names once, "GL" once, in the cell of its sign.
        int bodies = 0, markers = 0;
        for (std::size_t sign = 0; sign < 12; ++sign) {
            const Json& cell = layout["cells"][sign];
            EXPECT_EQ(cell["sign"], sign);
            EXPECT_EQ(cell["number"], std::to_string(sign + 1));
            for (const Json& item : cell["items"]) {
                if (item["kind"] == "marker") {
                    ++markers;
                    EXPECT_EQ(item["text"], "GL");
                    EXPECT_EQ(option["ghati_lagna"]["sign"], sign);
                } else {
                    ++bodies;
                }
            }
        }
        EXPECT_EQ(bodies, 10);
        EXPECT_EQ(markers, 1);
        option.erase("chart_layout");
        EXPECT_EQ(option, plain);
    }
}

TEST(ChartStyle, AnUnknownStyleIsRefusedLikeAnyUnusableValue) {
    for (const std::string style : {"west", "North", ""}) {
        std::vector<std::string> args = kWorkedExample;
        args.insert(args.end(), {"--chart-style", style});
        const auto run = RunChart(args);
        EXPECT_EQ(run.status, 2) << style;
        EXPECT_EQ(run.err, "kalodaya-chart: unusable chart style \"" + style +
                               "\": expected south, north or east\n");
        const Json answer = Json::parse(Answer(
            R"({"date":"1990-08-15","lat":"28:39N","lon":"77:13E","chart_style":")" + style +
            "\"}"));
        EXPECT_EQ(answer["valid"], false) << style;
    }
    const Json notText = Json::parse(Answer(R"({"chart_style":1})"));
    EXPECT_EQ(notText["valid"], false);
    EXPECT_EQ(notText["error"], "\"chart_style\" must be a string");
}

}  // namespace
}  // namespace kalodaya::cli
