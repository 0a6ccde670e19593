// Offsets in force at a local clock time: the historical cases, skipped and repeated clock
// times, and the birthplace's own local mean time before standard time.
#include <gtest/gtest.h>

#include <string>

#include "atlas_fixture.h"

namespace kalodaya::atlas {
namespace {

using testing::At;
using testing::TheAtlas;

constexpr int H = 3600;
constexpr int M = 60;

struct HistoricalCase {
    const char* name;  // of the test
    const char* zone;
    CivilTime clock;
    double longitude;
    int offset;  // seconds east
    const char* abbreviation;
    bool daylight;
    ClockReading clock_reading;
    bool localMeanTime;
};

class HistoricalOffsets : public ::testing::TestWithParam<HistoricalCase> {};

TEST_P(HistoricalOffsets, MatchTheDatabase) {
    const HistoricalCase& c = GetParam();
    const auto offset = TheAtlas().zones().OffsetAt(c.zone, c.clock, c.longitude);
    ASSERT_TRUE(offset) << offset.error().message;
    EXPECT_EQ(offset->utcOffsetSeconds, c.offset);
    EXPECT_EQ(offset->abbreviation, c.abbreviation);
    EXPECT_EQ(offset->daylight, c.daylight);
    EXPECT_EQ(offset->clock, c.clock_reading);
    EXPECT_EQ(offset->localMeanTime, c.localMeanTime);
}

constexpr auto kOk = ClockReading::kOk;
constexpr auto kSkipped = ClockReading::kSkipped;
constexpr auto kRepeated = ClockReading::kRepeated;

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoricalOffsets,
    ::testing::Values(
        // War time in India, double summer time in Britain, daylight time in New York.
        HistoricalCase{"KolkataWarTime1943", "Asia/Kolkata", At(1943, 6, 15), 80.278,
                       6 * H + 30 * M, "+0630", true, kOk, false},
        HistoricalCase{"LondonDoubleSummer1941", "Europe/London", At(1941, 6, 15), -0.126, 2 * H,
                       "BDST", true, kOk, false},
        HistoricalCase{"NewYorkDaylight1950", "America/New_York", At(1950, 7, 15), -74.006, -4 * H,
                       "EDT", true, kOk, false},
        // Nepal moved from +05:30 to +05:45 in 1986.
        HistoricalCase{"Kathmandu1980", "Asia/Kathmandu", At(1980, 6, 15), 85.324, 5 * H + 30 * M,
                       "+0530", false, kOk, false},
        HistoricalCase{"Kathmandu1990", "Asia/Kathmandu", At(1990, 6, 15), 85.324, 5 * H + 45 * M,
                       "+0545", false, kOk, false},
        // Dutch summer time on Amsterdam mean time: a legal time, not the birthplace's.
        HistoricalCase{"AmsterdamSummer1935", "Europe/Amsterdam", At(1935, 6, 15), 4.889,
                       H + 19 * M + 32, "NST", true, kOk, false},
        // New York 2010: 02:00-02:59 on 14 March did not exist; 01:00-01:59 on 7 November
        // came twice.
        HistoricalCase{"NewYorkSkippedHour", "America/New_York", At(2010, 3, 14, 2, 30), -74.006,
                       -5 * H, "EST", false, kSkipped, false},
        HistoricalCase{"NewYorkBeforeTheGap", "America/New_York", At(2010, 3, 14, 1, 59, 59),
                       -74.006, -5 * H, "EST", false, kOk, false},
        HistoricalCase{"NewYorkAfterTheGap", "America/New_York", At(2010, 3, 14, 3, 0, 0), -74.006,
                       -4 * H, "EDT", true, kOk, false},
        HistoricalCase{"NewYorkRepeatedHour", "America/New_York", At(2010, 11, 7, 1, 30), -74.006,
                       -4 * H, "EDT", true, kRepeated, false},
        HistoricalCase{"NewYorkBeforeTheRepeat", "America/New_York", At(2010, 11, 7, 0, 59, 59),
                       -74.006, -4 * H, "EDT", true, kOk, false},
        HistoricalCase{"NewYorkAfterTheRepeat", "America/New_York", At(2010, 11, 7, 2, 0, 0),
                       -74.006, -5 * H, "EST", false, kOk, false},
        // Europe/London's spring forward at 01:00 GMT.
        HistoricalCase{"LondonSkippedHour", "Europe/London", At(1990, 3, 25, 1, 15), -0.126, 0,
                       "GMT", false, kSkipped, false},
        // Before standard time: Chennai's own mean time (80.278 E: 5 h 21.1 min), not the
        // database's mean time of Kolkata.
        HistoricalCase{"ChennaiMeanTime1850", "Asia/Kolkata", At(1850, 1, 1), 80.278,
                       5 * H + 21 * M, "LMT", false, kOk, true},
        // New York before 18 November 1883 noon; west longitudes give negative mean time.
        HistoricalCase{"NewYorkMeanTime1880", "America/New_York", At(1880, 1, 1), -73.5,
                       -4 * H - 54 * M, "LMT", false, kOk, true},
        // An Arctic zone without any time before 1953 ("-00") keeps mean time too.
        HistoricalCase{"InuvikUnsettled1940", "America/Inuvik", At(1940, 1, 1), -133.721,
                       -8 * H - 55 * M, "LMT", false, kOk, true},
        HistoricalCase{"Tokyo2020", "Asia/Tokyo", At(2020, 1, 1), 139.692, 9 * H, "JST", false, kOk,
                       false},
        // British Columbia keeps UTC-07:00 all year from 1 November 2026, Alberta UTC-06:00,
        // Morocco UTC+00:00 from 20 September 2026.
        HistoricalCase{"VancouverPermanent2026", "America/Vancouver", At(2026, 12, 1), -123.119,
                       -7 * H, "MST", false, kOk, false},
        HistoricalCase{"VancouverSummer2026", "America/Vancouver", At(2026, 7, 1), -123.119,
                       -7 * H, "PDT", true, kOk, false},
        HistoricalCase{"EdmontonPermanent2026", "America/Edmonton", At(2026, 12, 1), -113.469,
                       -6 * H, "CST", false, kOk, false},
        HistoricalCase{"CasablancaWithoutChange2026", "Africa/Casablanca", At(2026, 10, 15), -7.589,
                       0, "+00", false, kOk, false},
        HistoricalCase{"CasablancaBefore2026", "Africa/Casablanca", At(2026, 8, 15), -7.589, H,
                       "+01", false, kOk, false},
        // Moldova changes at 03:00 and 04:00 local time since 2022, not at 02:00 and 03:00.
        HistoricalCase{"ChisinauStillWinter2023", "Europe/Chisinau", At(2023, 3, 26, 2, 30), 28.858,
                       2 * H, "EET", false, kOk, false},
        // Zones that are links in the main tz data but kept their own clocks before 1970:
        // Norway's summer time of 1965, Iceland's of 1960.
        HistoricalCase{"OsloSummer1965", "Europe/Oslo", At(1965, 7, 1), 10.746, 2 * H, "CEST",
                       true, kOk, false},
        HistoricalCase{"ReykjavikSummer1960", "Atlantic/Reykjavik", At(1960, 7, 1), -21.896, 0,
                       "+00", true, kOk, false},
        // A zone line that ends on UTC: British Standard Time ended at 02:00 UTC on 31 October
        // 1971, so the clocks went back from 03:00 and 02:30 came twice (ending at 02:00 on the
        // clock would repeat 01:00-01:59 instead).
        HistoricalCase{"LondonEndOfStandardTime1971", "Europe/London", At(1971, 10, 31, 2, 30),
                       -0.126, H, "BST", false, kRepeated, false}),
    [](const ::testing::TestParamInfo<HistoricalCase>& info) { return info.param.name; });

TEST(ZoneHistory, RecordsItsTzdataVersion) {
    const std::string_view version = TheAtlas().zones().tzdataVersion();
    EXPECT_EQ(version, "2026d");
}

TEST(ZoneHistory, RefusesWhatItCannotAnswer) {
    const ZoneHistory& zones = TheAtlas().zones();
    EXPECT_FALSE(zones.OffsetAt("Asia/Kolkata", At(1799, 12, 31), 80));
    EXPECT_FALSE(zones.OffsetAt("Asia/Kolkata", At(2052, 1, 1), 80));
    EXPECT_FALSE(zones.OffsetAt("Asia/Kolkata", At(1990, 2, 30), 80));
    EXPECT_FALSE(zones.OffsetAt("Asia/Kolkata", At(1990, 1, 1, 24), 80));
    EXPECT_FALSE(zones.OffsetAt("Asia/Kolkata", At(1990, 1, 1), 181));
    const auto unknown = zones.OffsetAt("Mars/Olympus_Mons", At(1990, 1, 1), 0);
    ASSERT_FALSE(unknown);
    EXPECT_NE(unknown.error().message.find("Mars/Olympus_Mons"), std::string::npos);
    EXPECT_TRUE(zones.OffsetAt("Europe/London", At(1800, 1, 1, 0, 0, 0), 0));
    EXPECT_TRUE(zones.OffsetAt("Europe/London", At(2051, 12, 31, 23, 59, 59), 0));
}

TEST(ZoneHistory, ParseNamesTheFaultyLine) {
    const auto missingVersion = ZoneHistory::Parse("Etc/UTC\t0/0/UTC\t\n");
    ASSERT_FALSE(missingVersion);
    const auto badType = ZoneHistory::Parse("tzdata\t2025b\nEtc/UTC\t0/x/UTC\t\n");
    ASSERT_FALSE(badType);
    EXPECT_NE(badType.error().message.find("line 2"), std::string::npos);
    const auto badChange = ZoneHistory::Parse("tzdata\t2025b\nA/B\t0/0/A 3600/1/B\t10:1 0:0\n");
    EXPECT_FALSE(badChange);
    const auto unsorted = ZoneHistory::Parse("tzdata\t2025b\nB/B\t0/0/UTC\t\nA/A\t0/0/UTC\t\n");
    EXPECT_FALSE(unsorted);
}

// A zone of two changes written by hand: an hour forward at 1000 s after 1970 UT, back at
// 5000 s. Clock times are counted from 1970-01-01 00:00 as well.
TEST(ZoneHistory, GapAndOverlapOfAHandWrittenZone) {
    const auto history =
        ZoneHistory::Parse("tzdata\ttest\nT/Z\t0/0/STD 3600/1/DST\t1000:1 4000:0\n");
    ASSERT_TRUE(history) << history.error().message;
    const auto at = [&](int seconds) {
        return history->OffsetAt(
            "T/Z", At(1970, 1, 1, seconds / 3600, seconds / 60 % 60, seconds % 60), 0);
    };
    EXPECT_EQ(at(999)->clock, ClockReading::kOk);
    EXPECT_EQ(at(999)->utcOffsetSeconds, 0);
    // Clocks went from 00:16:40 to 01:16:40.
    EXPECT_EQ(at(1000)->clock, ClockReading::kSkipped);
    EXPECT_EQ(at(1000)->utcOffsetSeconds, 0);
    EXPECT_EQ(at(4599)->clock, ClockReading::kSkipped);
    EXPECT_EQ(at(4600)->clock, ClockReading::kOk);
    EXPECT_EQ(at(4600)->utcOffsetSeconds, 3600);
    // At 5000 s UT clocks went from 02:23:20 back to 01:23:20.
    EXPECT_EQ(at(5000)->clock, ClockReading::kRepeated);
    EXPECT_EQ(at(5000)->utcOffsetSeconds, 3600);
    EXPECT_EQ(at(8599)->clock, ClockReading::kRepeated);
    EXPECT_EQ(at(8600)->clock, ClockReading::kOk);
    EXPECT_EQ(at(8600)->utcOffsetSeconds, 0);
}

}  // namespace
}  // namespace kalodaya::atlas
