#pragma once
// The words of one language that a chart's texts are made of, looked up once per language so
// that presenting a chart (many charts, in a batch) only copies views.
#include <array>
#include <string>
#include <string_view>

#include "base/tables.h"
#include "profile/language_texts.h"
#include "profile/sign_profile_tables.h"

namespace kalodaya {

struct ChartWords {
    std::array<std::string_view, kSignCount> signNames;  // "Aries"
    std::array<std::string_view, kSignCount> signCodes;  // "Ari", as position texts show it
    std::array<std::string_view, kBodyCount> bodyNames;  // "Sun" .. "Asc"
    // A retrograde body's name in the chart: name, blank, retrograde mark, blank
    // ("Saturn (R) ").
    std::array<std::string, kBodyCount> retrogradeNames;
    std::string_view ghatiLagna;      // "Ghati Lagna"
    std::string_view ghatiLagnaMark;  // "GL"
    std::array<std::string_view, 12> monthNames;  // January first
    std::string_view north, south, east, west;    // hemisphere marks
    // Patterns for FillPlaceholders (profile/text_keys.h says what %1.. stand for).
    std::string_view dateWords, birthDate, birthTime, coordinate, polarMessage;
    // The 28 profile values of each sign. The English name stays English in every language
    // (it is the name in English); the sign abbreviation is the language's sign code.
    SignProfileTable profiles;
    // The profile captions by profile array (none for the sign abbreviation, which is not
    // shown), and the header's caption over the ghati lagna's sign.
    std::array<std::string_view, kProfileFieldCount> captions;
    std::string_view ghatiLagnaSignCaption;
};

// Built on first use from any thread, never changed afterwards; the views point into the
// language files' texts, which live as long as the program.
const ChartWords& WordsOf(Language language);

}  // namespace kalodaya
