#pragma once
// The keys of the language files (profile/language_texts.h). Keys name what a text is, by the
// program's own names for signs, bodies and profile arrays, never by the control that shows it,
// so that they outlive any window's layout.
#include <string>
#include <string_view>

namespace kalodaya {

std::string SignNameKey(int sign);  // 0..11 -> "sign.Aries"
std::string SignCodeKey(int sign);  // "sign.Aries.code": the sign in position texts, "28 Vir 42"
std::string BodyNameKey(int body);  // 0..9 -> "body.Sun" .. "body.Asc"
std::string MonthNameKey(int month);                // 1..12 -> "month.January"
std::string ProfileCaptionKey(int array);           // "caption.RulingPlanet"
std::string ProfileValueKey(int sign, int array);   // "value.Aries.RulingPlanet"

namespace text_key {

// About the file itself: the language's code, its own name, its script (ISO 15924: Latn,
// Deva, Taml, Telu, Knda) and how far the translation has come.
inline constexpr std::string_view kCode = "meta.code";
inline constexpr std::string_view kName = "meta.name";
inline constexpr std::string_view kScript = "meta.script";
inline constexpr std::string_view kStatus = "meta.status";

inline constexpr std::string_view kGhatiLagna = "term.ghatiLagna";          // "Ghati Lagna"
inline constexpr std::string_view kGhatiLagnaMark = "mark.ghatiLagna";      // "GL"
inline constexpr std::string_view kRetrogradeMark = "mark.retrograde";      // "(R)"
inline constexpr std::string_view kGhatiLagnaSignCaption = "caption.GhatiLagnaPresentInSign";

// "N", "S", "E", "W" after a coordinate.
inline constexpr std::string_view kNorth = "hemisphere.N";
inline constexpr std::string_view kSouth = "hemisphere.S";
inline constexpr std::string_view kEast = "hemisphere.E";
inline constexpr std::string_view kWest = "hemisphere.W";

// Patterns: %1 month name, %2 day, %3 year ("August 15, 1990"; "August/15/1990"); %1 hour,
// %2 minute ("9:5"); %1 degrees, %2 minutes, %3 hemisphere ("28° 39' N").
inline constexpr std::string_view kDateWords = "format.dateWords";
inline constexpr std::string_view kBirthDate = "format.birthDate";
inline constexpr std::string_view kBirthTime = "format.birthTime";
inline constexpr std::string_view kCoordinate = "format.coordinate";

// %1: the date in words.
inline constexpr std::string_view kPolarMessage = "message.polar";

// The entry checks' messages.
inline constexpr std::string_view kCheckName = "check.name";
inline constexpr std::string_view kCheckLongitudeDegrees = "check.longitudeDegrees";
inline constexpr std::string_view kCheckLongitudeMinutes = "check.longitudeMinutes";
inline constexpr std::string_view kCheckLatitudeDegrees = "check.latitudeDegrees";
inline constexpr std::string_view kCheckLatitudeMinutes = "check.latitudeMinutes";
inline constexpr std::string_view kCheckDate = "check.date";
inline constexpr std::string_view kCheckDayOfThirtyDayMonth = "check.date.thirtyDayMonth";
inline constexpr std::string_view kCheckTimeZone = "check.timeZone";

}  // namespace text_key
}  // namespace kalodaya
