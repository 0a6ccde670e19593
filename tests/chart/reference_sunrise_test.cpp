// The reference sunrise and the time elapsed since it.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/chart_outcome.h"
#include "request/entry_checks.h"
#include "chart/reference_sunrise.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

using testing_support::WorkedExampleRequest;

using testing_support::Request;

TEST(ReferenceSunrise, WorkedExample) {
    const ChartOutcome r = Request(WorkedExampleRequest());
    ASSERT_TRUE(r.Computed());
    const ChartResult& c = r.result;
    ASSERT_TRUE(std::all_of(c.sunEvents.begin(), c.sunEvents.end(),
                            [](const auto& event) { return event.has_value(); }));
    EXPECT_EQ(c.sunEvents[kSunrise]->Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(c.sunEvents[kSunset]->Iso(), "1990-08-15T19:02:00");
    EXPECT_EQ(c.sunEvents[kPrevSunrise]->Iso(), "1990-08-14T05:49:00");
    EXPECT_EQ(c.sunEvents[kPrevSunset]->Iso(), "1990-08-14T19:03:00");
    EXPECT_EQ(c.sunEvents[kNextSunrise]->Iso(), "1990-08-16T05:50:00");
    EXPECT_EQ(c.sunEvents[kNextSunset]->Iso(), "1990-08-16T19:01:00");
    EXPECT_EQ(c.birthMoment.Iso(), "1990-08-15T10:30:00");
    EXPECT_EQ(c.referenceSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(c.elapsedMinutes, 281);
    EXPECT_EQ(c.elapsedSeconds, 16860);
    EXPECT_FALSE(c.polar.has_value());
    EXPECT_TRUE(r.texts.polarMessage.empty());
}

TEST(ReferenceSunrise, BirthExactlyAtSunsetUsesTheSameDaysSunrise) {
    const ChartOutcome r = Request(WorkedExampleRequest(19, 2, 0));
    ASSERT_TRUE(r.Computed());
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.result.elapsedMinutes, 793);
    EXPECT_EQ(r.result.elapsedSeconds, 793 * 60);
}

TEST(ReferenceSunrise, BirthExactlyAtSunriseHasNothingElapsed) {
    const ChartOutcome r = Request(WorkedExampleRequest(5, 49, 0));
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.result.elapsedMinutes, 0);
    EXPECT_EQ(r.result.elapsedSeconds, 0);
}

TEST(ReferenceSunrise, OneSecondBeforeSunriseUsesThePreviousDays) {
    const ChartOutcome r = Request(WorkedExampleRequest(5, 48, 59));
    ASSERT_TRUE(r.Computed());
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-14T05:49:00");
    // Minutes count after cutting both times to the minute: 14 Aug 05:49 to 15 Aug 05:48.
    EXPECT_EQ(r.result.elapsedMinutes, 1439);
    EXPECT_EQ(r.result.elapsedSeconds, 86399);
}

TEST(ReferenceSunrise, OneMinuteAfterSunsetCountsTheTimeToTheNextSunrise) {
    const ChartOutcome r = Request(WorkedExampleRequest(19, 3, 0));
    ASSERT_TRUE(r.Computed());
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-16T05:50:00");
    // 19:03 to 05:50 next day: 10 h 47 min, remaining, not elapsed.
    EXPECT_EQ(r.result.elapsedMinutes, 647);
    EXPECT_EQ(r.result.elapsedSeconds, 647 * 60);
}

TEST(ReferenceSunrise, SecondsEnterOnlyTheSecondCount) {
    // 10:30:59: the minute count cuts the seconds away, the second count keeps them.
    const ChartOutcome r = Request(WorkedExampleRequest(10, 30, 59));
    EXPECT_EQ(r.result.elapsedMinutes, 281);
    EXPECT_EQ(r.result.elapsedSeconds, 16860 + 59);
    // After sunset the count runs to the next sunrise: 19:03:30 is cut to 19:03, 647 minutes
    // before 05:50; the seconds are 10 h 46 min 30 s.
    const ChartOutcome late = Request(WorkedExampleRequest(19, 3, 30));
    EXPECT_EQ(late.result.elapsedMinutes, 647);
    EXPECT_EQ(late.result.elapsedSeconds, 647 * 60 - 30);
}

TEST(ReferenceSunrise, ElapsedCountsNeedMoreThanSixteenBits) {
    // A birth at 18:59 is 13 h 10 min after sunrise: 47,400 seconds, more than a 16-bit field
    // holds (anything later than 9 h 06 min after sunrise is).
    const ChartOutcome r = Request(WorkedExampleRequest(18, 59, 0));
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-15T05:49:00");
    EXPECT_EQ(r.result.elapsedMinutes, 790);
    EXPECT_EQ(r.result.elapsedSeconds, 47400);
}

TEST(ReferenceSunrise, DaylightHourOfTheReferenceSunriseIsRecorded) {
    BirthRequest e = WorkedExampleRequest();
    e.daylight = true;  // August: daylight time by the calendar rule
    const ChartOutcome r = Request(e);
    ASSERT_TRUE(r.Computed());
    ASSERT_TRUE(r.result.sunEvents[kSunrise].has_value());
    EXPECT_EQ(r.result.sunEvents[kSunrise]->Iso(), "1990-08-15T06:49:00");
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "1990-08-15T06:49:00");
    EXPECT_EQ(r.result.elapsedMinutes, 221);

    const auto request = CheckRequest(e);
    ASSERT_TRUE(request.has_value());
    SunDays days(request->birth);
    const auto ref = ChooseReferenceSunrise(r.result.birthMoment, days);
    ASSERT_TRUE(ref.has_value());
    EXPECT_TRUE(ref->daylightApplied);
    EXPECT_EQ(ref->sunrise, r.result.referenceSunrise);
    EXPECT_EQ(ref->elapsedMinutes, 221);

    SunDays plainDays(CheckRequest(WorkedExampleRequest())->birth);
    const auto plain =
        ChooseReferenceSunrise(DateTime::FromCivil(1990, 8, 15, 10, 30), plainDays);
    ASSERT_TRUE(plain.has_value());
    EXPECT_FALSE(plain->daylightApplied);
}

}  // namespace
}  // namespace kalodaya
