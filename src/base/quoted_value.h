#pragma once
// Values as error messages show them: on one line, readable, and never longer than a glance.
#include <cstddef>
#include <string>
#include <string_view>

namespace kalodaya {

// How many characters of a value a message shows.
inline constexpr std::size_t kShownCharacters = 80;

// `text` with control characters, quotes, backslashes and bytes that are not UTF-8 escaped
// (\n, \", \x01, \u0085), cut after kShownCharacters characters; a cut value is followed by
// "..." so that the reader knows there was more.
std::string ShownValue(std::string_view text);

// ShownValue between double quotes, the cut mark after the closing quote.
std::string QuotedValue(std::string_view text);

// A message from elsewhere (the option parser) made safe for one line of standard error:
// control characters escaped and every blank-free run longer than kShownCharacters cut.
std::string OneLineMessage(std::string_view message);

}  // namespace kalodaya
