#include "profile/text_checks.h"

#include <algorithm>

#include "profile/data_lines.h"

namespace kalodaya {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLatinLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view TextOf(const TextMap& map, std::string_view key) {
    const auto it = map.find(key);
    return it == map.end() ? std::string_view{} : std::string_view(it->second);
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) out.append(out.empty() ? "" : " ").append(part);
    return out.empty() ? "nothing" : out;
}

// The code point of the UTF-8 sequence starting at text[i].
char32_t CodePointAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = lead & (0xFF >> (length == 1 ? 1 : length + 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    return cp;
}

// Letters, digits and the combining signs of the Indic scripts are inside a word; blanks,
// ASCII punctuation, the danda and the general punctuation block are not.
bool IsWordCodePoint(char32_t cp) {
    if (cp < 0x80) return IsDigit(static_cast<char>(cp)) || IsLatinLetter(static_cast<char>(cp));
    if (cp == 0x00A0 || cp == 0x00B0 || cp == 0x0964 || cp == 0x0965) return false;
    return cp < 0x2000 || cp > 0x206F;
}

// Whether `word` occurs in `text` with no word character right before or after it.
bool ContainsWord(std::string_view text, std::string_view word) {
    if (word.empty()) return false;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        bool startsWord = true;
        if (at > 0) {
            std::size_t previous = at - 1;  // back to the lead byte of the code point before
            while (previous > 0 && (static_cast<unsigned char>(text[previous]) & 0xC0) == 0x80)
                --previous;
            startsWord = !IsWordCodePoint(CodePointAt(text, previous));
        }
        const std::size_t after = at + word.size();
        const bool endsWord = after == text.size() || !IsWordCodePoint(CodePointAt(text, after));
        if (startsWord && endsWord) return true;
    }
    return false;
}

std::vector<std::string> SplitBars(std::string_view field) {
    std::vector<std::string> parts;
    while (!field.empty()) {
        const std::size_t bar = field.find('|');
        if (bar != 0) parts.emplace_back(field.substr(0, bar));
        if (bar == std::string_view::npos) break;
        field.remove_prefix(bar + 1);
    }
    return parts;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

}  // namespace

std::vector<std::string> KeptParts(std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            parts.emplace_back(text.substr(i, 2));
            i += 2;
        } else if (IsDigit(text[i])) {
            std::size_t end = i;
            while (end < text.size() && IsDigit(text[end])) ++end;
            parts.emplace_back(text.substr(i, end - i));
            i = end;
        } else {
            ++i;
        }
    }
    std::sort(parts.begin(), parts.end());
    return parts;
}

bool MustTranslate(std::string_view script, std::string_view englishText) {
    return script != "Latn" && std::any_of(englishText.begin(), englishText.end(), IsLatinLetter);
}

std::vector<MissingText> MissingTexts(const TextMap& english, const TextMap& translation) {
    const std::string_view script = TextOf(translation, "meta.script");
    std::vector<MissingText> missing;
    for (const auto& [key, text] : english)
        if (!translation.contains(key)) missing.push_back({key, MustTranslate(script, text)});
    return missing;
}

std::vector<std::string> TranslationProblems(const TextMap& english, const TextMap& translation) {
    const bool latinScript = TextOf(translation, "meta.script") == "Latn";
    std::vector<std::string> problems;
    for (const auto& [key, text] : translation) {
        const auto source = english.find(key);
        if (source == english.end()) {
            problems.push_back(key + ": no such key in English");
            continue;
        }
        if (text.find_first_not_of(' ') == std::string::npos) problems.push_back(key + ": blank");
        const std::vector<std::string> kept = KeptParts(text);
        const std::vector<std::string> wanted = KeptParts(source->second);
        if (kept != wanted)
            problems.push_back(key + ": keeps " + Joined(kept) + ", English has " + Joined(wanted));
        if (!latinScript && !key.starts_with("meta.") &&
            std::any_of(text.begin(), text.end(), IsLatinLetter))
            problems.push_back(key + ": Latin letters in \"" + text + "\"");
    }
    return problems;
}

GlossaryParse ParseGlossary(std::string_view data) {
    GlossaryParse result;
    ForEachDataLine(data, [&result](int lineNo, std::string_view line) {
        const std::string where = "line " + std::to_string(lineNo) + ": ";
        const std::vector<std::string_view> fields = SplitTabs(line);
        if (fields.size() < 2 || fields.size() > 5) {
            result.problems.push_back(where + "expected English term, term, forms, avoided words "
                                              "and a note, separated by tabs");
            return;
        }
        const auto field = [&fields](std::size_t i) {
            return i < fields.size() ? fields[i] : std::string_view{};
        };
        if (fields[0].empty() || fields[1].empty()) {
            result.problems.push_back(where + "empty English term or term");
            return;
        }
        const bool repeated = std::any_of(
            result.entries.begin(), result.entries.end(),
            [&](const GlossaryEntry& e) { return e.english == fields[0]; });
        if (repeated) {
            result.problems.push_back(where + "second entry for \"" + std::string(fields[0]) + "\"");
            return;
        }
        GlossaryEntry entry{std::string(fields[0]), std::string(fields[1]), SplitBars(field(2)),
                            SplitBars(field(3)), std::string(field(4))};
        if (entry.forms.empty()) entry.forms.push_back(entry.term);
        result.entries.push_back(std::move(entry));
    });
    return result;
}

std::vector<std::string> GlossaryProblems(const std::vector<GlossaryEntry>& glossary,
                                          const TextMap& english, const TextMap& translation) {
    std::vector<std::string> problems;
    for (const auto& [key, source] : english) {
        const auto own = translation.find(key);
        const std::string& text = own == translation.end() ? source : own->second;
        // A sign code ("Leo", "Sco") abbreviates the name: it need not be or hold the term.
        const bool abbreviation = key.ends_with(".code");
        for (const GlossaryEntry& entry : glossary) {
            // Named apart: clang 14 (emscripten's compiler) cannot capture a structured binding.
            const std::string& textKey = key;
            const auto says = [&](const std::string& what) {
                problems.push_back(textKey + ": " + what + " (\"" + entry.english + "\" is \"" +
                                   entry.term + "\")");
            };
            if (abbreviation) {
                // the avoided words below only
            } else if (source == entry.english) {
                if (text != entry.term) says("\"" + text + "\" instead of the term");
            } else if (ContainsWord(source, entry.english)) {
                const bool used = std::any_of(
                    entry.forms.begin(), entry.forms.end(),
                    [&](const std::string& form) { return text.find(form) != std::string::npos; });
                if (!used) says("the term is not used");
            }
            for (const std::string& word : entry.avoid)
                if (ContainsWord(text, word)) says("uses \"" + word + "\"");
        }
    }
    return problems;
}

}  // namespace kalodaya
