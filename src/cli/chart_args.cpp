#include "cli/chart_args.h"

#include <array>
#include <string_view>

#include "astro/zone_table.h"
#include "chart/entry_rules.h"
#include "chart/record_entries.h"
#include "cli/quoted_value.h"
#include "records/record_fields.h"

namespace kalodaya::cli {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The value of a short run of digits (at most four here).
int Number(std::string_view digits) {
    int value = 0;
    for (char ch : digits) value = value * 10 + (ch - '0');
    return value;
}

// Reads exactly `count` digits at `at`, moving past them.
bool Digits(std::string_view text, std::size_t& at, std::size_t count, std::string_view& out) {
    if (text.size() - at < count) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (!IsDigit(text[at + i])) return false;
    out = text.substr(at, count);
    at += count;
    return true;
}

// Reads up to `most` digits at `at` (none is fine), moving past them.
std::string_view UpToDigits(std::string_view text, std::size_t& at, std::size_t most) {
    const std::size_t start = at;
    while (at < text.size() && at - start < most && IsDigit(text[at])) ++at;
    return text.substr(start, at - start);
}

bool Separator(std::string_view text, std::size_t& at, char separator) {
    if (at >= text.size() || text[at] != separator) return false;
    ++at;
    return true;
}

// The fixed forms NN..N<sep>NN<sep>NN (date, time): three digit groups, nothing else.
bool ThreeGroups(std::string_view text, std::size_t firstWidth, char separator,
                 std::array<std::string_view, 3>& groups) {
    std::size_t at = 0;
    return Digits(text, at, firstWidth, groups[0]) && Separator(text, at, separator) &&
           Digits(text, at, 2, groups[1]) && Separator(text, at, separator) &&
           Digits(text, at, 2, groups[2]) && at == text.size();
}

// A coordinate: up to `degreeWidth` digits, a colon, up to two digits, then one of two
// hemisphere letters ending the text.
struct Coordinate {
    std::string_view degrees, minutes;
    char hemisphere = 0;
};
bool ReadCoordinate(std::string_view text, std::size_t degreeWidth, char first, char second,
                    Coordinate& out) {
    std::size_t at = 0;
    out.degrees = UpToDigits(text, at, degreeWidth);
    if (!Separator(text, at, ':')) return false;
    out.minutes = UpToDigits(text, at, entry_rules::kMinuteDigits);
    if (at + 1 != text.size() || (text[at] != first && text[at] != second)) return false;
    out.hemisphere = text[at];
    return true;
}

ArgError Bad(std::string_view what, std::string_view text, std::string_view form) {
    std::string message = "unusable ";
    message.append(what).append(" ").append(QuotedValue(text)).append(": expected ").append(form);
    return {message};
}

constexpr std::string_view kDateForm = "YYYY-MM-DD with a year from 1901 to 2050";
constexpr std::string_view kTimeForm = "HH:MM:SS from 00:00:00 to 23:59:59";

// Digits as the list shows them: no leading zeros.
std::string Plain(std::string_view digits) { return std::to_string(Number(digits)); }

// The zone list position that a run of decimal digits names; none for anything else, however
// long (the digits are never summed beyond the list's size).
std::optional<int> ZonePosition(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    for (char ch : digits)
        if (!IsDigit(ch)) return std::nullopt;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    if (digits.size() - first > 2) return std::nullopt;
    const int position = Number(digits.substr(first));
    if (position >= kZoneCount) return std::nullopt;
    return position;
}

}  // namespace

std::optional<ArgError> SetName(Entries& entries, std::string_view text) {
    std::string name;
    for (const char typed : text) {
        const char ch = entry_rules::NameCharacter(typed);
        if (!ch)
            return ArgError{"unusable name " + QuotedValue(text) +
                            ": the name box takes only the letters A to Z and blanks"};
        name += ch;
    }
    entries.name = name;
    return std::nullopt;
}

std::optional<ArgError> SetDate(Entries& entries, std::string_view text) {
    std::array<std::string_view, 3> m;
    if (!ThreeGroups(text, 4, '-', m)) return Bad("date", text, kDateForm);
    const int year = Number(m[0]), month = Number(m[1]), day = Number(m[2]);
    if (year < entry_rules::kFirstYear || year > entry_rules::kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
        return Bad("date", text, kDateForm);
    entries.yearText = Plain(m[0]);
    entries.monthIndex = month - 1;
    entries.dayText = Plain(m[2]);
    return std::nullopt;
}

std::optional<ArgError> SetTime(Entries& entries, std::string_view text) {
    std::array<std::string_view, 3> m;
    if (!ThreeGroups(text, 2, ':', m)) return Bad("time", text, kTimeForm);
    if (Number(m[0]) > 23 || Number(m[1]) > 59 || Number(m[2]) > 59)
        return Bad("time", text, kTimeForm);
    entries.hourText = Plain(m[0]);
    entries.minuteText = Plain(m[1]);
    entries.secondText = Plain(m[2]);
    return std::nullopt;
}

// Coordinates go into the boxes as typed (digits only, the boxes' length limits); the entry
// checks then judge their values as they judge the form's.
std::optional<ArgError> SetLatitude(Entries& entries, std::string_view text) {
    if (text.empty()) {
        entries.latDegText.clear();
        entries.latMinText.clear();
        entries.north = true;
        return std::nullopt;
    }
    Coordinate m;
    if (!ReadCoordinate(text, entry_rules::kLatDegreeDigits, 'N', 'S', m))
        return Bad("latitude", text, "DD:MM followed by N or S, e.g. 28:39N");
    entries.latDegText = m.degrees;
    entries.latMinText = m.minutes;
    entries.north = m.hemisphere == 'N';
    return std::nullopt;
}

std::optional<ArgError> SetLongitude(Entries& entries, std::string_view text) {
    if (text.empty()) {
        entries.lonDegText.clear();
        entries.lonMinText.clear();
        entries.east = true;
        return std::nullopt;
    }
    Coordinate m;
    if (!ReadCoordinate(text, entry_rules::kLonDegreeDigits, 'E', 'W', m))
        return Bad("longitude", text, "DDD:MM followed by E or W, e.g. 77:13E");
    entries.lonDegText = m.degrees;
    entries.lonMinText = m.minutes;
    entries.east = m.hemisphere == 'E';
    return std::nullopt;
}

// Digits only: a leading zero does not make the number octal, and "0x22" is no number.
std::optional<ArgError> SetZone(Entries& entries, std::string_view text) {
    const std::optional<int> position = ZonePosition(text);
    if (!position)
        return ArgError{"unusable zone " + QuotedValue(text) +
                        ": expected a zone list position from 0 to 70 in decimal digits"};
    entries.zoneIndex = *position;
    return std::nullopt;
}

// The number is reported as written, so a huge one is not mistaken for a wrapped-around value.
std::optional<ArgError> SetZoneNumber(Entries& entries, std::string_view written) {
    const bool negative = !written.empty() && written.front() == '-';
    const std::optional<int> position = ZonePosition(written.substr(negative ? 1 : 0));
    if (!position || (negative && *position != 0))
        return ArgError{"unusable zone " + ShownValue(written) +
                        ": expected a zone list position from 0 to 70"};
    entries.zoneIndex = *position;
    return std::nullopt;
}

}  // namespace kalodaya::cli
