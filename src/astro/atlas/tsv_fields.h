#pragma once
// Reading the atlas's tab-separated files: one record a line, '#' starts a comment line.
#include <charconv>
#include <optional>
#include <string_view>

namespace kalodaya::atlas {

// Cuts `text` at the first `separator`: returns the part before it and leaves the rest (the
// whole text when there is no separator, leaving nothing).
inline std::string_view NextField(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view field = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
    return field;
}

template <class Int>
std::optional<Int> ParseInt(std::string_view text) {
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace kalodaya::atlas
