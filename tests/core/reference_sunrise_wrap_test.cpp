// The reference sunrise where sunrise or sunset falls on another date than the one it was
// computed for: the choice works with the events at their own local dates.
#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/chart_json.h"
#include "core/chart_pipeline.h"
#include "lagna_test_support.h"
#include "time/sunrise.h"

namespace kalodaya {
namespace {

// Entries for a place given as "DD:MM" texts; date as year, month, day; time as "HH:MM:SS".
Entries PlaceEntries(int year, int month, int day, const std::string& time, const std::string& lat,
                     bool north, const std::string& lon, bool east, int zone, bool dst = false) {
    Entries e;
    e.name = "WRAP";
    e.monthIndex = month - 1;
    e.dayText = std::to_string(day);
    e.yearText = std::to_string(year);
    e.hourText = time.substr(0, 2);
    e.minuteText = time.substr(3, 2);
    e.secondText = time.substr(6, 2);
    e.latDegText = lat.substr(0, lat.find(':'));
    e.latMinText = lat.substr(lat.find(':') + 1);
    e.north = north;
    e.lonDegText = lon.substr(0, lon.find(':'));
    e.lonMinText = lon.substr(lon.find(':') + 1);
    e.east = east;
    e.zoneIndex = zone;
    e.dst = dst;
    return e;
}

constexpr int kGmt = 29, kJapan = 38, kDateLineEast = 35, kDateLineWest = 36;
constexpr int kNewZealandSummer = 46;  // +13

// Reykjavik, 64 09 N, 21 56 W, on GMT.
Entries Reykjavik(int day, const std::string& time) {
    return PlaceEntries(2000, 6, day, time, "64:09", true, "21:56", false, kGmt);
}

using testing_support::Charted;
using testing_support::Request;

TEST(ReferenceSunriseWrap, ReykjavikMidsummerNoonCountsFromThatMorning) {
    // The sunset of 21 June is at 00:04 on 22 June: noon lies in the day, 545 minutes after
    // the sunrise at 02:55 (not 895 minutes before the next one).
    const Charted r = Request(Reykjavik(21, "12:00:00"));
    ASSERT_TRUE(r.outcome.Computed());
    const ChartState& c = r.state.chart;
    EXPECT_EQ(c.Sunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(c.Sunset.Iso(), "2000-06-22T00:04:00");
    EXPECT_EQ(c.PrevSunrise.Iso(), "2000-06-20T02:55:00");
    EXPECT_EQ(c.PrevSunset.Iso(), "2000-06-21T00:04:00");
    EXPECT_EQ(c.NextSunrise.Iso(), "2000-06-22T02:55:00");
    EXPECT_EQ(c.NextSunset.Iso(), "2000-06-23T00:04:00");
    EXPECT_EQ(c.RefSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(c.ElapsedMinutes, 545);
    EXPECT_EQ(c.ElapsedSeconds, 545 * 60);
    EXPECT_EQ(c.RefSunriseDay, "21");
    EXPECT_EQ(c.RefSunriseMonthName, "June");
    EXPECT_EQ(c.RefSunriseYear, "2000");
    EXPECT_EQ(c.RefSunriseHour, "2");
    EXPECT_EQ(c.RefSunriseMinute, "55");
    EXPECT_FALSE(c.RefSunriseDstApplied);
    // SunEvents still holds the last call's slots: 22 June with the reduced clock times.
    EXPECT_EQ(c.SunEvents[0].Iso(), "2000-06-22T02:55:00");
    EXPECT_EQ(c.SunEvents[1].Iso(), "2000-06-22T00:04:00");

    const auto json = cli::ChartJson(r.state, r.outcome);
    EXPECT_EQ(json["sunset"], "2000-06-22T00:04:00");
    EXPECT_EQ(json["reference_sunrise"], "2000-06-21T02:55:00");
    EXPECT_EQ(json["elapsed_minutes"], 545);
}

TEST(ReferenceSunriseWrap, ReykjavikAroundMidnight) {
    // 23:59 on 21 June is still daylight of 21 June.
    const Charted late = Request(Reykjavik(21, "23:59:00"));
    EXPECT_EQ(late.state.chart.RefSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(late.state.chart.ElapsedMinutes, 1264);
    // 00:04 on 22 June is the sunset of 21 June: the same day, counted from its sunrise.
    const Charted atSunset = Request(Reykjavik(22, "00:04:00"));
    EXPECT_EQ(atSunset.state.chart.RefSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(atSunset.state.chart.ElapsedMinutes, 1269);
    // 00:30 on 22 June is night before that day's sunrise: from the latest sunrise, as always.
    const Charted night = Request(Reykjavik(22, "00:30:00"));
    EXPECT_EQ(night.state.chart.RefSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(night.state.chart.ElapsedMinutes, 1295);
    // 03:00 on 22 June is after that day's sunrise.
    const Charted morning = Request(Reykjavik(22, "03:00:00"));
    EXPECT_EQ(morning.state.chart.RefSunrise.Iso(), "2000-06-22T02:55:00");
    EXPECT_EQ(morning.state.chart.ElapsedMinutes, 5);
}

// One birth given in two zones must be counted alike: same count, same ghati lagna, and
// reference sunrises the zones' difference apart.
void ExpectSameBirth(const Entries& a, const Entries& b, int hoursApart, int minutes) {
    const Charted ra = Request(a), rb = Request(b);
    ASSERT_TRUE(ra.outcome.Computed());
    ASSERT_TRUE(rb.outcome.Computed());
    const ChartState &ca = ra.state.chart, &cb = rb.state.chart;
    EXPECT_EQ(cb.BirthMoment, ca.BirthMoment.AddHours(hoursApart));
    EXPECT_EQ(cb.RefSunrise, ca.RefSunrise.AddHours(hoursApart));
    EXPECT_EQ(ca.ElapsedMinutes, minutes);
    EXPECT_EQ(cb.ElapsedMinutes, minutes);
    EXPECT_EQ(ca.ElapsedSeconds, cb.ElapsedSeconds);
    EXPECT_EQ(ca.GhatiLagnaText, cb.GhatiLagnaText);
    EXPECT_EQ(ca.GhatiLagnaSign, cb.GhatiLagnaSign);
}

Entries Tokyo(int day, const std::string& time, int zone) {
    return PlaceEntries(2000, 6, day, time, "35:41", true, "139:46", true, zone);
}

TEST(ReferenceSunriseWrap, TokyoBirthsGivenInGreenwichTime) {
    // On GMT the sunrise of 1 June is at 19:27 on 31 May and its sunset at 09:51 on 1 June.
    const Charted gmt = Request(Tokyo(1, "01:00:00", kGmt));
    EXPECT_EQ(gmt.state.chart.Sunrise.Iso(), "2000-05-31T19:27:00");
    EXPECT_EQ(gmt.state.chart.Sunset.Iso(), "2000-06-01T09:51:00");
    EXPECT_EQ(gmt.state.chart.RefSunrise.Iso(), "2000-05-31T19:27:00");
    EXPECT_EQ(gmt.state.chart.RefSunriseDay, "31");
    EXPECT_EQ(gmt.state.chart.RefSunriseMonthName, "May");
    EXPECT_EQ(gmt.state.chart.RefSunriseHour, "19");
    // In the day: 10:00 in Japan, 333 minutes after the sunrise at 04:27.
    ExpectSameBirth(Tokyo(1, "01:00:00", kGmt), Tokyo(1, "10:00:00", kJapan), 9, 333);
    // At night after the sunset: 21:00 in Japan, 446 minutes before the sunrise at 04:26.
    ExpectSameBirth(Tokyo(1, "12:00:00", kGmt), Tokyo(1, "21:00:00", kJapan), 9, 446);
    // After the sunset of the birth date and after the next day's sunrise (19:26 on 1 June
    // GMT): the birth is in 2 June's daylight, 05:00 in Japan, 34 minutes after sunrise.
    ExpectSameBirth(Tokyo(1, "20:00:00", kGmt), Tokyo(2, "05:00:00", kJapan), 9, 34);
}

TEST(ReferenceSunriseWrap, AcrossTheDateLine) {
    // 17 45 S, 179 00 E on the zone a whole day west of its own: every event falls on the
    // day before its date. A birth at 20:00 lies after the next day's sunset, so the count
    // runs to the sunrise computed for the day after that.
    const auto west = [](int day, const std::string& time) {
        return PlaceEntries(2000, 6, day, time, "17:45", false, "179:00", true, kDateLineWest);
    };
    const auto east = [](int day, const std::string& time) {
        return PlaceEntries(2000, 6, day, time, "17:45", false, "179:00", true, kDateLineEast);
    };
    const Charted r = Request(west(15, "20:00:00"));
    ASSERT_TRUE(r.outcome.Computed());
    EXPECT_EQ(r.state.chart.NextSunset.Iso(), "2000-06-15T17:37:00");
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "2000-06-16T06:33:00");  // the sunrise of 17 June
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 633);
    // The extra day's call leaves SunEvents as the three dates' calls left it (16 June's).
    EXPECT_EQ(r.state.chart.SunEvents[0].Iso(), "2000-06-16T06:32:00");
    EXPECT_EQ(r.state.chart.NextSunrise.Iso(), "2000-06-15T06:32:00");
    ExpectSameBirth(west(15, "20:00:00"), east(16, "20:00:00"), 24, 633);
    ExpectSameBirth(west(15, "12:00:00"), east(16, "12:00:00"), 24, 328);
}

TEST(ReferenceSunriseWrap, ZoneFarEastOfThePlaceNeedsTheDayBeforeYesterday) {
    // 17 45 S, 179 00 W on New Zealand summer time (+13): the sunrise computed for 14 June is
    // at 07:24 on 15 June, still after a birth at 03:00 on 15 June, so the count starts at the
    // sunrise computed for 13 June.
    const Charted r = Request(
        PlaceEntries(2000, 6, 15, "03:00:00", "17:45", false, "179:00", false, kNewZealandSummer));
    ASSERT_TRUE(r.outcome.Computed());
    EXPECT_EQ(r.state.chart.PrevSunrise.Iso(), "2000-06-15T07:24:00");
    EXPECT_EQ(r.state.chart.RefSunrise.Iso(), "2000-06-14T07:24:00");
    EXPECT_EQ(r.state.chart.ElapsedMinutes, 1176);
    ExpectSameBirth(
        PlaceEntries(2000, 6, 15, "03:00:00", "17:45", false, "179:00", false, kNewZealandSummer),
        PlaceEntries(2000, 6, 14, "02:00:00", "17:45", false, "179:00", false, kDateLineWest), -25,
        1176);
}

TEST(ReferenceSunriseWrap, AnExtraDayWithoutSunriseCountsOnlyWhenNeeded) {
    // 75 N, 179 W on New Zealand summer time, 8 February 1990: the three dates have their
    // sunrises, but a birth at 03:00 comes before the sunrise computed for 7 February (at
    // 12:24 on 8 February), and 6 February is still polar night.
    const auto entries = [](const std::string& time) {
        return PlaceEntries(1990, 2, 8, time, "75:00", true, "179:00", false, kNewZealandSummer);
    };
    std::array<DateTime, 3> slots{};
    ASSERT_FALSE(
        SunRiseSet(2, 6, 1990, 3, 0, 75, 0, false, 179, 0, false, -13, 0, false, slots).sunriseOk);
    const Charted early = Request(entries("03:00:00"));
    for (bool failed : early.outcome.sunEventFailed) EXPECT_FALSE(failed);
    EXPECT_TRUE(early.outcome.polar);
    EXPECT_NE(early.outcome.polarMessage.find("February 6, 1990"), std::string::npos)
        << early.outcome.polarMessage;
    EXPECT_FALSE(early.state.view.profileSign.has_value());
    // The command line names that farther event in its list of failed events.
    EXPECT_EQ(early.outcome.polarDate.Iso(), "1990-02-06T00:00:00");
    EXPECT_FALSE(early.outcome.polarSunset);
    const auto json = cli::ChartJson(early.state, early.outcome);
    ASSERT_EQ(json["polar_failed"].size(), 1u);
    EXPECT_EQ(json["polar_failed"][0]["date"], "1990-02-06");
    EXPECT_EQ(json["polar_failed"][0]["event"], "sunrise");

    // Later that day the sunrise of 7 February has come: nothing further back is needed.
    const Charted late = Request(entries("23:00:00"));
    ASSERT_TRUE(late.outcome.Computed());
    EXPECT_EQ(late.state.chart.RefSunrise.Iso(), "1990-02-08T12:24:00");
    EXPECT_EQ(late.state.chart.ElapsedMinutes, 636);
}

}  // namespace
}  // namespace kalodaya
