// The chart's JSON written straight as text has the library's own compact form.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "chart/chart_outcome.h"
#include "chart/chart_json.h"
#include "profile/profile_fields.h"
#include "profile/sign_texts.h"
#include "../chart/chart_test_support.h"

namespace kalodaya {
namespace {

using testing_support::North75Request;
using testing_support::WorkedExampleRequest;

std::string LibraryForm(const std::string& text) {
    return nlohmann::ordered_json::parse(text).dump(
        -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

TEST(ChartJsonText, IsTheLibrarysCompactForm) {
    std::vector<BirthRequest> requests = {WorkedExampleRequest(), North75Request(6, 25),
                                     WorkedExampleRequest(19, 3, 30)};
    BirthRequest awkward = WorkedExampleRequest();
    awkward.city = "Troms\xC3\xB8 \"quoted\" back\\slash\ttab\x01\x7F";
    awkward.state = std::string("nul\0byte", 8);
    awkward.country = "\xFF\xFE not UTF-8 \xE2\x82";
    requests.push_back(awkward);
    BirthRequest failing = WorkedExampleRequest();
    failing.name = " ";
    requests.push_back(failing);

    for (const BirthRequest& e : requests) {
        const ChartOutcome outcome = RequestChart(e);
        const std::string text = ChartJsonText(outcome);
        if (e.country.find('\xFF') == std::string::npos) {
            EXPECT_EQ(text, LibraryForm(text)) << e.city;
        } else {
            // Bytes that are not UTF-8 come out as U+FFFD, and the text parses back unchanged.
            EXPECT_NE(text.find("\xEF\xBF\xBD"), std::string::npos);
            EXPECT_EQ(text, LibraryForm(text));
        }
        EXPECT_EQ(ChartJson(outcome)
                      .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace),
                  text);
    }
}

TEST(ChartJsonText, KeepsControlCharactersAndQuotesEscaped) {
    BirthRequest e = WorkedExampleRequest();
    e.city = "a\"b\\c\td\x01";
    const ChartOutcome outcome = RequestChart(e);
    const auto json = nlohmann::json::parse(ChartJsonText(outcome));
    EXPECT_EQ(json["details"]["city"], e.city);
    EXPECT_EQ(json["markers"][3], "\r\n\r\nGL\r\n\r\n");
    EXPECT_EQ(json["elapsed_seconds"], 16860);
}

// The profile of the ghati lagna's sign, its values under their names in snake case.
TEST(ChartJsonText, TheProfileIsTheGhatiLagnaSigns) {
    const ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_TRUE(outcome.Computed());
    const int sign = outcome.result.ghatiLagna->sign;
    const auto json = ChartJson(outcome);
    ASSERT_TRUE(json["profile"].is_object());
    EXPECT_EQ(json["profile"].size(), static_cast<std::size_t>(kProfileFieldCount));
    EXPECT_EQ(json["profile"]["english_name"], kSignNames[sign]);
    EXPECT_EQ(json["profile"]["love_and_domestic_life_text"], SignTexts()[sign][3]);
}

}  // namespace
}  // namespace kalodaya
