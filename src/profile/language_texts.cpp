#include "profile/language_texts.h"

namespace kalodaya::embedded {
extern const std::string_view language_en_tsv;
extern const std::string_view language_en_sa_tsv;
extern const std::string_view language_hi_tsv;
extern const std::string_view language_ta_tsv;
extern const std::string_view language_te_tsv;
extern const std::string_view language_kn_tsv;
}  // namespace kalodaya::embedded

namespace kalodaya {
namespace {

bool IsKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '.' || c == '_' || c == '-';
}

bool IsKey(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (!IsKeyCharacter(c)) return false;
    return true;
}

std::array<TextMap, kLanguageCount> ParseAll() {
    std::array<TextMap, kLanguageCount> all;
    for (int i = 0; i < kLanguageCount; ++i)
        all[i] = ParseLanguageFile(LanguageFileData(static_cast<Language>(i))).texts;
    return all;
}

}  // namespace

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguageCodes[i] == code) return static_cast<Language>(i);
    return std::nullopt;
}

LanguageFileParse ParseLanguageFile(std::string_view data) {
    LanguageFileParse result;
    int lineNo = 0;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::string where = "line " + std::to_string(lineNo) + ": ";
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            result.problems.push_back(where + "no tab between key and text");
            continue;
        }
        const std::string_view key = line.substr(0, tab);
        const std::string_view text = line.substr(tab + 1);
        if (!IsKey(key)) {
            result.problems.push_back(where + "\"" + std::string(key) +
                                      "\" is no key (letters, digits, '.', '_', '-')");
        } else if (text.empty()) {
            result.problems.push_back(where + "empty text for " + std::string(key));
        } else if (text.find('\t') != std::string_view::npos) {
            result.problems.push_back(where + "a second tab in the text of " + std::string(key));
        } else if (!result.texts.emplace(key, text).second) {
            result.problems.push_back(where + "second entry for " + std::string(key));
        }
    }
    return result;
}

std::string_view LanguageFileData(Language language) {
    switch (language) {
        case Language::En: return embedded::language_en_tsv;
        case Language::EnSa: return embedded::language_en_sa_tsv;
        case Language::Hi: return embedded::language_hi_tsv;
        case Language::Ta: return embedded::language_ta_tsv;
        case Language::Te: return embedded::language_te_tsv;
        case Language::Kn: return embedded::language_kn_tsv;
    }
    return {};
}

const TextMap& LanguageTexts(Language language) {
    static const std::array<TextMap, kLanguageCount> all = ParseAll();  // built once, thread-safe
    return all[static_cast<int>(language)];
}

std::string_view Text(Language language, std::string_view key) {
    const TextMap& own = LanguageTexts(language);
    if (auto it = own.find(key); it != own.end()) return it->second;
    const TextMap& english = LanguageTexts(Language::En);
    if (auto it = english.find(key); it != english.end()) return it->second;
    return {};
}

std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < arguments.size()) {
                out.append(arguments.begin()[n]);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace kalodaya
