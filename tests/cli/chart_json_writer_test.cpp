// The chart's JSON text: strings escaped byte for byte as the JSON library escapes them, the
// polar message, the ghati lagna's sign name, and the batch's output in pieces.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>

#include <vector>

#include "chart/chart_outcome.h"
#include "chart/present.h"
#include "cli/batch.h"
#include "chart/chart_json.h"
#include "../chart/chart_test_support.h"
#include "profile/sign_profile.h"

namespace kalodaya {
namespace {

using testing_support::North75Request;
using testing_support::WorkedExampleRequest;

std::string LibraryString(const std::string& text) {
    return nlohmann::ordered_json(text).dump(-1, ' ', false,
                                             nlohmann::ordered_json::error_handler_t::replace);
}

// A computed chart whose city is `city`, as one JSON line.
std::string JsonWithCity(const std::string& city) {
    BirthRequest e = WorkedExampleRequest();
    e.city = city;
    return ChartJsonText(RequestChart(e));
}

// The member's value text, from the key to the next member.
std::string CityText(const std::string& json) {
    const std::string key = "\"city\":";
    const auto start = json.find(key) + key.size();
    return json.substr(start, json.find(",\"state\":", start) - start);
}

// Texts whose escaping takes every path: plain runs of every length around the block sizes,
// control characters, quotes and backslashes at every position, UTF-8 of every length,
// sequences cut short, overlong forms, surrogates, bytes above U+10FFFF.
std::vector<std::string> AwkwardTexts() {
    std::vector<std::string> texts = {"",
                                      "\x7F",
                                      "\xC3\xA9",
                                      "\xE2\x82\xAC",
                                      "\xF0\x9F\x98\x80",
                                      "\xF4\x8F\xBF\xBF",
                                      "\xF4\x90\x80\x80",
                                      "\xC0\xAF",
                                      "\xC2",
                                      "\xE0\x9F\x80",
                                      "\xED\xA0\x80",
                                      "\xED\x9F\xBF",
                                      "\xF0\x8F\xBF\xBF",
                                      "\xF5\x80\x80\x80",
                                      "\xFF",
                                      "\x80",
                                      "ok \xE2\x82",
                                      "\xE2\x82 ok",
                                      std::string("nul\0byte", 8)};
    // Line breaks alone, as the marker cells hold them, and near misses.
    std::string breaks;
    for (int n = 1; n <= 18; ++n) {
        breaks += "\r\n";
        texts.push_back(breaks);
        texts.push_back(breaks + "\r");
        texts.push_back("\n" + breaks.substr(1));
        texts.push_back(breaks + "GL");
        // Chart cells: a body's name a line, and lines that need more than their breaks.
        texts.push_back(breaks + "Sun\r\nMercury (R) ");
        texts.push_back(breaks + "Sun\r\n\"q\"");
        texts.push_back(breaks + "Ketu\r\n\xC3\xA9");
        texts.push_back(breaks + "Ketu\n\r");
    }
    for (std::size_t length = 1; length <= 40; ++length) {
        const std::string plain(length, 'a');
        texts.push_back(plain);
        for (std::size_t at = 0; at < length; at += 3) {
            for (const std::string& odd :
                 {std::string("\""), std::string("\\"), std::string("\n"), std::string("\x1F"),
                  std::string("\r\n"), std::string("\xC2\xB0"), std::string("\xC3")}) {
                texts.push_back(plain.substr(0, at) + odd + plain.substr(at));
            }
        }
    }
    std::mt19937 random(11);
    for (int n = 0; n < 2000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 48);
        for (int i = 0; i < length; ++i) {
            // Mostly plain bytes, some of each kind that needs attention.
            const unsigned pick = random() % 16;
            text += static_cast<char>(pick < 10 ? 'a' + random() % 26 : random() % 256);
        }
        texts.push_back(text);
    }
    texts.push_back(std::string(5000, 'x') + "\"" + std::string(3000, 'y'));
    return texts;
}

TEST(ChartJsonWriter, EscapesTextsAsTheLibraryDoes) {
    for (const std::string& text : AwkwardTexts()) {
        const std::string json = JsonWithCity(text);
        EXPECT_EQ(CityText(json), LibraryString(text)) << testing::PrintToString(text);
        EXPECT_TRUE(nlohmann::json::accept(json)) << testing::PrintToString(text);
    }
}

TEST(ChartJsonWriter, LongCitiesGrowTheBufferWithoutLosingText) {
    std::string out = "before|";
    const std::string city(100000, 'z');
    const ChartOutcome outcome = RequestChart([&] {
        BirthRequest e = WorkedExampleRequest();
        e.city = city;
        return e;
    }());
    AppendChartJsonText(out, outcome);
    ASSERT_EQ(out.rfind("before|{", 0), 0u);
    const auto json = nlohmann::json::parse(out.substr(7));
    EXPECT_EQ(json["details"]["city"], city);
    // A short chart after it is written whole as well.
    EXPECT_EQ(nlohmann::json::parse(JsonWithCity("x"))["details"]["city"], "x");
}

TEST(ChartJsonWriter, PolarMessageFollowsPolar) {
    const ChartOutcome polar = RequestChart(North75Request(6, 21));
    ASSERT_TRUE(polar.Polar());
    const std::string polarText = ChartJsonText(polar);
    EXPECT_NE(polarText.find("\"polar\":true,\"polar_message\":" +
                             LibraryString(polar.texts.polarMessage) + ",\"polar_failed\":"),
              std::string::npos)
        << polarText;

    const ChartOutcome computed = RequestChart(WorkedExampleRequest());
    ASSERT_FALSE(computed.Polar());
    const std::string text = ChartJsonText(computed);
    EXPECT_NE(text.find("\"polar\":false,\"polar_message\":null,\"polar_failed\":"),
              std::string::npos);
    const auto json = nlohmann::ordered_json::parse(text);
    EXPECT_TRUE(json["polar_message"].is_null());
}

// The ghati lagna's sign name and the profile's English name agree for every sign, in both of
// the writer's forms.
TEST(ChartJsonWriter, SignNameFollowsTheGhatiLagnasSign) {
    ChartOutcome outcome = RequestChart(WorkedExampleRequest());
    ASSERT_TRUE(outcome.result.HasGhatiLagna());
    for (int sign = 0; sign < kSignCount; ++sign) {
        outcome.result.ghatiLagna->sign = sign;
        outcome.texts = Present(outcome.result);
        const auto json = nlohmann::json::parse(ChartJsonText(outcome));
        EXPECT_EQ(json["ghati_lagna"]["sign"], sign);
        EXPECT_EQ(json["ghati_lagna"]["sign_name"], json["profile"]["english_name"]) << sign;
        EXPECT_EQ(ChartJson(outcome)["ghati_lagna"]["sign_name"],
                  json["ghati_lagna"]["sign_name"]);
    }
    EXPECT_EQ(nlohmann::json::parse(ChartJsonText(outcome))["ghati_lagna"]["sign_name"],
              "Pisces");

    // A chart without a ghati lagna (no angle to place it) writes none, and no profile.
    outcome.result.ghatiLagna.reset();
    outcome.texts = Present(outcome.result);
    const auto json = nlohmann::json::parse(ChartJsonText(outcome));
    EXPECT_TRUE(json["ghati_lagna"].is_null());
    EXPECT_TRUE(json["profile"].is_null());
    EXPECT_FALSE(json["reference_sunrise"].is_null());
}

// The batch writes its output in large pieces: every line still comes out whole, in order, and
// the same as the chart written on its own.
TEST(ChartJsonWriter, BatchOutputInPiecesKeepsEveryLine) {
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        const int day = 1 + i % 28;
        const std::string city = i % 7 == 0 ? std::string(30000, 'c') : "C" + std::to_string(i);
        input += R"({"name":"RAMA","date":"1990-08-)" + std::string(day < 10 ? "0" : "") +
                 std::to_string(day) + R"(","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"city":")" +
                 city + "\"}\n";
        if (i % 9 == 4) input += "not json\n";
        BirthRequest e = WorkedExampleRequest();
        e.day = day;
        e.city = city;
        e.second = 0;
        expected.push_back(ChartJsonText(RequestChart(e)));
        if (i % 9 == 4)
            expected.push_back(R"({"valid":false,"message":null,"error":"the line is not a JSON object"})");
    }
    input.pop_back();  // the last line without its line feed still counts
    std::istringstream in(input);
    std::ostringstream out;
    ASSERT_TRUE(cli::RunBatch(in, out));
    std::istringstream lines(out.str());
    std::string line;
    std::size_t n = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(n, expected.size());
        EXPECT_EQ(line, expected[n]) << "line " << n;
        ++n;
    }
    EXPECT_EQ(n, expected.size());
}

}  // namespace
}  // namespace kalodaya
