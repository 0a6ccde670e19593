// The chart's JSON written straight as text has the library's own compact form.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "chart/chart_outcome.h"
#include "cli/chart_json.h"
#include "lagna_test_support.h"

namespace kalodaya {
namespace {

using testing_support::North75Entries;
using testing_support::WorkedExampleEntries;

std::string LibraryForm(const std::string& text) {
    return nlohmann::ordered_json::parse(text).dump(
        -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

TEST(ChartJsonText, IsTheLibrarysCompactForm) {
    std::vector<Entries> requests = {WorkedExampleEntries(), North75Entries(5, "25"),
                                     WorkedExampleEntries("19", "3", "30")};
    Entries awkward = WorkedExampleEntries();
    awkward.city = "Troms\xC3\xB8 \"quoted\" back\\slash\ttab\x01\x7F";
    awkward.state = std::string("nul\0byte", 8);
    awkward.country = "\xFF\xFE not UTF-8 \xE2\x82";
    requests.push_back(awkward);
    Entries failing = WorkedExampleEntries();
    failing.name = " ";
    requests.push_back(failing);

    for (const Entries& e : requests) {
        const ChartOutcome outcome = RequestChart(e);
        const std::string text = cli::ChartJsonText(outcome);
        if (e.country.find('\xFF') == std::string::npos) {
            EXPECT_EQ(text, LibraryForm(text)) << e.city;
        } else {
            // Bytes that are not UTF-8 come out as U+FFFD, and the text parses back unchanged.
            EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos);
            EXPECT_EQ(text, LibraryForm(text));
        }
        EXPECT_EQ(cli::ChartJson(outcome)
                      .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace),
                  text);
    }
}

TEST(ChartJsonText, KeepsControlCharactersAndQuotesEscaped) {
    Entries e = WorkedExampleEntries();
    e.city = "a\"b\\c\td\x01";
    const ChartOutcome outcome = RequestChart(e);
    const auto json = nlohmann::json::parse(cli::ChartJsonText(outcome));
    EXPECT_EQ(json["details"]["city"], e.city);
    EXPECT_EQ(json["markers"][3], "\r\n\r\nGL\r\n\r\n");
    EXPECT_EQ(json["elapsed_seconds"], 16860);
}

}  // namespace
}  // namespace kalodaya
