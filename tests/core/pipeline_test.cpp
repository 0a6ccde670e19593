#include "core/chart_pipeline.h"

#include <gtest/gtest.h>

namespace kalodaya {
namespace {

Entries Sydney() {
    Entries e;
    e.name = "SITA ";
    e.monthIndex = 2;
    e.dayText = "5";
    e.yearText = "1980";
    e.hourText = "0";
    e.minuteText = "0";
    e.latDegText = "33";
    e.latMinText = "52";
    e.north = false;
    e.lonDegText = "151";
    e.lonMinText = "0";
    e.east = false;
    e.zoneIndex = 8;
    e.city = "Sydney";
    e.state = "NSW";
    e.country = "Australia";
    return e;
}

TEST(Pipeline, AFailedCheckChangesNothing) {
    AppState state;
    LoadTables(state);
    Entries e = Sydney();
    e.name = "";
    const auto outcome = RequestChart(state, e);
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_FALSE(outcome.Computed());
    EXPECT_EQ(state.birth.BirthYear, 0);
    EXPECT_TRUE(state.view.details.name.empty());
}

TEST(Pipeline, BirthDataAndDetailsInShortestForm) {
    AppState state;
    LoadTables(state);
    const auto outcome = RequestChart(state, Sydney());
    ASSERT_FALSE(outcome.failure.has_value());
    const BirthData& b = state.birth;
    EXPECT_EQ(b.BirthName, "SITA ");
    EXPECT_EQ(b.BirthMonth, 3);
    EXPECT_EQ(b.ZoneHours, -10);
    EXPECT_TRUE(b.IsSouth);
    EXPECT_FALSE(b.IsEast);
    EXPECT_EQ(b.BirthDateText, "March 5,1980");
    EXPECT_EQ(state.chart.BirthMoment.Iso(), "1980-03-05T00:00:00");

    const auto& d = state.view.details;
    EXPECT_EQ(d.dob, "March/5/1980");
    EXPECT_EQ(d.tob, "0:0");
    EXPECT_EQ(d.latitude, "33\xC2\xB0 52' S");
    EXPECT_EQ(d.longitude, "151\xC2\xB0 0' W");
    EXPECT_EQ(d.city, "Sydney");
    EXPECT_EQ(d.country, "Australia");
}

TEST(Pipeline, MarkersAppendOnNewLinesAndIgnoreCellsOutsideTheChart) {
    ResultTexts view;
    AppendMarker(view, 3, "");
    AppendMarker(view, 3, "GL");
    AppendMarker(view, -1, "");
    AppendMarker(view, 12, "");
    EXPECT_EQ(view.markers[3], "\r\n\r\nGL");
}

}  // namespace
}  // namespace kalodaya
