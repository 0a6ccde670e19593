// The texts of birth-time windows and of a range's table.
#include <gtest/gtest.h>

#include "chart/compute_chart.h"
#include "chart/present_windows.h"
#include "request/entry_checks.h"
#include "chart_test_support.h"

namespace kalodaya {
namespace {

TEST(PresentTimeWindows, WorkedExampleLines) {
    const ChartResult r =
        ComputeChart(*CheckRequest(testing_support::WorkedExampleRequest()));
    const TimeWindowTexts t = PresentTimeWindows(FindTimeWindows(r), r.birthMoment);
    EXPECT_EQ(t.ghatiLagna,
              "Ghati lagna in Cancer for births from 10:15:00 to 10:38:59 (15 min 0 s before to "
              "8 min 59 s after 10:30:00)");
    EXPECT_EQ(t.ascendant,
              "Ascendant in Virgo for births from 08:20:00 to 10:35:59 (2 h 10 min 0 s before to "
              "5 min 59 s after 10:30:00)");
    EXPECT_EQ(t.moon,
              "Moon in Taurus for births from 02:40:00, August 14, 1990 to 05:10:59, August 16, "
              "1990 (1 day 7 h 50 min 0 s before to 18 h 40 min 59 s after 10:30:00)");
    EXPECT_EQ(t.chart,
              "The whole chart stays the same for births from 10:25:21 to 10:30:59 (4 min 39 s "
              "before to 0 min 59 s after 10:30:00)");
}

// Windows made by hand: every limit, and a window without a ghati lagna.
TEST(PresentTimeWindows, LimitsAndMissingWindows) {
    const DateTime birth = DateTime::FromCivil(1901, 1, 1, 0, 5);
    TimeWindows w;
    w.ascendant = {DateTime::FromCivil(1901, 1, 1), birth.AddSeconds(3600), 6, -1, 7,
                   WindowLimit::DateRange, WindowLimit::None};
    w.moon = {birth.AddSeconds(-300), birth.AddSeconds(3 * 86400), 0, -1, -1,
              WindowLimit::Polar, WindowLimit::Search};
    const TimeWindowTexts t = PresentTimeWindows(w, birth);
    EXPECT_EQ(t.ghatiLagna, "");
    EXPECT_EQ(t.chart, "");
    EXPECT_EQ(t.ascendant,
              "Ascendant in Libra for births from 00:00:00 (the end of the supported dates) to "
              "01:05:00 (5 min 0 s before to 1 h 0 min 0 s after 00:05:00)");
    EXPECT_EQ(t.moon,
              "Moon in Aries for births from 00:00:00 (beyond it the Sun does not rise or set) to "
              "00:05:00, January 4, 1901 (as far as the search goes) (5 min 0 s before to "
              "3 days 0 h 0 min 0 s after 00:05:00)");
}

TEST(PresentTimeRange, RowsMarkTheBirth) {
    const DateTime birth = DateTime::FromCivil(1990, 8, 15, 23, 59, 30);
    const std::vector<TimeRangeSpan> spans = {
        {birth.AddSeconds(-60), birth.AddSeconds(-1), 3, 5, 1},
        {birth, birth.AddSeconds(40), -1, 5, 1},
    };
    const auto rows = PresentTimeRange(spans, birth);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].from, "23:58:30");
    EXPECT_FALSE(rows[0].holdsBirth);
    EXPECT_EQ(rows[0].ghatiLagna, "Cancer");
    EXPECT_EQ(rows[1].to, "00:00:10, August 16, 1990");
    EXPECT_EQ(rows[1].ghatiLagna, "-");
    EXPECT_EQ(rows[1].ascendant, "Virgo");
    EXPECT_TRUE(rows[1].holdsBirth);
}

}  // namespace
}  // namespace kalodaya
