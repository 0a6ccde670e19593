// The reference sunrise where sunrise or sunset falls on another date than the one it was
// computed for: the choice works with the events at their own local dates.
#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <string>

#include "astro/sunrise.h"
#include "chart/chart_outcome.h"
#include "request/entry_checks.h"
#include "chart/chart_json.h"
#include "../chart/chart_test_support.h"

namespace kalodaya {
namespace {

// A request for a place given as "DD:MM" texts; date as year, month, day; time as "HH:MM:SS".
BirthRequest PlaceEntries(int year, int month, int day, const std::string& time,
                          const std::string& lat, bool north, const std::string& lon, bool east,
                          int zone, bool dst = false) {
    const auto number = [](const std::string& text) { return std::stoi(text); };
    BirthRequest e;
    e.name = "WRAP";
    e.year = year;
    e.month = month;
    e.day = day;
    e.hour = number(time.substr(0, 2));
    e.minute = number(time.substr(3, 2));
    e.second = number(time.substr(6, 2));
    e.latitude = {number(lat.substr(0, lat.find(':'))), number(lat.substr(lat.find(':') + 1)),
                  north};
    e.longitude = {number(lon.substr(0, lon.find(':'))), number(lon.substr(lon.find(':') + 1)),
                   east};
    e.zone = ZoneListEntry{zone};
    e.daylight = dst;
    return e;
}

constexpr int kGmt = 29, kJapan = 38, kDateLineEast = 35, kDateLineWest = 36;
constexpr int kNewZealandSummer = 46;  // +13

// Reykjavik, 64 09 N, 21 56 W, on GMT.
BirthRequest Reykjavik(int day, const std::string& time) {
    return PlaceEntries(2000, 6, day, time, "64:09", true, "21:56", false, kGmt);
}

using testing_support::Request;

LocalBirth BirthOf(const BirthRequest& e) {
    const auto request = CheckRequest(e);
    EXPECT_TRUE(request.has_value());
    return request ? request->birth : LocalBirth{};
}

// The sun events computed for `day` of June 2000 at the birth's place, zone and clock time.
SunEventStatus JuneEvents(const BirthRequest& e, int day) {
    const LocalBirth b = BirthOf(e);
    return ComputeSunEvents(2000, 6, day, b.hour, b.minute, b.place, b.zone, b.daylight);
}

// The event of slot `slot`, as text; "none" where the Sun does not rise or set.
std::string Event(const ChartOutcome& r, int slot) {
    const auto& event = r.result.sunEvents[slot];
    return event ? event->Iso() : "none";
}

TEST(ReferenceSunriseWrap, ReykjavikMidsummerNoonCountsFromThatMorning) {
    // The sunset of 21 June is at 00:04 on 22 June: noon lies in the day, 545 minutes after
    // the sunrise at 02:55 (not 895 minutes before the next one).
    const ChartOutcome r = Request(Reykjavik(21, "12:00:00"));
    ASSERT_TRUE(r.Computed());
    const ChartResult& c = r.result;
    EXPECT_EQ(Event(r, kSunrise), "2000-06-21T02:55:00");
    EXPECT_EQ(Event(r, kSunset), "2000-06-22T00:04:00");
    EXPECT_EQ(Event(r, kPrevSunrise), "2000-06-20T02:55:00");
    EXPECT_EQ(Event(r, kPrevSunset), "2000-06-21T00:04:00");
    EXPECT_EQ(Event(r, kNextSunrise), "2000-06-22T02:55:00");
    EXPECT_EQ(Event(r, kNextSunset), "2000-06-23T00:04:00");
    EXPECT_EQ(c.referenceSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(c.elapsedMinutes, 545);
    EXPECT_EQ(c.elapsedSeconds, 545 * 60);
    // The almanac's clock slots keep the date they were computed for, the times reduced.
    const SunEventStatus june22 = JuneEvents(Reykjavik(21, "12:00:00"), 22);
    ASSERT_TRUE(june22.sunriseOk && june22.sunsetOk);
    EXPECT_EQ(june22.sunriseClock.Iso(), "2000-06-22T02:55:00");
    EXPECT_EQ(june22.sunsetClock.Iso(), "2000-06-22T00:04:00");
    EXPECT_EQ(june22.sunset.Iso(), "2000-06-23T00:04:00");

    const auto json = ChartJson(r);
    EXPECT_EQ(json["sunset"], "2000-06-22T00:04:00");
    EXPECT_EQ(json["reference_sunrise"], "2000-06-21T02:55:00");
    EXPECT_EQ(json["elapsed_minutes"], 545);
}

TEST(ReferenceSunriseWrap, ReykjavikAroundMidnight) {
    // 23:59 on 21 June is still daylight of 21 June.
    const ChartOutcome late = Request(Reykjavik(21, "23:59:00"));
    EXPECT_EQ(late.result.referenceSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(late.result.elapsedMinutes, 1264);
    // 00:04 on 22 June is the sunset of 21 June: the same day, counted from its sunrise.
    const ChartOutcome atSunset = Request(Reykjavik(22, "00:04:00"));
    EXPECT_EQ(atSunset.result.referenceSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(atSunset.result.elapsedMinutes, 1269);
    // 00:30 on 22 June is night before that day's sunrise: from the latest sunrise, as always.
    const ChartOutcome night = Request(Reykjavik(22, "00:30:00"));
    EXPECT_EQ(night.result.referenceSunrise.Iso(), "2000-06-21T02:55:00");
    EXPECT_EQ(night.result.elapsedMinutes, 1295);
    // 03:00 on 22 June is after that day's sunrise.
    const ChartOutcome morning = Request(Reykjavik(22, "03:00:00"));
    EXPECT_EQ(morning.result.referenceSunrise.Iso(), "2000-06-22T02:55:00");
    EXPECT_EQ(morning.result.elapsedMinutes, 5);
}

// One birth given in two zones must be counted alike: same count, same ghati lagna, and
// reference sunrises the zones' difference apart.
void ExpectSameBirth(const BirthRequest& a, const BirthRequest& b, int hoursApart, int minutes) {
    const ChartOutcome ra = Request(a), rb = Request(b);
    ASSERT_TRUE(ra.Computed());
    ASSERT_TRUE(rb.Computed());
    const ChartResult &ca = ra.result, &cb = rb.result;
    EXPECT_EQ(cb.birthMoment, ca.birthMoment.AddHours(hoursApart));
    EXPECT_EQ(cb.referenceSunrise, ca.referenceSunrise.AddHours(hoursApart));
    EXPECT_EQ(ca.elapsedMinutes, minutes);
    EXPECT_EQ(cb.elapsedMinutes, minutes);
    EXPECT_EQ(ca.elapsedSeconds, cb.elapsedSeconds);
    EXPECT_EQ(ra.texts.ghatiLagna, rb.texts.ghatiLagna);
    ASSERT_TRUE(ca.ghatiLagna && cb.ghatiLagna);
    EXPECT_EQ(ca.ghatiLagna->sign, cb.ghatiLagna->sign);
}

BirthRequest Tokyo(int day, const std::string& time, int zone) {
    return PlaceEntries(2000, 6, day, time, "35:41", true, "139:46", true, zone);
}

TEST(ReferenceSunriseWrap, TokyoBirthsGivenInGreenwichTime) {
    // On GMT the sunrise of 1 June is at 19:27 on 31 May and its sunset at 09:51 on 1 June.
    const ChartOutcome gmt = Request(Tokyo(1, "01:00:00", kGmt));
    EXPECT_EQ(Event(gmt, kSunrise), "2000-05-31T19:27:00");
    EXPECT_EQ(Event(gmt, kSunset), "2000-06-01T09:51:00");
    EXPECT_EQ(gmt.result.referenceSunrise.Iso(), "2000-05-31T19:27:00");
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
    const ChartOutcome r = Request(west(15, "20:00:00"));
    ASSERT_TRUE(r.Computed());
    EXPECT_EQ(Event(r, kNextSunset), "2000-06-15T17:37:00");
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "2000-06-16T06:33:00");  // the sunrise of 17 June
    EXPECT_EQ(r.result.elapsedMinutes, 633);
    // The sunrise computed for 16 June falls on 15 June; its clock slot keeps 16 June.
    EXPECT_EQ(Event(r, kNextSunrise), "2000-06-15T06:32:00");
    const SunEventStatus june16 = JuneEvents(west(15, "20:00:00"), 16);
    ASSERT_TRUE(june16.sunriseOk);
    EXPECT_EQ(june16.sunrise.Iso(), "2000-06-15T06:32:00");
    EXPECT_EQ(june16.sunriseClock.Iso(), "2000-06-16T06:32:00");
    ExpectSameBirth(west(15, "20:00:00"), east(16, "20:00:00"), 24, 633);
    ExpectSameBirth(west(15, "12:00:00"), east(16, "12:00:00"), 24, 328);
}

TEST(ReferenceSunriseWrap, ZoneFarEastOfThePlaceNeedsTheDayBeforeYesterday) {
    // 17 45 S, 179 00 W on New Zealand summer time (+13): the sunrise computed for 14 June is
    // at 07:24 on 15 June, still after a birth at 03:00 on 15 June, so the count starts at the
    // sunrise computed for 13 June.
    const ChartOutcome r = Request(
        PlaceEntries(2000, 6, 15, "03:00:00", "17:45", false, "179:00", false, kNewZealandSummer));
    ASSERT_TRUE(r.Computed());
    EXPECT_EQ(Event(r, kPrevSunrise), "2000-06-15T07:24:00");
    EXPECT_EQ(r.result.referenceSunrise.Iso(), "2000-06-14T07:24:00");
    EXPECT_EQ(r.result.elapsedMinutes, 1176);
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
    ASSERT_FALSE(ComputeSunEvents(1990, 2, 6, 3, 0, Coordinates{75, 0, false, 179, 0, false},
                                  ZoneOffset{-13, 0}, false)
                     .sunriseOk);
    const ChartOutcome early = Request(entries("03:00:00"));
    for (const auto& event : early.result.sunEvents) EXPECT_TRUE(event.has_value());
    EXPECT_TRUE(early.Polar());
    EXPECT_NE(early.texts.polarMessage.find("February 6, 1990"), std::string::npos)
        << early.texts.polarMessage;
    EXPECT_FALSE(early.texts.profileSign.has_value());
    EXPECT_FALSE(early.result.HasGhatiLagna());
    // The command line names that farther event in its list of failed events.
    ASSERT_TRUE(early.result.polar.has_value());
    EXPECT_EQ(early.result.polar->date.Iso(), "1990-02-06T00:00:00");
    EXPECT_FALSE(early.result.polar->sunset);
    const auto json = ChartJson(early);
    ASSERT_EQ(json["polar_failed"].size(), 1u);
    EXPECT_EQ(json["polar_failed"][0]["date"], "1990-02-06");
    EXPECT_EQ(json["polar_failed"][0]["event"], "sunrise");

    // Later that day the sunrise of 7 February has come: nothing further back is needed.
    const ChartOutcome late = Request(entries("23:00:00"));
    ASSERT_TRUE(late.Computed());
    EXPECT_EQ(late.result.referenceSunrise.Iso(), "1990-02-08T12:24:00");
    EXPECT_EQ(late.result.elapsedMinutes, 636);
}

}  // namespace
}  // namespace kalodaya
