#include "base/text_convert.h"

#include <climits>
#include <string>

namespace kalodaya {

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    return text.substr(first, last - first);
}

// Read by hand, as std::from_chars reads an int after the '+' is dropped (an optional minus,
// then digits only, in range): a request converts some twenty texts.
long long detail::IntegerValue(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return kNoInteger;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return kNoInteger;
    long long magnitude = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return kNoInteger;
        magnitude = magnitude * 10 + (ch - '0');
        if (magnitude > -static_cast<long long>(INT_MIN)) return kNoInteger;  // out of range
    }
    const long long value = negative ? -magnitude : magnitude;
    return value > INT_MAX ? kNoInteger : value;
}

std::string IntText(long long value) { return std::to_string(value); }

}  // namespace kalodaya
