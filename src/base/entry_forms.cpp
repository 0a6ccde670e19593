#include "base/entry_forms.h"

#include <array>
#include <cstdio>

#include "base/entry_rules.h"
#include "base/quoted_value.h"
#include "base/utc_offset.h"

namespace kalodaya {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Exactly `count` digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
    if (text.size() - at < count) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsDigit(text[at + i])) return std::nullopt;
        value = value * 10 + (text[at + i] - '0');
    }
    at += count;
    return value;
}

// Up to `most` digits at `at`, moving past them; none gives an empty box.
std::optional<int> BoxDigits(std::string_view text, std::size_t& at, std::size_t most) {
    const std::size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < most && IsDigit(text[at]))
        value = value * 10 + (text[at++] - '0');
    if (at == start) return std::nullopt;
    return value;
}

bool Take(std::string_view text, std::size_t& at, char ch) {
    if (at >= text.size() || text[at] != ch) return false;
    ++at;
    return true;
}

// NN..N<sep>NN<sep>NN (a date, a time): three groups of digits, the first `firstWidth` long,
// nothing else.
std::optional<std::array<int, 3>> ThreeGroups(std::string_view text, std::size_t firstWidth,
                                               char separator) {
    std::size_t at = 0;
    const auto first = Digits(text, at, firstWidth);
    const auto second = first && Take(text, at, separator) ? Digits(text, at, 2) : std::nullopt;
    const auto third = second && Take(text, at, separator) ? Digits(text, at, 2) : std::nullopt;
    if (!third || at != text.size()) return std::nullopt;
    return std::array<int, 3>{*first, *second, *third};
}

std::string Unusable(std::string_view what, std::string_view text, std::string_view form) {
    std::string message = "unusable ";
    message.append(what).append(" ").append(QuotedValue(text)).append(": expected ").append(form);
    return message;
}

// Two digit groups and a hemisphere letter: the boxes and which of the two buttons.
struct Coordinate {
    std::optional<int> degrees, minutes;
    bool first = true;  // the first of the two letters (N, E)
};
std::optional<Coordinate> ReadCoordinate(std::string_view text, std::size_t degreeDigits,
                                         char first, char second) {
    Coordinate c;
    std::size_t at = 0;
    c.degrees = BoxDigits(text, at, degreeDigits);
    if (!Take(text, at, ':')) return std::nullopt;
    c.minutes = BoxDigits(text, at, entry_rules::kMinuteDigits);
    if (at + 1 != text.size() || (text[at] != first && text[at] != second)) return std::nullopt;
    c.first = text[at] == first;
    return c;
}

std::string CoordinateForm(const std::optional<int>& degrees, const std::optional<int>& minutes,
                           char hemisphere) {
    std::string text = degrees ? std::to_string(*degrees) : std::string();
    text += ':';
    if (minutes) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%02d", *minutes);
        text += digits;
    }
    text += hemisphere;
    return text;
}

}  // namespace

Expected<EnteredDate, std::string> ReadDateForm(std::string_view text) {
    const auto g = ThreeGroups(text, 4, '-');
    if (!g || (*g)[0] < entry_rules::kFirstYear || (*g)[0] > entry_rules::kLastYear ||
        (*g)[1] < 1 || (*g)[1] > 12 || (*g)[2] < 1 || (*g)[2] > 31)
        return Unusable("date", text, "YYYY-MM-DD with a year from 1901 to 2050");
    return EnteredDate{(*g)[0], (*g)[1], (*g)[2]};
}

Expected<EnteredTime, std::string> ReadTimeForm(std::string_view text) {
    const auto g = ThreeGroups(text, 2, ':');
    if (!g || (*g)[0] > 23 || (*g)[1] > 59 || (*g)[2] > 59)
        return Unusable("time", text, "HH:MM:SS from 00:00:00 to 23:59:59");
    return EnteredTime{(*g)[0], (*g)[1], (*g)[2]};
}

Expected<Latitude, std::string> ReadLatitudeForm(std::string_view text) {
    if (text.empty()) return Latitude{};
    const auto c = ReadCoordinate(text, entry_rules::kLatDegreeDigits, 'N', 'S');
    if (!c) return Unusable("latitude", text, "DD:MM followed by N or S, e.g. 28:39N");
    return Latitude{c->degrees, c->minutes, c->first};
}

Expected<Longitude, std::string> ReadLongitudeForm(std::string_view text) {
    if (text.empty()) return Longitude{};
    const auto c = ReadCoordinate(text, entry_rules::kLonDegreeDigits, 'E', 'W');
    if (!c) return Unusable("longitude", text, "DDD:MM followed by E or W, e.g. 77:13E");
    return Longitude{c->degrees, c->minutes, c->first};
}

Expected<int, std::string> ReadUtcOffsetForm(std::string_view text) {
    const auto seconds = ParseUtcOffset(text);
    if (!seconds)
        return Unusable("UTC offset", text, "+HH:MM or -HH:MM east of Greenwich, e.g. +05:45");
    if (!IsClockOffset(*seconds))
        return "unusable UTC offset " + QuotedValue(text) +
               ": clocks keep offsets from -12:00 to +14:00";
    return *seconds;
}

std::string DateForm(int year, int month, int day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string TimeForm(int hour, int minute, int second) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

std::string LatitudeForm(const Latitude& lat) {
    return CoordinateForm(lat.degrees, lat.minutes, lat.north ? 'N' : 'S');
}

std::string LongitudeForm(const Longitude& lon) {
    return CoordinateForm(lon.degrees, lon.minutes, lon.east ? 'E' : 'W');
}

}  // namespace kalodaya
