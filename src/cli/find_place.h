#pragma once
// kalodaya-chart --find-place: the atlas's matches for a place name, one JSON object a line.
#include <ostream>
#include <string_view>

namespace kalodaya::cli {

inline constexpr long long kDefaultPlaceLimit = 10;

// Writes the matches of `text` to `out`, best first, at most `limit`; nothing when none match.
// Returns the exit status: 0, or 2 (with a message on `err`) for a limit below 1 or an atlas
// that cannot be loaded.
int RunFindPlace(std::string_view text, long long limit, std::ostream& out, std::ostream& err);

}  // namespace kalodaya::cli
