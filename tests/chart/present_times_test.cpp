// The birth's date, clock, zone and sun times as Present writes them for the printed pages.
#include <gtest/gtest.h>

#include "chart/present.h"
#include "chart/present_panels.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

struct Times {
    DateTime birth;
    std::optional<DateTime> sunrise;  // the birth date's, if it rose
    DateTime referenceSunrise;
    int elapsedMinutes;
    ZoneOffset zone;
    bool daylight;
};

BirthTimeTexts Presented(const Times& t) {
    ChartResult r;
    r.birthMoment = t.birth;
    r.sunEvents[kSunrise] = t.sunrise;
    r.referenceSunrise = t.referenceSunrise;
    r.elapsedMinutes = t.elapsedMinutes;
    r.request.birth.zone = t.zone;
    r.request.birth.daylight = t.daylight;
    return PresentBirthTimes(r);
}

TEST(BirthTimeTexts, InDaylightBeforeSunriseAndAfterSunset) {
    const DateTime sunrise = DateTime::FromCivil(1990, 8, 15, 5, 49);
    const BirthTimeTexts day =
        Presented({DateTime::FromCivil(1990, 8, 15, 10, 30, 7), sunrise, sunrise, 281, {-5, -30}, false});
    EXPECT_EQ(day.date, "August 15, 1990");
    EXPECT_EQ(day.isoDate, "1990-08-15");
    EXPECT_EQ(day.clock, "10:30:07");
    EXPECT_EQ(day.zone, "UTC+05:30");
    EXPECT_EQ(day.sunrise, "05:49");
    EXPECT_EQ(day.referenceSunrise, "05:49, August 15, 1990");
    EXPECT_EQ(day.elapsedCaption, "Time Elapsed :");
    EXPECT_EQ(day.elapsed, "4 h 41 min (11.71 ghatis)");

    // Before sunrise the count runs from the day before's sunrise, which names its date.
    const BirthTimeTexts early = Presented({DateTime::FromCivil(1990, 8, 15, 3, 5), sunrise,
                                            DateTime::FromCivil(1990, 8, 14, 5, 48), 1277,
                                            {3, 30}, true});
    EXPECT_EQ(early.referenceSunrise, "05:48, August 14, 1990");
    EXPECT_EQ(early.elapsed, "21 h 17 min (53.21 ghatis)");
    // The daylight box's hour is in the offset shown: the offset the chart used.
    EXPECT_EQ(early.zone, "UTC-02:30, daylight saving time");

    // After sunset the count runs forward to the next sunrise.
    const BirthTimeTexts late = Presented({DateTime::FromCivil(2000, 1, 1, 23, 59),
                                           DateTime::FromCivil(2000, 1, 1, 8, 6),
                                           DateTime::FromCivil(2000, 1, 2, 8, 6), -487, {0, 0},
                                           false});
    EXPECT_EQ(late.elapsedCaption, "Time To Sunrise :");
    EXPECT_EQ(late.elapsed, "8 h 7 min (20.29 ghatis)");
}

// A sunrise the zone puts on another date than the birth's says which; a date without one
// shows the reference sunrise.
TEST(BirthTimeTexts, ASunriseOnAnotherDateNamesIt) {
    const DateTime evening = DateTime::FromCivil(1980, 3, 4, 21, 25);
    EXPECT_EQ(Presented({DateTime::FromCivil(1980, 3, 5, 0, 0), evening, evening, 155, {}, false})
                  .sunrise,
              "21:25, March 4, 1980");
    const DateTime reference = DateTime::FromCivil(1990, 6, 20, 1, 2);
    EXPECT_EQ(Presented({DateTime::FromCivil(1990, 6, 21, 12, 0), std::nullopt, reference, 0, {}, false})
                  .sunrise,
              "01:02, June 20, 1990");
}

// Where the offset came from and the notes on the clock time, by the kind of zone: a list
// entry, an exact offset typed, an atlas place with its IANA zone and its clock readings.
TEST(BirthTimeTexts, ZoneSourceAndClockNotes) {
    struct Case {
        const char* what;
        std::optional<int> zoneEntry;
        std::optional<AtlasPlace> place;
        const char* zoneSource;
        std::vector<std::string> notes;
    };
    AtlasPlace kolkata;
    kolkata.timeZone = "Asia/Kolkata";
    kolkata.utcOffsetSeconds = 19800;
    AtlasPlace skipped;
    skipped.timeZone = "America/New_York";
    skipped.utcOffsetSeconds = -18000;
    skipped.clock = atlas::ClockReading::kSkipped;
    AtlasPlace meanTime = kolkata;
    meanTime.utcOffsetSeconds = 5 * 3600 + 21 * 60;
    meanTime.localMeanTime = true;
    AtlasPlace cityTime;
    cityTime.timeZone = "Europe/Amsterdam";
    cityTime.utcOffsetSeconds = 3600 + 19 * 60 + 32;
    cityTime.abbreviation = "NST";
    AtlasPlace fixed;  // a place of the user's own kept with a fixed offset
    const Case cases[] = {
        {"list entry", 34, std::nullopt, "Indian Time, IST, +5.3", {}},
        {"exact offset typed", std::nullopt, std::nullopt, "Exact offset", {}},
        {"atlas place on a list entry", 34, kolkata, "Indian Time, IST, +5.3 (Asia/Kolkata)", {}},
        {"skipped hour", 27, skipped, "Eastern Standard Time,EST,-5.0 (America/New_York)",
         {"Clocks skipped this time when they moved forward; the offset before the change is "
          "used."}},
        {"local mean time", std::nullopt, meanTime, "Exact offset (Asia/Kolkata)",
         {"Before standard time: the birthplace's local mean time."}},
        {"city time", std::nullopt, cityTime, "Exact offset (Europe/Amsterdam)",
         {"The clocks kept a city's own mean time (NST UTC+01:19:32), not a zone's standard "
          "time."}},
        {"own place", std::nullopt, fixed, "Exact offset", {}},
    };
    for (const Case& c : cases) {
        ChartResult r;
        r.request.zoneEntry = c.zoneEntry;
        r.request.atlasPlace = c.place;
        const BirthTimeTexts t = PresentBirthTimes(r);
        EXPECT_EQ(t.zoneSource, c.zoneSource) << c.what;
        EXPECT_EQ(t.clockNotes, c.notes) << c.what;
    }
}

// The worked example's facts panel, row by row, and its panels: the windows always, the
// range only when an uncertainty was asked for, its spans covering the birth ± the minutes
// with the birth's span marked once.
TEST(ResultPanels, WorkedExampleFactsWindowsAndRange) {
    BirthRequest request = testing_support::WorkedExampleRequest();
    ChartOutcome outcome = RequestChart(request, true);
    ASSERT_TRUE(outcome.Computed());
    ResultPanelTexts panels = PresentPanels(outcome, 0);
    const std::vector<LabelledLine> facts = {
        {"Birth :", "August 15, 1990, 10:30:00"},
        {"Time Zone :", "UTC+05:30"},
        {"Zone Entry :", "Indian Time, IST, +5.3"},
        {"Sunrise :", "05:49"},
        {"Reference Sunrise :", "05:49, August 15, 1990"},
        {"Time Elapsed :", "4 h 41 min (11.71 ghatis)"},
        {"Ghati Lagna :", "19 Can 35, Cancer"},
        {"Calculation :", "classic, classic ayanamsa, mean node, classic sunrise"},
    };
    EXPECT_EQ(panels.facts, facts);
    EXPECT_TRUE(panels.clockNotes.empty());
    EXPECT_EQ(panels.windows.ghatiLagna.rfind("Ghati lagna in Cancer for births from 10:15:00", 0),
              0u);
    EXPECT_TRUE(panels.range.empty());
    EXPECT_TRUE(panels.rangeCaption.empty());
    EXPECT_TRUE(panels.classicComparison.empty());

    for (const int minutes : {1, 5, 30}) {
        request.uncertaintyMinutes = minutes;
        outcome = RequestChart(request, true);
        ASSERT_TRUE(outcome.range) << minutes;
        panels = PresentPanels(outcome, minutes);
        const DateTime birth = outcome.result.birthMoment;
        EXPECT_EQ(outcome.range->front().from, birth.AddMinutes(-minutes)) << minutes;
        EXPECT_EQ(outcome.range->back().to, birth.AddMinutes(minutes)) << minutes;
        int marked = 0;
        for (const TimeRangeRowTexts& row : panels.range) marked += row.holdsBirth;
        EXPECT_EQ(marked, 1) << minutes;
        EXPECT_EQ(panels.rangeCaption, "Charts for births within \xC2\xB1 " +
                                           std::to_string(minutes) + " minutes of 10:30:00");
    }
    // Five minutes either way hold five spans (the whole chart changes at 10:25:21, 10:31:00,
    // 10:31:20 and 10:32:00), as kalodaya-chart --time-range finds them.
    request.uncertaintyMinutes = 5;
    EXPECT_EQ(RequestChart(request).range->size(), 5u);
    // Near the first supported date the range starts there rather than failing.
    BirthRequest early = request;
    early.year = 1901;
    early.month = 1;
    early.day = 1;
    early.hour = 0;
    early.minute = 3;
    early.uncertaintyMinutes = 10;
    const ChartOutcome clipped = RequestChart(early);
    EXPECT_TRUE(clipped.rangeError.empty()) << clipped.rangeError;
    ASSERT_TRUE(clipped.range);
    EXPECT_EQ(clipped.range->front().from, DateTime::FromCivil(1901, 1, 1));
    EXPECT_EQ(clipped.range->back().to, DateTime::FromCivil(1901, 1, 1, 0, 13));
    // An explicit range takes precedence over the uncertainty.
    request.timeRange = BirthTimeRange{DateTime::FromCivil(1990, 8, 15, 10, 29),
                                       DateTime::FromCivil(1990, 8, 15, 10, 30)};
    EXPECT_EQ(RequestChart(request).range->front().from, DateTime::FromCivil(1990, 8, 15, 10, 29));
}

// A modern chart's panels carry its settings and the classic ghati lagna beside its own.
TEST(ResultPanels, ModernChartStatesSettingsAndClassicGhatiLagna) {
    BirthRequest request = testing_support::WorkedExampleRequest();
    request.settings = CalculationSettings{EphemerisKind::Modern, AyanamsaKind::Lahiri, NodeKind::Mean,
                                           SunriseKind::Hindu};
    const ChartOutcome outcome = RequestChart(request, true);
    ASSERT_TRUE(outcome.Computed());
    const ResultPanelTexts panels = PresentPanels(outcome, 0);
    EXPECT_EQ(panels.settings, "modern, lahiri ayanamsa, mean node, hindu sunrise");
    EXPECT_EQ(panels.facts.back(),
              (LabelledLine{"Calculation :", "modern, lahiri ayanamsa, mean node, hindu sunrise"}));
    EXPECT_EQ(panels.classicComparison.rfind("Classic: ", 0), 0u) << panels.classicComparison;
}

}  // namespace
}  // namespace kalodaya
