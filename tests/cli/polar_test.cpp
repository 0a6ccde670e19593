// Polar day and polar night: a message and no stale chart; the next request is whole again.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <numeric>
#include <string>

#include "base/angles.h"
#include "chart/chart_outcome.h"
#include "chart/chart_json.h"
#include "../chart/chart_test_support.h"

namespace kalodaya {
namespace {

using testing_support::North75Request;
using testing_support::Request;
using testing_support::WorkedExampleRequest;

bool HasGl(const ResultTexts& texts) {
    for (const auto& cell : texts.markers)
        if (cell.find("GL") != std::string::npos) return true;
    return false;
}

// Thirteen arudha marks, less the lagna lord's when the ascendant's lord is retrograde (its
// marked name is not found, so house 1 has no lord's sign).
int ExpectedArudhaMarks(const ChartResult& r) {
    const int ascSign = SignIndexOfLongitudeLabel(r.longitude[Asc]);
    if (ascSign < 0) return 13;
    for (int k = 0; k < kBodyCount; ++k)
        if (kPlainPlanetNames[k] == kSignLords[ascSign]) return r.retrograde[k] ? 12 : 13;
    return 13;
}

void ExpectPolar(const ChartOutcome& outcome, const std::string& dateWords,
                 const std::string& isoDate) {
    ASSERT_FALSE(outcome.failure.has_value());
    EXPECT_TRUE(outcome.Polar());
    EXPECT_FALSE(outcome.Computed());
    const std::string& message = outcome.texts.polarMessage;
    EXPECT_NE(message.find(dateWords), std::string::npos) << message;
    EXPECT_NE(message.find("does not rise or set"), std::string::npos);
    EXPECT_NE(message.find("Ghati Lagna cannot be computed"), std::string::npos);
    for (const auto& event : outcome.result.sunEvents) EXPECT_FALSE(event.has_value());
    EXPECT_FALSE(HasGl(outcome.texts));
    EXPECT_FALSE(outcome.result.HasGhatiLagna());
    EXPECT_FALSE(outcome.texts.profileSign.has_value());
    EXPECT_TRUE(outcome.texts.ghatiLagna.empty());

    const auto json = ChartJson(outcome);
    EXPECT_EQ(json["valid"], true);
    EXPECT_EQ(json["polar"], true);
    for (const char* key :
         {"sunrise", "sunset", "prev_sunrise", "prev_sunset", "next_sunrise", "next_sunset",
          "reference_sunrise", "elapsed_minutes", "elapsed_seconds", "sun_at_sunrise",
          "sun_at_sunrise_text", "ghati_lagna", "profile"})
        EXPECT_TRUE(json[key].is_null()) << key;
    ASSERT_EQ(json["polar_failed"].size(), 6u);
    EXPECT_EQ(json["polar_failed"][0]["date"], isoDate);
    EXPECT_EQ(json["polar_failed"][0]["event"], "sunrise");
    EXPECT_EQ(json["polar_failed"][1]["event"], "sunset");
    // The birth-moment positions are still given, and the markers hold the arudha pass only.
    EXPECT_EQ(json["positions"].size(), 10u);
    int lines = 0;
    for (const auto& cell : json["markers"]) {
        const std::string text = cell.get<std::string>();
        for (std::size_t i = 0; i + 1 < text.size(); ++i) lines += text.compare(i, 2, "\r\n") == 0;
    }
    const auto& marks = outcome.result.marks;
    EXPECT_EQ(lines, ExpectedArudhaMarks(outcome.result));
    EXPECT_EQ(std::accumulate(marks.arudha.begin(), marks.arudha.end(), 0), lines);
    EXPECT_EQ(std::accumulate(marks.hidden.begin(), marks.hidden.end(), 0), 0);
    EXPECT_EQ(marks.ghatiLagnaSign, -1);
}

TEST(Polar, MidsummerAtSeventyFiveNorthGivesTheMessage) {
    ExpectPolar(Request(North75Request(6, 25)), "June 25, 1990", "1990-06-25");
}

TEST(Polar, MidwinterAtSeventyFiveNorthGivesTheMessage) {
    ExpectPolar(Request(North75Request(12, 27)), "December 27, 1990", "1990-12-27");
}

TEST(Polar, NoStaleResultAfterANormalRequestAndTheNextRequestIsWhole) {
    const ChartOutcome fresh = Request(WorkedExampleRequest());
    ASSERT_TRUE(fresh.Computed());
    const auto expected = ChartJson(fresh);

    // One outcome reused from request to request, as the window and the batch reuse theirs.
    ChartOutcome outcome;
    RequestChartInto(WorkedExampleRequest(), outcome);
    ASSERT_TRUE(outcome.Computed());
    ASSERT_TRUE(HasGl(outcome.texts));

    RequestChartInto(North75Request(6, 25), outcome);
    // The events that could not be computed hold no value, not the earlier request's.
    ExpectPolar(outcome, "June 25, 1990", "1990-06-25");

    RequestChartInto(WorkedExampleRequest(), outcome);
    EXPECT_TRUE(outcome.Computed());
    EXPECT_TRUE(outcome.texts.polarMessage.empty());
    EXPECT_EQ(ChartJson(outcome), expected);
    EXPECT_EQ(outcome.result.referenceSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(outcome.result.elapsedMinutes, 281);
}

TEST(Polar, AFailingNeighbourCountsOnlyWhenTheChoiceUsesIt) {
    // Find a date near the end of the midnight sun at 70 N whose own sunrise and sunset exist
    // while the day before has none (the days shorten towards autumn).
    BirthRequest e = North75Request(7, 1);
    e.latitude.degrees = 70;
    int found = 0;
    for (int day = 1; day <= 31 && !found; ++day) {
        e.day = day;
        e.hour = 12;
        const ChartOutcome outcome = Request(e);
        if (outcome.result.sunEvents[kSunrise] && !outcome.result.sunEvents[kPrevSunrise])
            found = day;
    }
    ASSERT_NE(found, 0);
    // Noon lies between the day's own sunrise and sunset: nothing from the neighbours is needed.
    const ChartOutcome noon = Request(e);
    EXPECT_TRUE(noon.Computed());
    EXPECT_FALSE(noon.result.sunEvents[kPrevSunrise].has_value());
    const auto json = ChartJson(noon);
    EXPECT_EQ(json["polar"], false);
    EXPECT_TRUE(json["prev_sunrise"].is_null());
    EXPECT_FALSE(json["polar_failed"].empty());
    EXPECT_FALSE(json["ghati_lagna"].is_null());

    // A birth before that sunrise needs the previous day's sunrise, which does not exist.
    e.hour = 0;
    const ChartOutcome early = Request(e);
    EXPECT_TRUE(early.Polar());
    EXPECT_NE(early.texts.polarMessage.find("July " + std::to_string(found - 1) + ", 1990"),
              std::string::npos)
        << early.texts.polarMessage;
}

}  // namespace
}  // namespace kalodaya
