#include "chart/present_place.h"

#include <cstdio>

#include "base/utc_offset.h"
#include "profile/chart_words.h"
#include "profile/language_texts.h"
#include "profile/text_keys.h"

namespace kalodaya {
namespace {

namespace key = text_key;

std::string Fill(Language language, std::string_view pattern,
                 std::initializer_list<std::string_view> arguments) {
    return FillPlaceholders(Text(language, pattern), arguments);
}

// "10:30", or "10:30:05" when the clock time has seconds.
std::string ClockText(const atlas::CivilTime& c) {
    char text[16];
    const int length =
        c.second == 0
            ? std::snprintf(text, sizeof text, "%02d:%02d", c.hour, c.minute)
            : std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hour, c.minute, c.second);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string NumberText(int value) { return std::to_string(value); }

// "UTC+05:30": the offsets keep their Latin letters in every language, as the zone list does.
std::string OffsetText(int seconds) { return "UTC" + UtcOffsetText(seconds); }

std::string CityTimeWithOffset(const atlas::CityTime& city) {
    return std::string(city.name) + " (" + OffsetText(city.offsetSeconds) + ")";
}

}  // namespace

std::vector<std::string> ClockNoteTexts(atlas::ClockReading clock, bool localMeanTime,
                                        int offsetSeconds, std::string_view abbreviation,
                                        Language language) {
    std::vector<std::string> notes;
    if (clock == atlas::ClockReading::kSkipped)
        notes.emplace_back(Text(language, key::kClockSkipped));
    if (clock == atlas::ClockReading::kRepeated)
        notes.emplace_back(Text(language, key::kClockRepeated));
    if (localMeanTime) {
        notes.emplace_back(Text(language, key::kClockLocalMeanTime));
    } else if (offsetSeconds % 900 != 0) {
        notes.push_back(
            Fill(language, key::kClockCityMeanTime, {abbreviation, OffsetText(offsetSeconds)}));
    }
    return notes;
}

std::string ZoneLineText(const atlas::PlaceAtBirth& birth, Language language) {
    const atlas::CivilTime& c = birth.clock;
    const std::string date = Fill(language, key::kDayMonthYear,
                                  {NumberText(c.day), WordsOf(language).monthNames[c.month - 1],
                                   NumberText(c.year)});
    std::string line = Fill(language, key::kZoneLine,
                            {birth.place.timeZone, date, ClockText(c),
                             OffsetText(birth.offset.utcOffsetSeconds),
                             birth.offset.abbreviation});
    std::vector<std::string> notes =
        ClockNoteTexts(birth.offset.clock, birth.offset.localMeanTime,
                       birth.offset.utcOffsetSeconds, birth.offset.abbreviation, language);
    // A city time in use is the exact entry's own; its note says so.
    if (!birth.zoneEntry && !birth.cityTimeUsed)
        notes.push_back(Fill(language, key::kZoneExactEntry, {OffsetText(birth.usedOffsetSeconds)}));
    for (std::size_t i = 0; i < notes.size(); ++i) line.append(i == 0 ? " — " : "; ").append(notes[i]);
    return line;
}

std::string OwnPlaceLineText(int offsetSeconds, bool exactEntry, Language language) {
    std::string line = Fill(language, key::kZoneOwnPlace, {OffsetText(offsetSeconds)});
    if (exactEntry) line.append(" — ").append(Text(language, key::kZoneExactEntryShort));
    return line;
}

std::string ZoneByHandText(std::string_view atlasPick, bool daylightTicked, Language language) {
    return Fill(language, daylightTicked ? key::kZoneByHandDaylight : key::kZoneByHand,
                {atlasPick});
}

std::string AsSentence(std::string phrase, Language language) {
    if (!phrase.empty() && phrase[0] >= 'a' && phrase[0] <= 'z') phrase[0] -= 'a' - 'A';
    return Fill(language, key::kSentence, {phrase});
}

std::optional<std::string> CityTimeNote(const AtlasPlace& place, Language language) {
    if (!place.cityTime) return std::nullopt;
    const atlas::CityTime& city = *place.cityTime;
    const std::string offset = OffsetText(city.offsetSeconds);
    const std::string year = NumberText(city.untilYear);
    const std::string databaseOffset = OffsetText(place.utcOffsetSeconds);
    if (place.cityTimeUsed)
        return Fill(language, key::kCityTimeUsed,
                    {city.name, offset, year, databaseOffset, place.abbreviation});
    return Fill(language, key::kCityTimeKept,
                {city.city, city.name, offset, year, databaseOffset, place.abbreviation});
}

std::optional<std::string> CityTimeRowText(const AtlasPlace& place, Language language) {
    if (!place.cityTime) return std::nullopt;
    const std::string cityTime = CityTimeWithOffset(*place.cityTime);
    if (place.cityTimeUsed) return cityTime;
    return Fill(language, key::kCityTimeRowKept, {place.abbreviation, cityTime});
}

}  // namespace kalodaya
