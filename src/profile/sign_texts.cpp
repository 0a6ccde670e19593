#include "profile/sign_texts.h"

#include <optional>

#include "profile/data_lines.h"

namespace kalodaya::embedded {
extern const std::string_view sign_texts_tsv;
}

namespace kalodaya {
namespace {

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

}  // namespace

SignTextsParse ParseSignTexts(std::string_view data) {
    SignTextsParse result;
    std::array<std::array<bool, kTextTopicCount>, kSignCount> seen{};
    ForEachDataLine(data, [&](int lineNo, std::string_view line) {
        const std::string where = "line " + std::to_string(lineNo) + ": ";
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos || line.find('\t', tab2 + 1) != std::string_view::npos) {
            result.problems.push_back(where + "expected sign, topic and text separated by tabs");
            return;
        }
        const std::string_view signName = line.substr(0, tab1);
        const std::string_view topicName = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string_view text = line.substr(tab2 + 1);
        const std::optional<int> sign = IndexOf(kSignNames, signName);
        const std::optional<int> topic = IndexOf(kTextTopicNames, topicName);
        if (!sign) {
            result.problems.push_back(where + "unknown sign " + Quoted(signName));
        } else if (!topic) {
            result.problems.push_back(where + "unknown topic " + Quoted(topicName));
        } else if (text.empty()) {
            result.problems.push_back(where + "empty text");
        } else if (seen[*sign][*topic]) {
            result.problems.push_back(where + "second entry for " + Quoted(signName) + " " +
                                      Quoted(topicName));
        } else {
            seen[*sign][*topic] = true;
            result.texts[*sign][*topic] = std::string(text);
        }
    });
    for (int sign = 0; sign < kSignCount; ++sign)
        for (int topic = 0; topic < kTextTopicCount; ++topic)
            if (!seen[sign][topic])
                result.problems.push_back("no entry for " + Quoted(kSignNames[sign]) + " " +
                                          Quoted(kTextTopicNames[topic]));
    return result;
}

std::string_view SignTextsData() {
    return embedded::sign_texts_tsv;
}

const SignTextTable& SignTexts() {
    static const SignTextTable texts = ParseSignTexts(SignTextsData()).texts;
    return texts;
}

}  // namespace kalodaya
