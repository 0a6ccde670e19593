#pragma once
// A UTC offset's text, as the atlas, the chart's JSON, saved records and the command line write
// and read it: seconds east of Greenwich as "+05:45", "-03:30" or "+05:21:10".
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya {

// "+HH:MM", with ":SS" only when the offset is not a whole number of minutes.
std::string UtcOffsetText(int secondsEast);

// The reverse: a sign, two-digit hours up to 23, two-digit minutes and optionally two-digit
// seconds; nothing for any other text.
std::optional<int> ParseUtcOffset(std::string_view text);

// The offsets clocks have kept, as the form's zone list runs: from -12:00 to +14:00.
inline constexpr int kWestmostClockOffsetSeconds = -12 * 3600;
inline constexpr int kEastmostClockOffsetSeconds = 14 * 3600;

// Whether an offset, to the nearest minute as the chart uses it (half a minute away from zero),
// lies within those.
bool IsClockOffset(int secondsEast);

}  // namespace kalodaya
