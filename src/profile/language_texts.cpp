#include "profile/language_texts.h"

#include "profile/data_lines.h"

namespace kalodaya::embedded {
extern const std::string_view language_en_tsv;
extern const std::string_view language_en_sa_tsv;
extern const std::string_view language_hi_tsv;
extern const std::string_view language_ta_tsv;
extern const std::string_view language_te_tsv;
extern const std::string_view language_kn_tsv;
extern const std::string_view glossary_en_sa_tsv;
extern const std::string_view glossary_hi_tsv;
extern const std::string_view glossary_ta_tsv;
extern const std::string_view glossary_te_tsv;
extern const std::string_view glossary_kn_tsv;
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

struct EmbeddedFiles {
    std::string_view texts;
    std::string_view glossary;  // none for English, the source
};

EmbeddedFiles FilesOf(Language language) {
    using namespace embedded;
    switch (language) {
        case Language::En: return {language_en_tsv, {}};
        case Language::EnSa: return {language_en_sa_tsv, glossary_en_sa_tsv};
        case Language::Hi: return {language_hi_tsv, glossary_hi_tsv};
        case Language::Ta: return {language_ta_tsv, glossary_ta_tsv};
        case Language::Te: return {language_te_tsv, glossary_te_tsv};
        case Language::Kn: return {language_kn_tsv, glossary_kn_tsv};
    }
    return {};
}

std::array<TextMap, kLanguageCount> ParseAll() {
    std::array<TextMap, kLanguageCount> all;
    for (int i = 0; i < kLanguageCount; ++i)
        all[i] = ParseLanguageFile(LanguageFileData(static_cast<Language>(i))).texts;
    return all;
}

}  // namespace

LanguageFileParse ParseLanguageFile(std::string_view data) {
    LanguageFileParse result;
    ForEachDataLine(data, [&result](int lineNo, std::string_view line) {
        const std::string where = "line " + std::to_string(lineNo) + ": ";
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            result.problems.push_back(where + "no tab between key and text");
            return;
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
    });
    return result;
}

std::string_view LanguageFileData(Language language) {
    return FilesOf(language).texts;
}

std::string_view GlossaryFileData(Language language) {
    return FilesOf(language).glossary;
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
