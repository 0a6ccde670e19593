#pragma once
// The check line the generator writes first in every atlas file, so that a damaged file is
// refused instead of shifting identities: one line lost from places.tsv would otherwise move
// every later GeoNames id by one, and an empty file would load as an empty atlas.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "astro/atlas/atlas_result.h"

namespace kalodaya::atlas {

// FNV-1a over the text's 64-bit little-endian words (the last one padded with zero bytes):
// a checksum fast enough for every load (about a millisecond for the 7 MB of places.tsv).
uint64_t AtlasChecksum(std::string_view text);

// "# check records=118897 fnv=0123456789abcdef": the count of records (lines that are neither
// empty nor comments) and the checksum of everything after this first line.
std::string AtlasCheckLine(std::string_view body);

// None when `text` starts with the check line of the rest of it; otherwise the one line a
// user sees: "The atlas file places.tsv is damaged (118896 records where 118897 were
// written); reinstall the program."
std::optional<AtlasError> CheckAtlasFile(std::string_view file, std::string_view text);

}  // namespace kalodaya::atlas
