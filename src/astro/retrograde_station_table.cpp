#include "astro/retrograde_station_table.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace kalodaya::embedded {
extern const std::string_view retrograde_stations_txt;
}

namespace kalodaya {
namespace {

// A decimal integer without sign, blanks or leading zeros ("0" itself is allowed).
std::optional<int> ReadPlainInt(std::string_view field) {
    if (field.empty() || field.size() > 4 || (field.size() > 1 && field[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc{} || end != field.data() + field.size()) return std::nullopt;
    return value;
}

std::string_view TrimLineEnd(std::string_view line) {
    // A checkout with Windows line ends must read the same.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

struct RowReader {
    StationTable& table;
    std::optional<int> planet;
    std::array<bool, kRetroPlanetCount> seen{};

    // Returns an error text, or empty when the line was taken.
    std::string Take(std::string_view line) {
        if (line.empty() || line.front() == '#') return {};
        if (line.front() == '[') {
            if (line.back() != ']') return "unclosed planet name";
            planet = RetroPlanetIndex(line.substr(1, line.size() - 2));
            if (!planet) return "unknown planet " + std::string(line);
            if (seen[*planet]) return "second section for " + std::string(line);
            seen[*planet] = true;
            return {};
        }
        if (!planet) return "row before the first planet name";
        const auto blank = line.find(' ');
        if (blank == std::string_view::npos) return "row without two stations";
        const auto retro = ParseStationText(line.substr(0, blank));
        const auto direct = ParseStationText(line.substr(blank + 1));
        if (!retro || !direct) return "bad station text";
        auto& rows = table[*planet];
        if (!(*retro < *direct)) return "direct station not after its retrograde station";
        if (!rows.empty() && !(rows.back().direct < *retro)) {
            return "retrograde station not after the previous direct station";
        }
        rows.push_back({*retro, *direct});
        return {};
    }
};

}  // namespace

std::optional<int> RetroPlanetIndex(std::string_view planet) {
    const auto it = std::find(kRetroPlanets.begin(), kRetroPlanets.end(), planet);
    if (it == kRetroPlanets.end()) return std::nullopt;
    return static_cast<int>(it - kRetroPlanets.begin());
}

std::optional<DateTime> ParseStationText(std::string_view text) {
    std::array<int, 5> f{};  // month, day, year, hour, minute
    for (int& value : f) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        const auto parsed = ReadPlainInt(text.substr(0, comma));
        if (!parsed) return std::nullopt;
        value = *parsed;
        text.remove_prefix(comma + 1);
    }
    if (!text.empty()) return std::nullopt;
    const auto [month, day, year, hour, minute] = f;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59) {
        return std::nullopt;
    }
    return DateTime::FromCivil(year, month, day, hour, minute);
}

std::string FormatStationText(const DateTime& station) {
    std::string s;
    for (const int field :
         {station.Month(), station.Day(), station.Year(), station.Hour(), station.Minute()}) {
        s += std::to_string(field);
        s += ',';
    }
    return s;
}

StationTableParse ParseStationTable(std::string_view text) {
    StationTableParse result;
    RowReader reader{result.table, std::nullopt, {}};
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const auto end = text.find('\n');
        const auto line = TrimLineEnd(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (auto error = reader.Take(line); !error.empty()) {
            result.table = {};
            result.error = "line " + std::to_string(lineNo) + ": " + error;
            return result;
        }
    }
    return result;
}

std::string_view BuiltInStationText() {
    return embedded::retrograde_stations_txt;
}

const StationTable& BuiltInStationTable() {
    static const StationTable table = ParseStationTable(BuiltInStationText()).table;
    return table;
}

bool IsRetrogradeOn(const std::vector<RetrogradePeriod>& periods, const DateTime& moment) {
    const DateTime day = moment.DateOnly();
    // The last period whose retrograde station's date lies before the day is the only one
    // that can contain it: every earlier period ends no later than that station.
    const auto after = std::partition_point(
        periods.begin(), periods.end(),
        [&](const RetrogradePeriod& p) { return p.retrograde.DateOnly() < day; });
    if (after == periods.begin()) return false;
    return day < std::prev(after)->direct.DateOnly();
}

}  // namespace kalodaya
