#pragma once
// The built-in retrograde station table: for each of the five planets, its retrograde periods
// in time order, read once from the embedded retrograde_stations.txt.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace kalodaya {

inline constexpr int kRetroPlanetCount = 5;

// Planet k here is body Mercury + k of base/tables.h.
inline constexpr std::array<std::string_view, kRetroPlanetCount> kRetroPlanets = {
    "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// Index in kRetroPlanets of `planet`, matched exactly (case-sensitive).
std::optional<int> RetroPlanetIndex(std::string_view planet);

// One row of a planet's table.
struct RetrogradePeriod {
    DateTime retrograde;  // the station where the planet turns retrograde, to the minute
    DateTime direct;      // the next station, where it turns direct again
};

using StationTable = std::array<std::vector<RetrogradePeriod>, kRetroPlanetCount>;

struct StationTableParse {
    StationTable table;
    std::string error;  // empty when the whole text was read, else "line N: what is wrong"
};

// A station text "month,day,year,hour,minute,": decimal integers without leading zeros or
// blanks, each followed by a comma, naming a real calendar date and clock time.
std::optional<DateTime> ParseStationText(std::string_view text);
std::string FormatStationText(const DateTime& station);

// Reads the table text: blank lines and lines starting with '#' are skipped; a "[Planet]"
// line opens that planet's rows (once per planet); a row is two station texts separated by
// one blank. Each planet's stations must be in strict time order, retrograde and direct
// alternating. On the first fault the table is empty and `error` says where.
StationTableParse ParseStationTable(std::string_view text);

// The embedded table, read on first use. Empty (no planet ever retrograde) if it were
// unreadable; the tests read the same text and fail on any fault.
const StationTable& BuiltInStationTable();
std::string_view BuiltInStationText();

// True when the calendar date of `moment` lies strictly after the date of a period's
// retrograde station and strictly before the date of its direct station. Times of day do not
// count. Binary search; the periods must be in order and must not overlap.
bool IsRetrogradeOn(const std::vector<RetrogradePeriod>& periods, const DateTime& moment);

}  // namespace kalodaya
