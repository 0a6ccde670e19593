#include "base/utc_offset.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kalodaya {
namespace {

// Two digits at `at`, moving past them.
std::optional<int> TwoDigits(std::string_view text, std::size_t& at) {
    if (at + 2 > text.size()) return std::nullopt;
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
    at += 2;
    return (a - '0') * 10 + (b - '0');
}

bool Take(std::string_view text, std::size_t& at, char ch) {
    if (at >= text.size() || text[at] != ch) return false;
    ++at;
    return true;
}

}  // namespace

std::string UtcOffsetText(int secondsEast) {
    const int magnitude = std::abs(secondsEast);
    const char sign = secondsEast < 0 ? '-' : '+';
    char text[24];
    if (magnitude % 60 == 0) {
        std::snprintf(text, sizeof text, "%c%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", sign, magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    }
    return text;
}

std::optional<int> ParseUtcOffset(std::string_view text) {
    std::size_t at = 0;
    const bool west = Take(text, at, '-');
    if (!west && !Take(text, at, '+')) return std::nullopt;
    const auto hours = TwoDigits(text, at);
    if (!hours || !Take(text, at, ':')) return std::nullopt;
    const auto minutes = TwoDigits(text, at);
    std::optional<int> seconds = 0;
    if (minutes && Take(text, at, ':')) seconds = TwoDigits(text, at);
    if (!minutes || !seconds || at != text.size() || *hours > 23 || *minutes > 59 ||
        *seconds > 59)
        return std::nullopt;
    const int east = *hours * 3600 + *minutes * 60 + *seconds;
    return west ? -east : east;
}

bool IsClockOffset(int secondsEast) {
    const long minutes = std::lround(secondsEast / 60.0);
    return minutes >= kWestmostClockOffsetSeconds / 60 && minutes <= kEastmostClockOffsetSeconds / 60;
}

}  // namespace kalodaya
