#pragma once
// The shared vocabulary: body order, sign order and codes, sign lords, sign classes, month names.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kalodaya {

// Body order of every list indexed by body.
enum Body : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Asc };
inline constexpr int kBodyCount = 10;

inline constexpr std::array<std::string_view, kBodyCount> kPlainPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

inline constexpr int kSignCount = 12;

inline constexpr std::array<std::string_view, kSignCount> kSignCodes = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline constexpr std::array<std::string_view, kSignCount> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Ruling body of each sign, spelled as in the plain planet names so the two compare as text.
inline constexpr std::array<std::string_view, kSignCount> kSignLords = {
    "Mars",  "Venus", "Mercury", "Moon",    "Sun",    "Mercury",
    "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

enum class SignClass { Movable, Fixed, Dual };
constexpr SignClass ClassOfSign(int signIndex) { return static_cast<SignClass>(signIndex % 3); }
// An even index is an odd sign in the astrological sense.
constexpr bool IsOddSign(int signIndex) { return signIndex % 2 == 0; }

namespace detail {

// The three bytes of a sign code as one number.
constexpr uint32_t PackSignCode(std::string_view code) {
    return static_cast<uint32_t>(static_cast<unsigned char>(code[0])) |
           static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 16;
}

// A slot of 16 for every packed code; the twelve sign codes fall into twelve different slots
// (checked below), so one lookup and one comparison find a code. Position texts are looked up
// dozens of times per chart, so the lookup is inline.
constexpr std::size_t SignCodeSlot(uint32_t packed) {
    return static_cast<std::size_t>((uint64_t{packed} * 2635) >> 20) & 15;
}

inline constexpr std::array<int8_t, 16> kSignOfSlot = [] {
    std::array<int8_t, 16> table{};
    for (auto& sign : table) sign = -1;
    for (int i = 0; i < kSignCount; ++i) {
        auto& sign = table[SignCodeSlot(PackSignCode(kSignCodes[i]))];
        if (sign >= 0) throw "two sign codes share a slot";  // stops the compilation
        sign = static_cast<int8_t>(i);
    }
    return table;
}();

}  // namespace detail

// The sign index whose code equals `code` exactly (case-sensitive), or -1. (A plain int: an
// optional result is often written to memory and read back, which stalls the hot loops.)
inline int SignIndexOfCodeOrNone(std::string_view code) {
    if (code.size() != 3) return -1;
    const uint32_t packed = detail::PackSignCode(code);
    const int sign = detail::kSignOfSlot[detail::SignCodeSlot(packed)];
    if (sign < 0 || detail::PackSignCode(kSignCodes[sign]) != packed) return -1;
    return sign;
}

// The sign index whose code equals `code` exactly (case-sensitive), if any.
inline std::optional<int> SignIndexOfCode(std::string_view code) {
    const int sign = SignIndexOfCodeOrNone(code);
    if (sign < 0) return std::nullopt;
    return sign;
}

// Characters 4 to 6 of a position text ("28 Vir 42" -> "Vir"); empty when the text is short.
inline std::string_view SignCodeOfPosition(std::string_view positionText) {
    if (positionText.size() < 6) return {};
    return positionText.substr(3, 3);
}

// SignIndexOfCodeOrNone(SignCodeOfPosition(text)): a sign index, or -1.
inline int SignIndexOfPositionOrNone(std::string_view positionText) {
    return SignIndexOfCodeOrNone(SignCodeOfPosition(positionText));
}

// SignIndexOfCode(SignCodeOfPosition(text)).
inline std::optional<int> SignIndexOfPosition(std::string_view positionText) {
    return SignIndexOfCode(SignCodeOfPosition(positionText));
}

}  // namespace kalodaya
