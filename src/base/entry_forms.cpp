#include "base/entry_forms.h"

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
    constexpr std::string_view kForm = "YYYY-MM-DD with a year from 1901 to 2050";
    std::size_t at = 0;
    const auto year = Digits(text, at, 4);
    const auto month = year && Take(text, at, '-') ? Digits(text, at, 2) : std::nullopt;
    const auto day = month && Take(text, at, '-') ? Digits(text, at, 2) : std::nullopt;
    if (!day || at != text.size() || *year < entry_rules::kFirstYear ||
        *year > entry_rules::kLastYear || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return Unusable("date", text, kForm);
    return EnteredDate{*year, *month, *day};
}

Expected<EnteredTime, std::string> ReadTimeForm(std::string_view text) {
    constexpr std::string_view kForm = "HH:MM:SS from 00:00:00 to 23:59:59";
    std::size_t at = 0;
    const auto hour = Digits(text, at, 2);
    const auto minute = hour && Take(text, at, ':') ? Digits(text, at, 2) : std::nullopt;
    const auto second = minute && Take(text, at, ':') ? Digits(text, at, 2) : std::nullopt;
    if (!second || at != text.size() || *hour > 23 || *minute > 59 || *second > 59)
        return Unusable("time", text, kForm);
    return EnteredTime{*hour, *minute, *second};
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
    if (const auto seconds = ParseUtcOffset(text)) return *seconds;
    return Unusable("UTC offset", text,
                    "+HH:MM or -HH:MM east of Greenwich, e.g. +05:45");
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
