#pragma once
// The bytes of JSON strings, for the hand-written reading and writing that must agree with the
// JSON library byte for byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kalodaya {

// A flag (high bit) in each byte of `word` that needs attention in a JSON string: a control
// character, a quote, a backslash or a byte beyond ASCII. A flag can be wrong only above a
// right one, so the lowest flag is always right (the bytes are read little-endian).
inline std::uint64_t AttentionFlags(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHigh = 0x8080808080808080ULL;
    auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    const std::uint64_t control = (word - kOnes * 0x20) & ~word & kHigh;  // below 0x20
    return (word & kHigh) | control | hasZero(word ^ (kOnes * '"')) |
           hasZero(word ^ (kOnes * '\\'));
}

// Well-formed UTF-8 as the JSON library reads and writes it: no overlong forms, no surrogates,
// nothing above U+10FFFF.
// Length of the well-formed multi-byte sequence starting at text[at] (a byte from 0x80 up), or
// 0 when the bytes there are not one.
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t left = text.size() - at;
    auto continuation = [&](std::size_t i, unsigned char low, unsigned char high) {
        return i < left && byte(at + i) >= low && byte(at + i) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(1, low, high) && continuation(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(1, low, high) && continuation(2, 0x80, 0xBF) &&
                       continuation(3, 0x80, 0xBF)
                   ? 4
                   : 0;
    }
    return 0;
}

}  // namespace kalodaya
