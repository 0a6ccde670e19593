// The quick lookups and conversions the stages share, against their plain definitions.
#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/angles.h"
#include "base/tables.h"
#include "base/text_convert.h"
#include "lagna/longitude_sign.h"

namespace kalodaya {
namespace {

std::optional<int> SignByScan(std::string_view code) {
    for (int i = 0; i < kSignCount; ++i)
        if (kSignCodes[i] == code) return i;
    return std::nullopt;
}

TEST(SignCodeLookup, AgreesWithAScanOfTheCodes) {
    // Every three-letter text over the letters of the codes in both cases, and near misses.
    const std::string letters = "AbcCeGiLmnoPqrsSTuVz";
    for (char a : letters)
        for (char b : letters)
            for (char c : letters) {
                const std::string code{a, b, c};
                ASSERT_EQ(SignIndexOfCode(code), SignByScan(code)) << code;
            }
    for (int i = 0; i < kSignCount; ++i) {
        const std::string code(kSignCodes[i]);
        EXPECT_EQ(SignIndexOfCode(code), i);
        EXPECT_EQ(SignIndexOfCode(code + " "), std::nullopt);
        EXPECT_EQ(SignIndexOfCode(code.substr(0, 2)), std::nullopt);
        EXPECT_EQ(SignIndexOfPosition("12 " + code + " 34"), i);
        EXPECT_EQ(SignIndexOfPosition("12 " + code), i);
        EXPECT_EQ(SignIndexOfPosition("1 " + code + " 3"), std::nullopt);
        EXPECT_EQ(SignIndexOfText("07 " + code + " 59"), i);
    }
    EXPECT_EQ(SignIndexOfCode(std::string("Ar\0", 3)), std::nullopt);
    EXPECT_EQ(SignIndexOfPosition(""), std::nullopt);
}

// ToInteger's definition: blanks trimmed, a leading '+' dropped, then std::from_chars.
std::optional<int> IntegerByFromChars(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

TEST(IntegerText, AgreesWithFromChars) {
    std::vector<std::string> texts = {"",           " ",           "0",           "-0",
                                      "+0",         "+-5",         "-+5",         "--5",
                                      "++5",        "-",           "+",           " 12 ",
                                      "1 2",        "12a",         "a12",         "\t12",
                                      "007",        "2147483647",  "2147483648",  "-2147483648",
                                      "-2147483649", "99999999999", "00000000000000000000001",
                                      "1e3",        "0x10",        " - 5"};
    std::mt19937 random(5);
    const std::string alphabet = "0123456789+- x";
    for (int n = 0; n < 50000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 14);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (long long v : {0LL, 1LL, -1LL, 59LL, 2050LL, INT_MAX + 0LL, INT_MIN + 0LL,
                        INT_MAX + 1LL, INT_MIN - 1LL})
        texts.push_back(std::to_string(v));
    for (const std::string& text : texts)
        EXPECT_EQ(ToInteger(text), IntegerByFromChars(text)) << '"' << text << '"';
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("    "), "");
}

TEST(LongitudeLabel, IsTheLabelOfTheFullText) {
    std::vector<double> values = {0, 0.5, 29.999999, 30, 359.99999999, 360, 360.5, 719.9, 1e6,
                                  -45.25, -0.0, 1e19, 1e300, std::nan(""),
                                  std::numeric_limits<double>::infinity()};
    std::mt19937 random(3);
    std::uniform_real_distribution<double> angle(-720, 720);
    for (int n = 0; n < 20000; ++n) values.push_back(angle(random));
    for (double x : values) {
        std::string label = "old text";
        FormatPlanetLabelOfLongitude(x, label);
        EXPECT_EQ(label, FormatPlanetLabel(FormatSignDms(x))) << x;
        EXPECT_EQ(SignIndexOfLongitudeLabel(x), SignIndexOfPosition(label).value_or(-1)) << x;
        // (The reductions step down 360 at a time: only angles of usual size.)
        if (std::fabs(x) < 1e6) {
            EXPECT_EQ(SignIndexOfLongitude(x), SignOfLongitude(x).sign.value_or(-1)) << x;
        }
    }
}

}  // namespace
}  // namespace kalodaya
