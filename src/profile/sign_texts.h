#pragma once
// The five interpretive texts of each sign, kept in sign_texts.tsv so that they can be edited
// without touching code.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/tables.h"

namespace kalodaya {

// Topic names as the data file spells them, in the order of the text arrays (LooksText ..
// HealthText).
inline constexpr int kTextTopicCount = 5;
inline constexpr std::array<std::string_view, kTextTopicCount> kTextTopicNames = {
    "Looks", "Nature", "Career And Finance", "Love And Domestic Life", "Health"};

// Indexed by sign, then by topic.
using SignTextTable = std::array<std::array<std::string, kTextTopicCount>, kSignCount>;

struct SignTextsParse {
    SignTextTable texts;
    // One line per fault ("line 12: unknown sign \"Aires\""); empty when the file is sound.
    std::vector<std::string> problems;
};

// Reads the data file: lines starting with '#' and empty lines are skipped; every other line
// is sign name, tab, topic name, tab, text. A trailing carriage return is dropped; the text is
// otherwise kept byte for byte, runs of spaces included. Faulty lines are reported and skipped,
// and every sign and topic without an entry is reported.
SignTextsParse ParseSignTexts(std::string_view data);

// The data file compiled into the program.
std::string_view SignTextsData();

// The compiled-in texts, parsed on first use.
const SignTextTable& SignTexts();

}  // namespace kalodaya
