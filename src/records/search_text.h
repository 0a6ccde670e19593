#pragma once
// Text as the search boxes compare it: ASCII letters in lower case, Latin letters with accents
// as their base letter ("Zürich" and "zurich" match), everything else byte for byte.
#include <string>
#include <string_view>
#include <vector>

namespace kalodaya::records {

void AppendFolded(std::string& out, std::string_view text);
std::string Folded(std::string_view text);

// The folded words of a query, split at blanks.
std::vector<std::string> SearchTerms(std::string_view query);

// True when every term occurs somewhere in `folded`.
bool MatchesAll(std::string_view folded, const std::vector<std::string>& terms);

}  // namespace kalodaya::records
