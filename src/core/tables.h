#pragma once
// The shared vocabulary: body order, sign order and codes, sign lords, sign classes, month names.
#include <array>
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

// The sign index whose code equals `code` exactly (case-sensitive), if any.
std::optional<int> SignIndexOfCode(std::string_view code);

// Characters 4 to 6 of a position text ("28 Vir 42" -> "Vir"); empty when the text is short.
std::string_view SignCodeOfPosition(std::string_view positionText);

// SignIndexOfCode(SignCodeOfPosition(text)).
std::optional<int> SignIndexOfPosition(std::string_view positionText);

}  // namespace kalodaya
