#include "astro/atlas/text_fold.h"

#include <algorithm>
#include <cstdint>

#include "astro/atlas/latin_fold_table.h"

namespace kalodaya::atlas {
namespace {

// Decodes one UTF-8 sequence at text[at]; returns its length, or 0 for a byte that starts no
// valid sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    codePoint = value;
    return length;
}

const char* LatinSpelling(char32_t codePoint) {
    const auto table = LatinFoldTable();
    const auto it =
        std::lower_bound(table.begin(), table.end(), codePoint,
                         [](const LatinFold& entry, char32_t cp) { return entry.codePoint < cp; });
    return it != table.end() && it->codePoint == codePoint ? it->ascii : nullptr;
}

void AppendBlankOnce(std::string& out) {
    if (!out.empty() && out.back() != ' ') out += ' ';
}

}  // namespace

void AppendFolded(std::string& out, std::string_view utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        const unsigned char ch = static_cast<unsigned char>(utf8[at]);
        if (ch < 0x80) {
            if (ch <= ' ' || ch == '-' || ch == 0x7F) {
                AppendBlankOnce(out);
            } else if (ch == '`') {
                out += '\'';
            } else {
                out += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A') : ch);
            }
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(utf8, at, codePoint);
        if (length == 0) {  // not UTF-8: kept, so the same bytes still find each other
            out += static_cast<char>(ch);
            ++at;
            continue;
        }
        if (const char* spelling = LatinSpelling(codePoint)) {
            if (spelling[0] == ' ' && spelling[1] == '\0') {
                AppendBlankOnce(out);
            } else {
                out += spelling;
            }
        } else if (codePoint == 0xA0 || codePoint == 0x3000) {
            AppendBlankOnce(out);
        } else {
            out.append(utf8.substr(at, length));
        }
        at += length;
    }
}

std::string FoldForSearch(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendFolded(out, utf8);
    if (!out.empty() && out.front() == ' ') out.erase(0, 1);
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace kalodaya::atlas
