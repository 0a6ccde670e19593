#pragma once
// The core's texts in every language the program speaks: sign and body names, the ghati
// lagna's own words, month names, the sign profiles, the entry checks' messages and the
// chart's other messages. Each language is one data file (profile/texts/<code>.tsv, the format
// is in docs/languages.md) compiled into the program and read as it stands by the web page.
// English is the source; a text a language lacks is taken from English.
#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/language_codes.h"

namespace kalodaya {

// Key -> text. Ordered, so that lists of keys come out the same on every platform.
using TextMap = std::map<std::string, std::string, std::less<>>;

struct LanguageFileParse {
    TextMap texts;
    // One line per fault ("line 12: no tab between key and text"); empty when the file is sound.
    std::vector<std::string> problems;
};

// Reads a language file: lines starting with '#' and empty lines are skipped; every other
// line is a key (letters, digits, '.', '_', '-'), one tab and a text that is not empty. A
// trailing carriage return is dropped; the text is otherwise kept byte for byte. Faulty lines
// and second entries of a key are reported and skipped (the first entry stays).
LanguageFileParse ParseLanguageFile(std::string_view data);

// The file of `language` and its glossary (profile/text_checks.h reads it; empty for English)
// as compiled into the program.
std::string_view LanguageFileData(Language language);
std::string_view GlossaryFileData(Language language);

// The texts of `language`'s own file (without the English fallback), parsed on first use from
// any thread and never changed afterwards.
const TextMap& LanguageTexts(Language language);

// The text of `key` in `language`, or its English text when the language has none; an empty
// view when English has none either (no such key).
std::string_view Text(Language language, std::string_view key);

// `pattern` with each %1 .. %9 replaced by the argument of that number. A % followed by
// anything else, or by a number without an argument, stays as it is.
std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments);

}  // namespace kalodaya
