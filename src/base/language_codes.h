#pragma once
// The languages the program speaks and their codes: the names of the language files, of
// `--language` and of a request line's "language", and of the stored choice. The texts
// themselves are the profile layer's (profile/language_texts.h).
#include <array>
#include <optional>
#include <string_view>

namespace kalodaya {

enum class Language : int { En, EnSa, Hi, Ta, Te, Kn };
inline constexpr int kLanguageCount = 6;

// The codes, in Language order.
inline constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes = {
    "en", "en-sa", "hi", "ta", "te", "kn"};

constexpr std::string_view CodeOfLanguage(Language language) {
    return kLanguageCodes[static_cast<int>(language)];
}

// The language whose code is `code` exactly ("hi"), if any.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguageCodes[i] == code) return static_cast<Language>(i);
    return std::nullopt;
}

}  // namespace kalodaya
