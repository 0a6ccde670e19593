#pragma once
// The rules of the entry form's boxes and lists, in one place for the form's filters and lists,
// the entry checks and the command line.
namespace kalodaya::entry_rules {

// The year list runs from 1901 to 2050.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

// How many digits each coordinate box holds, and the largest value its check accepts.
inline constexpr int kLatDegreeDigits = 2;
inline constexpr int kLonDegreeDigits = 3;
inline constexpr int kMinuteDigits = 2;
inline constexpr int kMaxLatDegrees = 89;
inline constexpr int kMaxLonDegrees = 179;
inline constexpr int kMaxMinutes = 59;

// The name box takes the letters A to Z (a to z are taken as upper case) and blanks. Returns
// the character the box holds for `c`, or 0 when the box refuses it.
constexpr char NameCharacter(char c) {
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c == ' ') return c;
    return 0;
}
// The same for a character of a wider set (the form's boxes hold UTF-16 text).
constexpr char16_t NameCharacter(char16_t c) {
    return c < 0x80 ? static_cast<char16_t>(NameCharacter(static_cast<char>(c))) : u'\0';
}

// The coordinate boxes take the digits 0 to 9 only.
constexpr bool IsCoordinateCharacter(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace kalodaya::entry_rules
