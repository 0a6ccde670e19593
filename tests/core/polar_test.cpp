// Polar day and polar night: a message and no stale chart; the next request is whole again.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/chart_json.h"
#include "core/chart_pipeline.h"
#include "lagna_test_support.h"

namespace kalodaya {
namespace {

using testing_support::North75Entries;
using testing_support::WorkedExampleEntries;

bool HasGl(const ResultTexts& view) {
    for (const auto& cell : view.markers)
        if (cell.find("GL") != std::string::npos) return true;
    return false;
}

void ExpectPolar(const AppState& state, const ChartOutcome& outcome, const std::string& dateWords,
                 const std::string& isoDate) {
    ASSERT_FALSE(outcome.failure.has_value());
    EXPECT_TRUE(outcome.polar);
    EXPECT_FALSE(outcome.Computed());
    EXPECT_NE(outcome.polarMessage.find(dateWords), std::string::npos) << outcome.polarMessage;
    EXPECT_NE(outcome.polarMessage.find("does not rise or set"), std::string::npos);
    EXPECT_NE(outcome.polarMessage.find("Ghati Lagna cannot be computed"), std::string::npos);
    for (bool failed : outcome.sunEventFailed) EXPECT_TRUE(failed);
    EXPECT_FALSE(HasGl(state.view));

    const auto json = cli::ChartJson(state, outcome);
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
    // Thirteen markers, less the lagna lord's when a retrograde lord left it at sign number 0.
    EXPECT_EQ(lines, state.lagna.LagnaLordSignNo == 0 ? 12 : 13);
}

TEST(Polar, MidsummerAtSeventyFiveNorthGivesTheMessage) {
    AppState state;
    LoadTables(state);
    const auto outcome = RequestChart(state, North75Entries(5, "25"));
    ExpectPolar(state, outcome, "June 25, 1990", "1990-06-25");
}

TEST(Polar, MidwinterAtSeventyFiveNorthGivesTheMessage) {
    AppState state;
    LoadTables(state);
    const auto outcome = RequestChart(state, North75Entries(11, "27"));
    ExpectPolar(state, outcome, "December 27, 1990", "1990-12-27");
}

TEST(Polar, NoStaleResultAfterANormalRequestAndTheNextRequestIsWhole) {
    AppState fresh;
    LoadTables(fresh);
    const auto freshOutcome = RequestChart(fresh, WorkedExampleEntries());
    ASSERT_TRUE(freshOutcome.Computed());
    const auto expected = cli::ChartJson(fresh, freshOutcome);

    AppState state;
    LoadTables(state);
    ASSERT_TRUE(RequestChart(state, WorkedExampleEntries()).Computed());
    ASSERT_TRUE(HasGl(state.view));

    const auto polar = RequestChart(state, North75Entries(5, "25"));
    ExpectPolar(state, polar, "June 25, 1990", "1990-06-25");
    // The events that could not be computed hold no value, not the earlier request's.
    for (const DateTime* event :
         {&state.chart.Sunrise, &state.chart.Sunset, &state.chart.PrevSunrise,
          &state.chart.PrevSunset, &state.chart.NextSunrise, &state.chart.NextSunset})
        EXPECT_EQ(*event, DateTime());
    EXPECT_FALSE(state.view.profileSign.has_value());

    const auto again = RequestChart(state, WorkedExampleEntries());
    EXPECT_TRUE(again.Computed());
    EXPECT_TRUE(again.polarMessage.empty());
    EXPECT_EQ(cli::ChartJson(state, again), expected);
    EXPECT_EQ(state.chart.RefSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(state.chart.ElapsedMinutes, 281);
}

TEST(Polar, AFailingNeighbourCountsOnlyWhenTheChoiceUsesIt) {
    // Find a date near the end of the midnight sun at 70 N whose own sunrise and sunset exist
    // while the day before has none (the days shorten towards autumn).
    AppState state;
    LoadTables(state);
    Entries e = North75Entries(6, "1");
    e.latDegText = "70";
    int found = 0;
    for (int day = 1; day <= 31 && !found; ++day) {
        e.dayText = std::to_string(day);
        e.hourText = "12";
        const auto outcome = RequestChart(state, e);
        if (!outcome.sunEventFailed[kSunrise] && outcome.sunEventFailed[kPrevSunrise]) found = day;
    }
    ASSERT_NE(found, 0);
    // Noon lies between the day's own sunrise and sunset: nothing from the neighbours is needed.
    const auto noon = RequestChart(state, e);
    EXPECT_TRUE(noon.Computed());
    EXPECT_TRUE(noon.sunEventFailed[kPrevSunrise]);
    const auto json = cli::ChartJson(state, noon);
    EXPECT_EQ(json["polar"], false);
    EXPECT_TRUE(json["prev_sunrise"].is_null());
    EXPECT_FALSE(json["polar_failed"].empty());
    EXPECT_FALSE(json["ghati_lagna"].is_null());

    // A birth before that sunrise needs the previous day's sunrise, which does not exist.
    e.hourText = "0";
    const auto early = RequestChart(state, e);
    EXPECT_TRUE(early.polar);
    EXPECT_NE(early.polarMessage.find("July " + std::to_string(found - 1) + ", 1990"),
              std::string::npos)
        << early.polarMessage;
}

}  // namespace
}  // namespace kalodaya
