// The reference sunrise and the time elapsed since it.
#include <gtest/gtest.h>

#include "core/chart_pipeline.h"
#include "lagna_test_support.h"

namespace kalodaya {
namespace {

using testing_support::WorkedExampleEntries;

using testing_support::Charted;
using testing_support::Request;

TEST(ReferenceSunrise, WorkedExample) {
    const Charted r = Request(WorkedExampleEntries());
    ASSERT_TRUE(r.outcome.Computed());
    const ChartState& c = r.state.chart;
    EXPECT_EQ(c.Sunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(c.Sunset.Iso(), "1990-08-15T19:02:00");
    EXPECT_EQ(c.PrevSunrise.Iso(), "1990-08-14T05:49:00");
    EXPECT_EQ(c.PrevSunset.Iso(), "1990-08-14T19:03:00");
    EXPECT_EQ(c.NextSunrise.Iso(), "1990-08-16T05:50:00");
    EXPECT_EQ(c.NextSunset.Iso(), "1990-08-16T19:01:00");
    EXPECT_EQ(c.BirthMoment.Iso(), "1990-08-15T10:30:00");
    EXPECT_EQ(c.RefSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(c.ElapsedMinutes, 281);
    EXPECT_EQ(c.ElapsedSeconds, 16860);
    EXPECT_EQ(c.RefSunriseDay, "15");
    EXPECT_EQ(c.RefSunriseMonthName, "August");
    EXPECT_EQ(c.RefSunriseYear, "1990");
    EXPECT_EQ(c.RefSunriseHour, "5");
    EXPECT_EQ(c.RefSunriseMinute, "49");
    EXPECT_FALSE(c.RefSunriseDstApplied);
    EXPECT_EQ(r.state.birth.BirthDateText, "August 15,1990");
    EXPECT_EQ(r.state.birth.BirthMonthName, "August");
    EXPECT_FALSE(r.outcome.polar);
    for (bool failed : r.outcome.sunEventFailed) EXPECT_FALSE(failed);
}

TEST(ReferenceSunrise, BirthExactlyAtSunsetUsesTheSameDaysSunrise) {
    const Charted r = Request(WorkedExampleEntries("19", "2", "0"));
    ASSERT_TRUE(r.outcome.Computed());
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 793);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 793 * 60);
}

TEST(ReferenceSunrise, BirthExactlyAtSunriseHasNothingElapsed) {
    const Charted r = Request(WorkedExampleEntries("5", "49", "0"));
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 0);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 0);
}

TEST(ReferenceSunrise, OneSecondBeforeSunriseUsesThePreviousDays) {
    const Charted r = Request(WorkedExampleEntries("5", "48", "59"));
    ASSERT_TRUE(r.outcome.Computed());
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "1990-08-14T05:49:00");
    // Minutes count after cutting both times to the minute: 14 Aug 05:49 to 15 Aug 05:48.
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 1439);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 86399);
    EXPECT_EQ(r.state.chart.RefSunriseDay, "14");
}

TEST(ReferenceSunrise, OneMinuteAfterSunsetCountsTheTimeToTheNextSunrise) {
    const Charted r = Request(WorkedExampleEntries("19", "3", "0"));
    ASSERT_TRUE(r.outcome.Computed());
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "1990-08-16T05:50:00");
    // 19:03 to 05:50 next day: 10 h 47 min, remaining, not elapsed.
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 647);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 647 * 60);
}

TEST(ReferenceSunrise, SecondsEnterOnlyTheSecondCount) {
    // 10:30:59: the minute count cuts the seconds away, the second count keeps them.
    const Charted r = Request(WorkedExampleEntries("10", "30", "59"));
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 281);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 16860 + 59);
    // After sunset the count runs to the next sunrise: 19:03:30 is cut to 19:03, 647 minutes
    // before 05:50; the seconds are 10 h 46 min 30 s.
    const Charted late = Request(WorkedExampleEntries("19", "3", "30"));
    EXPECT_EQ(late.state.chart.ElapsedMinutes, 647);
    EXPECT_EQ(late.state.chart.ElapsedSeconds, 647 * 60 - 30);
}

TEST(ReferenceSunrise, ElapsedCountsNeedMoreThanSixteenBits) {
    // A birth at 18:59 is 13 h 10 min after sunrise: 47,400 seconds, more than a 16-bit field
    // holds (anything later than 9 h 06 min after sunrise is).
    const Charted r = Request(WorkedExampleEntries("18", "59", "0"));
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 790);
    EXPECT_EQ(r.state.chart.ElapsedSeconds, 47400);
}

TEST(ReferenceSunrise, DaylightHourOfTheReferenceSunriseIsRecorded) {
    Entries e = WorkedExampleEntries();
    e.dst = true;  // August: daylight time by the calendar rule
    const Charted r = Request(e);
    EXPECT_TRUE(r.state.chart.RefSunriseDstApplied);
    EXPECT_EQ(r.state.chart.Sunrise.Iso(), "1990-08-15T06:49:00");
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 221);
}

}  // namespace
}  // namespace kalodaya
