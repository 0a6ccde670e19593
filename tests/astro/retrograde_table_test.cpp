// The embedded retrograde station table and its reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "astro/retrograde_station_table.h"

namespace kalodaya {
namespace {

const StationTable& Table() {
    static const StationTableParse parsed = ParseStationTable(BuiltInStationText());
    return parsed.table;
}

const std::vector<RetrogradePeriod>& Rows(std::string_view planet) {
    return Table()[*RetroPlanetIndex(planet)];
}

int64_t DaysLong(const RetrogradePeriod& p) {
    return DateTime::DaysBetween(p.retrograde, p.direct);
}

TEST(RetrogradeTable, EmbeddedTextReadsWithoutFault) {
    const StationTableParse parsed = ParseStationTable(BuiltInStationText());
    EXPECT_EQ(parsed.error, "");
    // The lookup's copy is the same table.
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        EXPECT_EQ(BuiltInStationTable()[k].size(), parsed.table[k].size()) << kRetroPlanets[k];
    }
}

TEST(RetrogradeTable, RowCountsCover1900To2050) {
    EXPECT_EQ(Rows("Mercury").size(), 476u);
    EXPECT_EQ(Rows("Venus").size(), 95u);
    EXPECT_EQ(Rows("Mars").size(), 71u);
    EXPECT_EQ(Rows("Jupiter").size(), 139u);
    EXPECT_EQ(Rows("Saturn").size(), 146u);
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        const auto& rows = Table()[k];
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.front().retrograde.Year(), 1900) << kRetroPlanets[k];
        EXPECT_LE(rows.back().retrograde.Year(), 2050) << kRetroPlanets[k];
    }
    EXPECT_EQ(FormatStationText(Rows("Jupiter").back().direct).substr(0, 10), "4,21,2051,");
}

TEST(RetrogradeTable, EveryRowLineIsTwoStationTextsInTheExactFormat) {
    // One field per integer, no leading zeros, a comma after each; a single blank between.
    const std::regex station(
        "([1-9]|1[0-2]),([1-9]|[12][0-9]|3[01]),(19|20)[0-9][0-9],"
        "([0-9]|1[0-9]|2[0-3]),([0-9]|[1-5][0-9]),");
    std::string_view text = BuiltInStationText();
    int rows = 0;
    int sections = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        ASSERT_NE(end, std::string_view::npos) << "last line without a line end";
        const std::string line(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            EXPECT_EQ(line, "[" + std::string(kRetroPlanets[sections]) + "]");
            ++sections;
            continue;
        }
        const auto blank = line.find(' ');
        ASSERT_NE(blank, std::string::npos) << line;
        const std::string retro = line.substr(0, blank), direct = line.substr(blank + 1);
        EXPECT_TRUE(std::regex_match(retro, station)) << line;
        EXPECT_TRUE(std::regex_match(direct, station)) << line;
        // A real date that writes back to the same text.
        const auto r = ParseStationText(retro);
        ASSERT_TRUE(r.has_value()) << line;
        EXPECT_EQ(FormatStationText(*r), retro);
        ++rows;
    }
    EXPECT_EQ(sections, kRetroPlanetCount);
    EXPECT_EQ(rows, 476 + 95 + 71 + 139 + 146);
}

TEST(RetrogradeTable, RowsAreChronologicalAndAlternateStrictly) {
    for (int k = 0; k < kRetroPlanetCount; ++k) {
        const auto& rows = Table()[k];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_LT(rows[i].retrograde, rows[i].direct) << kRetroPlanets[k] << " row " << i;
            if (i > 0) {
                EXPECT_LT(rows[i - 1].direct, rows[i].retrograde)
                    << kRetroPlanets[k] << " row " << i;
                // Different days too, so one day never belongs to two periods.
                EXPECT_GT(DateTime::DaysBetween(rows[i - 1].direct, rows[i].retrograde), 0);
            }
        }
    }
}

TEST(RetrogradeTable, PeriodLengthsStayInEachPlanetsRange) {
    struct Range {
        std::string_view planet;
        int64_t shortest, longest;  // days between the station dates
    };
    // Counted between calendar dates a period can come out a day longer or shorter.
    for (const Range r : {Range{"Mercury", 19, 24}, Range{"Venus", 40, 43}, Range{"Mars", 59, 81},
                          Range{"Jupiter", 116, 124}, Range{"Saturn", 133, 141}}) {
        for (const RetrogradePeriod& p : Rows(r.planet)) {
            EXPECT_GE(DaysLong(p), r.shortest - 1)
                << r.planet << ' ' << FormatStationText(p.retrograde);
            EXPECT_LE(DaysLong(p), r.longest + 1)
                << r.planet << ' ' << FormatStationText(p.retrograde);
        }
    }
}

// Reference stations, by planet and row, from the tables this one replaces. The generated rows
// must carry the same dates; the times may differ with the ephemeris used.
struct ReferenceRow {
    std::string_view planet;
    int row;  // -1: the last row
    std::string_view retrograde, direct;
};

constexpr ReferenceRow kReferenceRows[] = {
    {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
    {"Mercury", 1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
    {"Mercury", 378, "2,17,2020,0,41,", "3,10,2020,3,37,"},
    {"Mercury", 379, "6,18,2020,4,47,", "7,12,2020,8,25,"},
    {"Mercury", 380, "10,14,2020,0,56,", "11,3,2020,17,58,"},
    {"Mercury", -1, "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
    {"Venus", 1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
    {"Venus", 75, "5,13,2020,7,3,", "6,25,2020,7,5,"},
    {"Venus", -1, "9,25,2050,22,15,", "11,6,2050,19,4,"},
    {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
    {"Mars", 1, "2,18,1903,14,29,", "5,9,1903,16,14,"},
    {"Mars", 56, "9,9,2020,21,32,", "11,13,2020,23,6,"},
    {"Mars", -1, "7,15,2050,5,50,", "9,13,2050,9,41,"},
    {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
    {"Jupiter", 1, "4,30,1901,20,16,", "8,30,1901,20,59,"},
    {"Jupiter", 110, "5,14,2020,13,18,", "9,12,2020,23,37,"},
    {"Jupiter", -1, "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
    {"Saturn", 1, "4,26,1901,3,57,", "9,14,1901,0,9,"},
    {"Saturn", 116, "5,11,2020,1,48,", "9,29,2020,3,52,"},
    {"Saturn", -1, "5,18,2050,13,6,", "10,6,2050,11,5,"},
};

// Two of the reference stations fall in the noon hour but were written with hour 0
// ("7,18,1900,0,53," is 12:53); the table carries the true hour.
int64_t MinutesApart(const DateTime& generated, const DateTime& reference) {
    const int64_t apart = std::abs(DateTime::MinutesBetween(reference, generated));
    if (reference.Hour() == 0 && generated.Hour() == 12) return std::abs(apart - 12 * 60);
    return apart;
}

void ExpectSameStation(const DateTime& generated, std::string_view referenceText,
                       std::string_view planet) {
    const auto reference = ParseStationText(referenceText);
    ASSERT_TRUE(reference.has_value()) << referenceText;
    EXPECT_EQ(generated.DateOnly(), reference->DateOnly())
        << planet << ": " << FormatStationText(generated) << " for " << referenceText;
    EXPECT_LE(MinutesApart(generated, *reference), 30)
        << planet << ": " << FormatStationText(generated) << " for " << referenceText;
}

TEST(RetrogradeTable, ReferenceStationsFallOnTheirDates) {
    for (const ReferenceRow& ref : kReferenceRows) {
        const auto& rows = Rows(ref.planet);
        const std::size_t i = ref.row < 0 ? rows.size() - 1 : static_cast<std::size_t>(ref.row);
        ASSERT_LT(i, rows.size()) << ref.planet;
        ExpectSameStation(rows[i].retrograde, ref.retrograde, ref.planet);
        ExpectSameStation(rows[i].direct, ref.direct, ref.planet);
    }
}

TEST(StationText, ReadsTheFiveFieldsAndWritesThemBack) {
    const auto t = ParseStationText("3,15,1900,13,19,");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->Iso(), "1900-03-15T13:19:00");
    EXPECT_EQ(FormatStationText(*t), "3,15,1900,13,19,");
    EXPECT_EQ(FormatStationText(DateTime::FromCivil(2020, 12, 1, 0, 0)), "12,1,2020,0,0,");
    EXPECT_EQ(ParseStationText("2,29,2000,23,59,")->Iso(), "2000-02-29T23:59:00");
}

TEST(StationText, RejectsAnythingOutsideTheFormat) {
    for (const std::string_view bad :
         {"", "3,15,1900,13,19", "3,15,1900,13,19,,", "03,15,1900,13,19,", "3,15,1900,13,09,",
          "3, 15,1900,13,19,", "3,15,1900,13,19, ", "+3,15,1900,13,19,", "-3,15,1900,13,19,",
          "3,15,1900,13,", "13,1,1900,0,0,", "0,1,1900,0,0,", "2,29,1900,0,0,", "4,31,1900,0,0,",
          "3,0,1900,0,0,", "3,15,1900,24,0,", "3,15,1900,0,60,", "3,15,19000,0,0,",
          "a,1,1900,0,0,"}) {
        EXPECT_FALSE(ParseStationText(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(StationTableReader, ReadsSectionsCommentsAndWindowsLineEnds) {
    const auto parsed = ParseStationTable(
        "# comment\r\n\r\n[Saturn]\r\n4,14,1900,6,2, 9,2,1900,14,39,\r\n"
        "4,26,1901,3,57, 9,14,1901,12,9,\r\n[Mercury]\n3,15,1900,13,19, 4,7,1900,18,42,");
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.table[*RetroPlanetIndex("Saturn")].size(), 2u);
    EXPECT_EQ(parsed.table[*RetroPlanetIndex("Mercury")].size(), 1u);
    EXPECT_TRUE(parsed.table[*RetroPlanetIndex("Venus")].empty());
}

TEST(StationTableReader, FaultsLeaveAnEmptyTableAndNameTheLine) {
    struct Case {
        std::string_view text, error;
    };
    const std::string_view row1 = "[Mars]\n1,13,1901,6,16, 4,4,1901,7,21,\n";
    for (const Case c : {
             Case{"1,13,1901,6,16, 4,4,1901,7,21,\n", "line 1: row before the first planet name"},
             Case{"[Pluto]\n", "line 1: unknown planet [Pluto]"},
             Case{"[mars]\n", "line 1: unknown planet [mars]"},
             Case{"[Mars\n", "line 1: unclosed planet name"},
             Case{"[Mars]\n[Venus]\n[Mars]\n", "line 3: second section for [Mars]"},
             Case{"[Mars]\n1,13,1901,6,16,\n", "line 2: row without two stations"},
             Case{"[Mars]\n1,13,1901,6,16,  4,4,1901,7,21,\n", "line 2: bad station text"},
             Case{"[Mars]\n4,4,1901,7,21, 1,13,1901,6,16,\n",
                  "line 2: direct station not after its retrograde station"},
             Case{"[Mars]\n1,13,1901,6,16, 1,13,1901,6,16,\n",
                  "line 2: direct station not after its retrograde station"},
             Case{"[Mars]\n1,13,1901,6,16, 4,4,1901,7,21,\n4,1,1901,7,21, 5,9,1903,16,14,\n",
                  "line 3: retrograde station not after the previous direct station"},
         }) {
        const auto parsed = ParseStationTable(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        for (const auto& rows : parsed.table) EXPECT_TRUE(rows.empty()) << c.text;
    }
    EXPECT_EQ(ParseStationTable(row1).error, "");
}

}  // namespace
}  // namespace kalodaya
