#include "chart/chart_outcome.h"

#include <gtest/gtest.h>

#include "chart/present.h"

namespace kalodaya {
namespace {

BirthRequest Sydney() {
    BirthRequest e;
    e.name = "SITA ";
    e.month = 3;
    e.day = 5;
    e.year = 1980;
    e.hour = 0;
    e.minute = 0;
    e.latitude.degrees = 33;
    e.latitude.minutes = 52;
    e.latitude.north = false;
    e.longitude.degrees = 151;
    e.longitude.minutes = 0;
    e.longitude.east = false;
    e.zone = ZoneListEntry{8};
    e.city = "Sydney";
    e.state = "NSW";
    e.country = "Australia";
    return e;
}

TEST(Pipeline, AFailedCheckComputesNothing) {
    BirthRequest e = Sydney();
    e.name = "";
    const ChartOutcome outcome = RequestChart(e);
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_FALSE(outcome.Computed());
    EXPECT_FALSE(outcome.Polar());
    EXPECT_TRUE(outcome.result.request.name.empty());
    EXPECT_TRUE(outcome.texts.details.name.empty());

    // Over an earlier chart, the failure leaves no computed values of that chart behind.
    ChartOutcome reused = RequestChart(Sydney());
    ASSERT_TRUE(reused.Computed());
    RequestChartInto(e, reused);
    ASSERT_TRUE(reused.failure.has_value());
    EXPECT_FALSE(reused.Computed());
    EXPECT_TRUE(reused.result.request.name.empty());
    EXPECT_FALSE(reused.result.ghatiLagna.has_value());
}

TEST(Pipeline, RequestAndDetailsInShortestForm) {
    const ChartOutcome outcome = RequestChart(Sydney());
    ASSERT_FALSE(outcome.failure.has_value());
    const ChartRequest& request = outcome.result.request;
    const LocalBirth& b = request.birth;
    EXPECT_EQ(request.name, "SITA ");
    EXPECT_EQ(b.month, 3);
    EXPECT_EQ(b.zone.hours, -10);
    EXPECT_TRUE(b.place.south);
    EXPECT_FALSE(b.place.east);
    EXPECT_EQ(request.zoneEntry, 8);
    EXPECT_EQ(outcome.result.birthMoment.Iso(), "1980-03-05T00:00:00");

    const auto& d = outcome.texts.details;
    EXPECT_EQ(d.name, "SITA ");
    EXPECT_EQ(d.dob, "March/5/1980");
    EXPECT_EQ(d.tob, "0:0");
    EXPECT_EQ(d.latitude, "33\xC2\xB0 52' S");
    EXPECT_EQ(d.longitude, "151\xC2\xB0 0' W");
    EXPECT_EQ(d.city, "Sydney");
    EXPECT_EQ(d.country, "Australia");
}

TEST(Pipeline, TheSameEntriesGiveTheSameChartWhateverCameBefore) {
    const ChartOutcome alone = RequestChart(Sydney());
    ChartOutcome reused;
    BirthRequest other = Sydney();
    other.year = 2020;
    other.month = 7;
    other.latitude.degrees = 70;
    other.latitude.north = true;
    RequestChartInto(other, reused);
    RequestChartInto(Sydney(), reused);
    EXPECT_EQ(reused.result.longitude, alone.result.longitude);
    EXPECT_EQ(reused.result.retrograde, alone.result.retrograde);
    EXPECT_EQ(reused.result.sunEvents, alone.result.sunEvents);
    EXPECT_EQ(reused.result.referenceSunrise, alone.result.referenceSunrise);
    EXPECT_EQ(reused.result.elapsedSeconds, alone.result.elapsedSeconds);
    EXPECT_EQ(reused.result.sunAtSunrise, alone.result.sunAtSunrise);
    EXPECT_EQ(reused.result.marks.arudha, alone.result.marks.arudha);
    EXPECT_EQ(reused.result.marks.hidden, alone.result.marks.hidden);
    EXPECT_EQ(reused.result.marks.ghatiLagnaSign, alone.result.marks.ghatiLagnaSign);
    EXPECT_EQ(reused.texts.planet, alone.texts.planet);
    EXPECT_EQ(reused.texts.names, alone.texts.names);
    EXPECT_EQ(reused.texts.signCells, alone.texts.signCells);
    EXPECT_EQ(reused.texts.markers, alone.texts.markers);
    EXPECT_EQ(reused.texts.profile, alone.texts.profile);
    EXPECT_EQ(reused.texts.ghatiLagna, alone.texts.ghatiLagna);
    EXPECT_EQ(reused.texts.polarMessage, alone.texts.polarMessage);
}

TEST(Pipeline, MarkersStandOnNewLinesAndGhatiLagnaOutsideTheChartMarksNothing) {
    ChartResult result;
    result.marks.arudha[3] = 1;
    result.marks.ghatiLagnaSign = 3;
    EXPECT_EQ(Present(result).markers[3], "\r\n\r\nGL");
    for (const int outside : {-1, 12}) {
        result.marks.ghatiLagnaSign = outside;
        const ResultTexts texts = Present(result);
        EXPECT_EQ(texts.markers[3], "\r\n") << outside;
        for (int sign = 0; sign < kSignCount; ++sign) {
            if (sign == 3) continue;
            EXPECT_EQ(texts.markers[sign], "") << outside;
        }
    }
}

}  // namespace
}  // namespace kalodaya
