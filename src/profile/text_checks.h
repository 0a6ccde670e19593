#pragma once
// Checks of a translation against the English texts and against its language's glossary: the
// tests run them over every language file, and a translator's new file passes them before it
// ships (docs/languages.md).
#include <string>
#include <string_view>
#include <vector>

#include "profile/language_texts.h"

namespace kalodaya {

// What a translation must keep of a text: each placeholder %1 .. %9 and each run of digits
// (a number is a number in every language here: the Latin digits stay), sorted.
std::vector<std::string> KeptParts(std::string_view text);

// Whether a language written in `script` (ISO 15924) must give its own text where English has
// `englishText`: a language of another script than Latin must translate every text with a
// Latin letter in it; a text of digits and punctuation ("9, 1") reads the same everywhere.
bool MustTranslate(std::string_view script, std::string_view englishText);

struct MissingText {
    std::string key;
    bool required;  // MustTranslate for the translation's meta.script
};

// The English keys the translation has no text for, in key order.
std::vector<MissingText> MissingTexts(const TextMap& english, const TextMap& translation);

// Faults of the translation's own texts, one line each ("value.Leo.LuckyNumbers: keeps 1 4 5,
// English has 1 4 5 9"): keys English does not have, texts of blanks only, texts that do not
// keep the English text's KeptParts, and Latin letters in a language of another script.
std::vector<std::string> TranslationProblems(const TextMap& english, const TextMap& translation);

// One term of a language's glossary: the word every text uses for an English term.
struct GlossaryEntry {
    std::string english;  // as English texts write it, matched as a whole word, case and all
    std::string term;     // the language's word, the whole text where English is just the word
    // Beginnings of the term's inflected forms that count as a use of it in running text (the
    // term itself when none is given), e.g. Tamil "செவ்வாய" for செவ்வாயால், செவ்வாய்.
    std::vector<std::string> forms;
    std::vector<std::string> avoid;  // other words for the same thing: no text uses them
    std::string note;
};

struct GlossaryParse {
    std::vector<GlossaryEntry> entries;
    std::vector<std::string> problems;  // "line 7: ..."
};

// Reads a glossary file: '#' lines and empty lines are skipped; every other line is English
// term, tab, term, then optionally tab and forms, tab and avoided words (each separated by '|'),
// tab and a note; a missing or empty column is empty.
GlossaryParse ParseGlossary(std::string_view data);

// Where the texts of a language (its own, or English where it has none) break its glossary:
// a text that is the English term alone must be the term; a text whose English has the term
// as a word must use one of its forms; no text may use an avoided word (as a whole word).
// Sign codes (keys ending ".code") are abbreviations: only the last rule holds for them.
std::vector<std::string> GlossaryProblems(const std::vector<GlossaryEntry>& glossary,
                                          const TextMap& english, const TextMap& translation);

}  // namespace kalodaya
