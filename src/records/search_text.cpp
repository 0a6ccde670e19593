#include "records/search_text.h"

namespace kalodaya::records {
namespace {

// Base letters of U+00C0..U+017F (Latin-1 Supplement letters and Latin Extended-A), lower case;
// letters without a base (Æ, Ø, Ł, ß...) take the nearest one.
constexpr std::string_view kLatinBase =
    "aaaaaaaceeeeiiiidnoooooxouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkkllllllllll"
    "nnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kLatinBase.size() == 0x180 - 0xC0);

}  // namespace

void AppendFolded(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch >= 'A' && ch <= 'Z') {
            out += static_cast<char>(ch - 'A' + 'a');
            continue;
        }
        // Two-byte sequences C3 80..C5 BF are U+00C0..U+017F.
        if (ch >= 0xC3 && ch <= 0xC5 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((next & 0xC0) == 0x80) {
                const unsigned code = ((ch & 0x1Fu) << 6) | (next & 0x3Fu);
                if (code >= 0xC0) {
                    out += kLatinBase[code - 0xC0];
                    ++i;
                    continue;
                }
            }
        }
        out += static_cast<char>(ch);
    }
}

std::string Folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendFolded(out, text);
    return out;
}

std::vector<std::string> SearchTerms(std::string_view query) {
    std::vector<std::string> terms;
    std::size_t at = 0;
    while (at < query.size()) {
        while (at < query.size() && (query[at] == ' ' || query[at] == '\t')) ++at;
        const std::size_t start = at;
        while (at < query.size() && query[at] != ' ' && query[at] != '\t') ++at;
        if (at > start) terms.push_back(Folded(query.substr(start, at - start)));
    }
    return terms;
}

bool MatchesAll(std::string_view folded, const std::vector<std::string>& terms) {
    for (const std::string& term : terms)
        if (folded.find(term) == std::string_view::npos) return false;
    return true;
}

}  // namespace kalodaya::records
