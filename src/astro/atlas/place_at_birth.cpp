#include "astro/atlas/place_at_birth.h"

#include <cmath>
#include <cstdio>

#include "astro/atlas/zone_entry_match.h"

namespace kalodaya::atlas {

Expected<PlaceAtBirth> ResolvePlaceAtBirth(const Atlas& atlas, const Place& place,
                                           const CivilTime& clock) {
    auto offset = atlas.zones().OffsetAt(place.timeZone, clock, place.longitude);
    if (!offset) return offset.error();
    PlaceAtBirth birth;
    birth.place = place;
    birth.clock = clock;
    birth.offset = *offset;
    birth.zoneEntry = MatchZoneEntry(offset->utcOffsetSeconds, offset->abbreviation,
                                     offset->daylight,
                                     offset->localMeanTime ? std::string_view{} : place.timeZone);
    birth.usedOffsetSeconds = static_cast<int>(std::lround(offset->utcOffsetSeconds / 60.0)) * 60;
    birth.tzdataVersion = atlas.zones().tzdataVersion();
    return birth;
}

std::string ZoneLineText(const PlaceAtBirth& birth) {
    const CivilTime& c = birth.clock;
    char when[64];
    if (c.second == 0) {
        std::snprintf(when, sizeof when, "%d %s %d at %02d:%02d", c.day, MonthName(c.month), c.year,
                      c.hour, c.minute);
    } else {
        std::snprintf(when, sizeof when, "%d %s %d at %02d:%02d:%02d", c.day, MonthName(c.month),
                      c.year, c.hour, c.minute, c.second);
    }
    std::string line = std::string(birth.place.timeZone) + " on " + when + ": UTC" +
                       UtcOffsetText(birth.offset.utcOffsetSeconds) + " (" +
                       std::string(birth.offset.abbreviation) + ")";
    std::string notes;
    const auto note = [&](const std::string& text) { notes += (notes.empty() ? "" : "; ") + text; };
    for (const std::string& text : ClockNotes(birth.offset.clock, birth.offset.localMeanTime,
                                              birth.offset.utcOffsetSeconds,
                                              birth.offset.abbreviation))
        note(text);
    if (!birth.zoneEntry) {
        note("no zone in the list is this place's clock: exact entry UTC" +
             UtcOffsetText(birth.usedOffsetSeconds));
    }
    return notes.empty() ? line : line + " — " + notes;
}

std::vector<std::string> ClockNotes(ClockReading clock, bool localMeanTime, int offsetSeconds,
                                    std::string_view abbreviation) {
    std::vector<std::string> notes;
    if (clock == ClockReading::kSkipped)
        notes.emplace_back(
            "clocks skipped this time when they moved forward; the offset before the change "
            "is used");
    if (clock == ClockReading::kRepeated)
        notes.emplace_back("clocks showed this time twice when they moved back; the first is used");
    if (localMeanTime) {
        notes.emplace_back("before standard time: the birthplace's local mean time");
    } else if (offsetSeconds % 900 != 0) {
        notes.emplace_back("the clocks kept a city's own mean time (" + std::string(abbreviation) +
                           " UTC" + UtcOffsetText(offsetSeconds) + "), not a zone's standard time");
    }
    return notes;
}

std::optional<std::string> ExactEntryLabelFor(const PlaceAtBirth& birth) {
    if (birth.zoneEntry) return std::nullopt;
    return ExactEntryLabel(birth.usedOffsetSeconds, birth.offset.abbreviation,
                           birth.place.timeZone);
}

}  // namespace kalodaya::atlas
