#pragma once
// The ASCII spelling of Latin letters with accents and of typographic apostrophes and dashes,
// by code point; generated from the atlas generator's own folding.
#include <cstdint>
#include <span>

namespace kalodaya::atlas {

struct LatinFold {
    char32_t codePoint;
    const char* ascii;  // lower case
};

// Sorted by code point.
std::span<const LatinFold> LatinFoldTable();

}  // namespace kalodaya::atlas
