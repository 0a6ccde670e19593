#pragma once
// Conversions that can fail: the caller keeps the field's old value when they do.
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya {

std::string_view TrimBlanks(std::string_view text);

namespace detail {
// ToInteger's value, or kNoInteger. A plain number comes back in a register: an optional
// returned from a function that is not inlined costs a stall where the caller reads it.
inline constexpr long long kNoInteger = -(1LL << 40);
long long IntegerValue(std::string_view text);
}  // namespace detail

// A whole decimal number, blanks around it allowed ("  12 " -> 12); nothing otherwise.
inline std::optional<int> ToInteger(std::string_view text) {
    const long long value = detail::IntegerValue(text);
    if (value == detail::kNoInteger) return std::nullopt;
    return static_cast<int>(value);
}

// Plain decimal text of a whole number, no leading zeros.
std::string IntText(long long value);

}  // namespace kalodaya
