#pragma once
// The search form of a text: accents dropped (Zürich -> zurich), letters without a
// decomposition spelled in ASCII (ß -> ss, Ł -> l), hyphens and control characters as blanks, runs
// of blanks as one, no blanks at either end, ASCII in lower case. Letters outside the Latin script
// stay as they are. The atlas generator folds alternate names the same way (tools/atlas/fold.mjs).
#include <string>
#include <string_view>

namespace kalodaya::atlas {

std::string FoldForSearch(std::string_view utf8);

// Appends the folded form of `utf8` to `out` (the same rules; no trimming across calls).
void AppendFolded(std::string& out, std::string_view utf8);

}  // namespace kalodaya::atlas
