#pragma once
// The texts of a birthplace's clock at the birth, in a language: the line under the form's
// zone box (both editions), the notes on the clock time that the results repeat, and which
// time a chart assumes in a city that kept its own. Zone names, abbreviations and the city
// times' names stay as the zone list writes them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/atlas/place_at_birth.h"
#include "base/language_codes.h"
#include "request/atlas_place.h"

namespace kalodaya {

// "Asia/Kolkata on 15 August 1990 at 10:30: UTC+05:30 (IST)", and after a dash the clock
// notes and, where no zone of the list is the place's clock, the exact entry it needs.
std::string ZoneLineText(const atlas::PlaceAtBirth& birth, Language language = Language::En);

// The line for a place of the user's own kept with a fixed offset: "Your own place's fixed
// offset: UTC+05:30", with " — exact entry" when no zone of the list has that offset.
std::string OwnPlaceLineText(int offsetSeconds, bool exactEntry, Language language = Language::En);

// The note when the user picked another zone than the atlas would: "zone picked by hand; the
// atlas would pick `atlasPick`", and "… with the daylight box clear" when the box is ticked.
std::string ZoneByHandText(std::string_view atlasPick, bool daylightTicked,
                           Language language = Language::En);

// What the birth's clock time says of the zone's history, in order: a skipped or a repeated
// clock time, local mean time before standard time, and a city's own mean time (an offset off
// the quarter hours that is not the birthplace's mean time, such as Amsterdam's +01:19:32).
// Empty when the clock kept an ordinary zone time. Phrases, not sentences: "clocks skipped…".
std::vector<std::string> ClockNoteTexts(atlas::ClockReading clock, bool localMeanTime,
                                        int offsetSeconds, std::string_view abbreviation,
                                        Language language = Language::En);

// A phrase as a sentence of its own: the first letter of Latin script capitalised, the
// language's full stop after it.
std::string AsSentence(std::string phrase, Language language = Language::En);

// Which time the chart assumes for a birth in a city that kept its own time, for the zone
// line, the chart's "place" record and the results: "Bombay kept Bombay Time (UTC+04:51)
// until 1955; this chart assumes the tz database's UTC+05:30 (IST). Choose Bombay Time if the
// birth time was written in city time." None for other places.
std::optional<std::string> CityTimeNote(const AtlasPlace& place, Language language = Language::En);

// The same for a row of the printed page: "IST, not Bombay Time (UTC+04:51)", or "Bombay Time
// (UTC+04:51)" when the chart takes it.
std::optional<std::string> CityTimeRowText(const AtlasPlace& place,
                                           Language language = Language::En);

}  // namespace kalodaya
