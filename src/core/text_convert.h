#pragma once
// Conversions that can fail: the caller keeps the field's old value when they do.
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya {

std::string_view TrimBlanks(std::string_view text);

// A whole decimal number, blanks around it allowed ("  12 " -> 12); nothing otherwise.
std::optional<int> ToInteger(std::string_view text);

// Plain decimal text of a whole number, no leading zeros.
std::string IntText(long long value);

}  // namespace kalodaya
