#pragma once
// A place the user typed by hand, kept from a saved record so that the place search can offer
// it next to the atlas.
#include <optional>

#include "records/record.h"

namespace kalodaya {

// The record's place when it was typed by hand (no GeoNames id) and is whole: a city and both
// coordinates with degrees and minutes. Its zone is the record's IANA zone when known, else the
// offset the record's zone entry or exact offset holds (the daylight box aside: that belongs to
// the birth, not the place).
std::optional<records::Place> OwnPlaceOf(const records::Record& record);

}  // namespace kalodaya
