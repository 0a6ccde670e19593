// Retrograde marks by calendar date, and their effect on the display names.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "astro/retrograde.h"
#include "astro/retrograde_station_table.h"
#include "base/tables.h"
#include "chart/chart_outcome.h"
#include "request/birth_request.h"
#include "chart/present.h"

namespace kalodaya {
namespace {

DateTime Day(int year, int month, int day, int hour = 12, int minute = 0) {
    return DateTime::FromCivil(year, month, day, hour, minute);
}

std::vector<std::string> Marked(const DateTime& moment) {
    std::vector<std::string> marked;
    for (const auto planet : kRetroPlanets) {
        if (IsRetrograde(planet, moment)) marked.emplace_back(planet);
    }
    return marked;
}

using Names = std::vector<std::string>;

TEST(IsRetrograde, StationDaysCountAsDirectWhateverTheTime) {
    // Mercury: retrograde station 18 June 2020 04:47, direct station 12 July 2020 08:23.
    for (const int hour : {0, 4, 5, 23}) {
        EXPECT_FALSE(IsRetrograde("Mercury", Day(2020, 6, 18, hour, 59))) << hour;
        EXPECT_FALSE(IsRetrograde("Mercury", Day(2020, 7, 12, hour, 59))) << hour;
    }
    EXPECT_FALSE(IsRetrograde("Mercury", Day(2020, 6, 17)));
    EXPECT_TRUE(IsRetrograde("Mercury", Day(2020, 6, 19, 0, 0)));
    EXPECT_TRUE(IsRetrograde("Mercury", Day(2020, 7, 11, 23, 59)));
    EXPECT_FALSE(IsRetrograde("Mercury", Day(2020, 7, 13)));
}

TEST(IsRetrograde, FirstRowsOf1900) {
    EXPECT_EQ(Marked(Day(1900, 3, 15)), Names{});
    EXPECT_EQ(Marked(Day(1900, 3, 16)), Names{"Mercury"});
    EXPECT_EQ(Marked(Day(1900, 4, 6)), (Names{"Mercury", "Jupiter"}));
    EXPECT_EQ(Marked(Day(1900, 4, 7)), Names{"Jupiter"});
    EXPECT_EQ(Marked(Day(2020, 7, 1)), (Names{"Mercury", "Jupiter", "Saturn"}));
}

TEST(IsRetrograde, OutsideTheTablesAndUnknownNamesGiveFalse) {
    EXPECT_EQ(Marked(Day(1, 1, 1)), Names{});
    EXPECT_EQ(Marked(Day(1899, 12, 31)), Names{});
    EXPECT_FALSE(IsRetrograde("Mars", Day(1901, 1, 13)));  // first Mars row starts that day
    EXPECT_TRUE(IsRetrograde("Mars", Day(1901, 1, 14)));
    // Jupiter's last period runs into 2051; nothing is marked after it.
    EXPECT_TRUE(IsRetrograde("Jupiter", Day(2051, 4, 20)));
    EXPECT_FALSE(IsRetrograde("Jupiter", Day(2051, 4, 21)));
    EXPECT_EQ(Marked(Day(2051, 6, 1)), Names{});
    EXPECT_EQ(Marked(Day(9999, 12, 31)), Names{});
    for (const auto name : {"mercury", "MERCURY", "Mercury ", "Sun", "Moon", "Rahu", ""}) {
        EXPECT_FALSE(IsRetrograde(name, Day(2020, 7, 1))) << name;
    }
}

// The row-by-row scan over every row, as the date rule states it.
bool ScanRows(const std::vector<RetrogradePeriod>& rows, const DateTime& moment) {
    for (const RetrogradePeriod& p : rows) {
        if (DateTime::DaysBetween(moment, p.retrograde) < 0 &&
            DateTime::DaysBetween(moment, p.direct) > 0) {
            return true;
        }
    }
    return false;
}

TEST(IsRetrogradeOn, BinarySearchAgreesWithTheRowScan) {
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        const auto& rows = BuiltInStationTable()[k];
        ASSERT_FALSE(rows.empty());
        // Each station day and its neighbours, at both ends of the day.
        std::vector<DateTime> days;
        for (const RetrogradePeriod& p : rows) {
            for (const DateTime& s : {p.retrograde, p.direct}) {
                for (int d = -1; d <= 1; ++d) {
                    days.push_back(s.DateOnly().AddDays(d));
                    days.push_back(s.DateOnly().AddDays(d).AddSeconds(86399));
                }
            }
        }
        // And a day in every week of the whole span.
        for (DateTime d = Day(1899, 12, 1); d < Day(2051, 7, 1); d = d.AddDays(7))
            days.push_back(d);
        for (const DateTime& d : days) {
            ASSERT_EQ(IsRetrogradeOn(rows, d), ScanRows(rows, d))
                << kRetroPlanets[k] << ' ' << d.Iso();
        }
    }
}

TEST(IsRetrogradeOn, SmallTables) {
    const std::vector<RetrogradePeriod> none;
    EXPECT_FALSE(IsRetrogradeOn(none, Day(2020, 1, 1)));
    // Periods of one and two days: only the day strictly between two station days counts.
    const std::vector<RetrogradePeriod> rows = {
        {Day(2000, 1, 1, 23), Day(2000, 1, 2, 1)},
        {Day(2000, 2, 1, 1), Day(2000, 2, 3, 23)},
    };
    EXPECT_FALSE(IsRetrogradeOn(rows, Day(2000, 1, 1)));
    EXPECT_FALSE(IsRetrogradeOn(rows, Day(2000, 1, 2)));
    EXPECT_FALSE(IsRetrogradeOn(rows, Day(2000, 2, 1)));
    EXPECT_TRUE(IsRetrogradeOn(rows, Day(2000, 2, 2, 0, 0)));
    EXPECT_FALSE(IsRetrogradeOn(rows, Day(2000, 2, 3)));
}

using Flags = std::array<bool, kRetroPlanetCount>;

// The display names of a chart whose retrograde marks are those of `moment`, written into
// `texts` as a run of charts reuses them.
void PresentMarksOf(const DateTime& moment, ResultTexts& texts) {
    ChartResult result;
    const Flags flags = RetrogradeFlags(moment);
    for (int k = 0; k < kRetroPlanetCount; ++k) result.retrograde[Mercury + k] = flags[k];
    PresentInto(result, texts);
}

Names DisplayNames(const ResultTexts& texts) {
    return Names(texts.names.begin(), texts.names.end());
}

TEST(RetrogradeFlags, MarksExactlyTheRetrogradePlanetsOf1July2020) {
    EXPECT_EQ(RetrogradeFlags(Day(2020, 7, 1, 10, 30)), (Flags{true, false, false, true, true}));
    ResultTexts texts;
    PresentMarksOf(Day(2020, 7, 1, 10, 30), texts);
    EXPECT_EQ(DisplayNames(texts), (Names{"Sun", "Moon", "Mercury (R) ", "Venus", "Mars",
                                          "Jupiter (R) ", "Saturn (R) ", "Rahu", "Ketu", "Asc"}));
}

TEST(RetrogradeFlags, EachChartStartsFromThePlainNames) {
    ResultTexts texts;
    PresentMarksOf(Day(2020, 7, 1, 0, 0), texts);
    PresentMarksOf(Day(2020, 7, 1, 0, 0), texts);  // a repeated chart adds no second suffix
    EXPECT_EQ(texts.names[Saturn], "Saturn (R) ");
    EXPECT_EQ(texts.names[Sun], "Sun");

    // Saturn turned direct on 29 September 2020; Mars is retrograde in October.
    PresentMarksOf(Day(2020, 10, 20, 23, 59), texts);
    EXPECT_EQ(RetrogradeFlags(Day(2020, 10, 20, 23, 59)), (Flags{true, false, true, false, false}));
    EXPECT_EQ(texts.names[Saturn], "Saturn");
    EXPECT_EQ(texts.names[Jupiter], "Jupiter");
    EXPECT_EQ(texts.names[Mars], "Mars (R) ");
    EXPECT_EQ(texts.names[Mercury], "Mercury (R) ");

    PresentMarksOf(Day(1900, 3, 15, 23, 0), texts);
    EXPECT_EQ(RetrogradeFlags(Day(1900, 3, 15, 23, 0)), Flags{});
    for (int i = 0; i < kBodyCount; ++i) EXPECT_EQ(texts.names[i], kPlainPlanetNames[i]);
}

TEST(RetrogradeFlags, TheChartRequestCarriesTheMarks) {
    BirthRequest e;
    e.name = "RAMA";
    e.month = 7;
    e.day = 1;
    e.year = 2020;
    e.hour = 10;
    e.minute = 0;
    e.latitude.degrees = 28;
    e.latitude.minutes = 39;
    e.longitude.degrees = 77;
    e.longitude.minutes = 13;
    e.zone = ZoneListEntry{34};
    const ChartOutcome outcome = RequestChart(e);
    ASSERT_FALSE(outcome.failure.has_value());
    EXPECT_TRUE(outcome.result.retrograde[Mercury]);
    EXPECT_FALSE(outcome.result.retrograde[Sun]);
    EXPECT_EQ(outcome.texts.names[Mercury], "Mercury (R) ");
    EXPECT_EQ(outcome.texts.names[Venus], "Venus");
    EXPECT_EQ(outcome.texts.names[Jupiter], "Jupiter (R) ");
    EXPECT_EQ(outcome.texts.names[Saturn], "Saturn (R) ");
}

}  // namespace
}  // namespace kalodaya
