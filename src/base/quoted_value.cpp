#include "base/quoted_value.h"

#include <cstdio>

#include "base/json_bytes.h"

namespace kalodaya {
namespace {

void AppendHex(std::string& out, const char* form, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, form, value);
    out += buffer;
}

// Appends the character of `text` at `at` as a message shows it and returns its length in
// bytes. Quotes and backslashes are escaped only inside quoted values, where they would be
// ambiguous.
std::size_t AppendCharacter(std::string& out, std::string_view text, std::size_t at,
                            bool escapeQuotes) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
        switch (byte) {
            case '\n': out += "\\n"; return 1;
            case '\r': out += "\\r"; return 1;
            case '\t': out += "\\t"; return 1;
            case '"':
            case '\\':
                if (escapeQuotes) out += '\\';
                out += static_cast<char>(byte);
                return 1;
            default:
                break;
        }
        if (byte < 0x20 || byte == 0x7F)
            AppendHex(out, "\\x%02x", byte);
        else
            out += static_cast<char>(byte);
        return 1;
    }
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) {
        AppendHex(out, "\\x%02x", byte);
        return 1;
    }
    // U+0080 to U+009F are control characters too (C1); some terminals act on them.
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (byte == 0xC2 && second < 0xA0) {
        AppendHex(out, "\\u%04x", second);
        return length;
    }
    out.append(text.substr(at, length));
    return length;
}

// The shown form of `text`; `cut` tells whether characters were left off.
std::string Shown(std::string_view text, bool escapeQuotes, bool& cut) {
    std::string out;
    std::size_t at = 0, characters = 0;
    while (at < text.size() && characters < kShownCharacters) {
        at += AppendCharacter(out, text, at, escapeQuotes);
        ++characters;
    }
    cut = at < text.size();
    return out;
}

}  // namespace

std::string ShownValue(std::string_view text) {
    bool cut = false;
    std::string out = Shown(text, true, cut);
    if (cut) out += "...";
    return out;
}

std::string QuotedValue(std::string_view text) {
    bool cut = false;
    std::string out = "\"" + Shown(text, true, cut) + "\"";
    if (cut) out += "...";
    return out;
}

std::string OneLineMessage(std::string_view message) {
    std::string out;
    std::size_t at = 0;
    while (at <= message.size()) {
        std::size_t end = message.find(' ', at);
        if (end == std::string_view::npos) end = message.size();
        bool cut = false;
        out += Shown(message.substr(at, end - at), false, cut);
        if (cut) out += "...";
        if (end == message.size()) break;
        out += ' ';
        at = end + 1;
    }
    return out;
}

}  // namespace kalodaya
