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
// A calculation setting's name (astro/calculation_settings.h, "lahiri") -> "setting.lahiri".
std::string SettingTextKey(std::string_view settingName);

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

// Birth times and the calculation: %1 clock time, %2 date; %1 the zone; %1 hours, %2 minutes,
// %3 ghatis; %1 position, %2 arc, %3 birth time; %1 seconds; %1 minutes, %2 seconds; %1 .. %4
// the ephemeris, ayanamsa, node and sunrise settings by SettingTextKey.
inline constexpr std::string_view kClockOnDate = "format.clockOnDate";
inline constexpr std::string_view kZoneDaylight = "format.zoneDaylight";
inline constexpr std::string_view kElapsed = "format.elapsed";
inline constexpr std::string_view kTimeElapsedCaption = "caption.timeElapsed";
inline constexpr std::string_view kTimeToSunriseCaption = "caption.timeToSunrise";
// The facts panel's own captions (its time zone and sunrises share the printed page's).
inline constexpr std::string_view kBirthCaption = "caption.birth";
inline constexpr std::string_view kZoneEntryCaption = "caption.zoneEntry";
inline constexpr std::string_view kClockTimeCaption = "caption.clockTime";
inline constexpr std::string_view kGhatiLagnaCaption = "caption.ghatiLagna";
inline constexpr std::string_view kSettingsCaption = "caption.settings";
inline constexpr std::string_view kPageTimeZone = "page.timeZone";
inline constexpr std::string_view kPageSunrise = "page.sunrise";
inline constexpr std::string_view kPageReferenceSunrise = "page.referenceSunrise";
inline constexpr std::string_view kClassicComparison = "format.classicComparison";
inline constexpr std::string_view kSeconds = "format.seconds";
inline constexpr std::string_view kMinutesSeconds = "format.minutesSeconds";
inline constexpr std::string_view kSettings = "format.settings";

// The birthplace's clock at the birth. The zone line: %1 the IANA zone, %2 the date
// (kDayMonthYear: %1 day, %2 month name, %3 year), %3 the clock time, %4 the offset, %5 its
// abbreviation. Its notes: a skipped or repeated clock time, local mean time, a city's mean time
// (%1 abbreviation, %2 offset), the exact entry a place needs (%1 offset). A phrase made a
// sentence (%1). The city times: in use (%1 its name, %2 its offset, %3 the year it ended,
// %4 and %5 the database's offset and abbreviation) or not (%1 the city, %2 the city time's
// name, %3 its offset, %4 the year, %5 and %6 the database's); the printed row when not in use
// (%1 the database's abbreviation, %2 the city time with its offset). The zone source of a
// typed offset. Offsets come written "UTC+05:30", in Latin letters in every language.
inline constexpr std::string_view kZoneLine = "zone.line";
inline constexpr std::string_view kDayMonthYear = "format.dayMonthYear";
inline constexpr std::string_view kClockSkipped = "clock.skipped";
inline constexpr std::string_view kClockRepeated = "clock.repeated";
inline constexpr std::string_view kClockLocalMeanTime = "clock.localMeanTime";
inline constexpr std::string_view kClockCityMeanTime = "clock.cityMeanTime";
inline constexpr std::string_view kZoneExactEntry = "zone.exactEntry";
inline constexpr std::string_view kSentence = "format.sentence";
inline constexpr std::string_view kCityTimeUsed = "cityTime.used";
inline constexpr std::string_view kCityTimeKept = "cityTime.kept";
inline constexpr std::string_view kCityTimeRowKept = "cityTime.rowKept";
inline constexpr std::string_view kExactOffsetSource = "zone.exactOffset";
// A place of the user's own (%1 its offset), and what its offset is when no zone has it; a zone
// picked by hand (%1 the atlas's pick), with the daylight box ticked or not.
inline constexpr std::string_view kZoneOwnPlace = "zone.ownPlace";
inline constexpr std::string_view kZoneExactEntryShort = "zone.exactEntryShort";
inline constexpr std::string_view kZoneByHand = "zone.byHand";
inline constexpr std::string_view kZoneByHandDaylight = "zone.byHandDaylight";

// The birth-time windows: subjects (%1 the sign), the line (%1 subject, %2 and %3 the edges,
// %4 and %5 their distances from the birth, %6 the birth), an edge that is no change (%1 its
// clock time), the distances, and the range's column heads and caption.
inline constexpr std::string_view kWindowGhatiLagna = "window.ghatiLagna";
inline constexpr std::string_view kWindowAscendant = "window.ascendant";
inline constexpr std::string_view kWindowMoon = "window.moon";
inline constexpr std::string_view kWindowChart = "window.chart";
inline constexpr std::string_view kWindowLine = "window.line";
inline constexpr std::string_view kLimitSearch = "window.limit.search";
inline constexpr std::string_view kLimitDateRange = "window.limit.dateRange";
inline constexpr std::string_view kLimitPolar = "window.limit.polar";
inline constexpr std::string_view kDistanceDay = "distance.day";
inline constexpr std::string_view kDistanceDays = "distance.days";
inline constexpr std::string_view kDistanceHours = "distance.hours";
inline constexpr std::string_view kDistanceMinutes = "distance.minutes";
inline constexpr std::string_view kRangeHeads[] = {"range.from", "range.to", "range.ghatiLagna",
                                                   "range.ascendant", "range.moon"};
inline constexpr std::string_view kRangeUncertainty = "range.uncertainty";
inline constexpr std::string_view kRangeUncertaintyUnit = "range.uncertaintyUnit";
// The windows' heading; the range's caption: %1 minutes, %2 their unit, %3 the birth's clock
// time; the caption of a range asked for by its edges.
inline constexpr std::string_view kWindowsCaption = "window.caption";
inline constexpr std::string_view kRangeCaption = "range.caption";
inline constexpr std::string_view kRangeCaptionAsked = "range.captionAsked";

}  // namespace text_key
}  // namespace kalodaya
