#include "astro/atlas/place_at_birth.h"

#include <cmath>
#include <cstdio>

#include "astro/atlas/zone_entry_match.h"

namespace kalodaya::atlas {

Expected<PlaceAtBirth> ResolvePlaceAtBirth(const Atlas& atlas, const Place& place,
                                           const CivilTime& clock, bool useCityTime) {
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
    // Before standard time the birthplace's own mean time stands; a city time follows it.
    if (!offset->localMeanTime) birth.cityTime = CityTimeAt(place, clock);
    if (useCityTime && birth.cityTime) {
        birth.cityTimeUsed = true;
        birth.zoneEntry.reset();
        birth.usedOffsetSeconds =
            static_cast<int>(std::lround(birth.cityTime->offsetSeconds / 60.0)) * 60;
    }
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
    if (birth.offset.clock == ClockReading::kSkipped)
        note(
            "clocks skipped this time when they moved forward; the offset before the change "
            "is used");
    if (birth.offset.clock == ClockReading::kRepeated)
        note("clocks showed this time twice when they moved back; the first is used");
    if (birth.offset.localMeanTime) note("before standard time: the birthplace's local mean time");
    // A city time in use is the exact entry's own; the chart layer's note says so.
    if (!birth.zoneEntry && !birth.cityTimeUsed) {
        note("no zone in the list is this place's clock: exact entry UTC" +
             UtcOffsetText(birth.usedOffsetSeconds));
    }
    return notes.empty() ? line : line + " — " + notes;
}

std::optional<std::string> CityTimeEntryLabel(const PlaceAtBirth& birth) {
    if (!birth.cityTime) return std::nullopt;
    return std::string(birth.cityTime->name) + " UTC" + UtcOffsetText(birth.cityTime->offsetSeconds);
}

std::optional<std::string> ExactEntryLabelFor(const PlaceAtBirth& birth) {
    if (birth.cityTimeUsed) return CityTimeEntryLabel(birth);
    if (birth.zoneEntry) return std::nullopt;
    return ExactEntryLabel(birth.usedOffsetSeconds, birth.offset.abbreviation,
                           birth.place.timeZone);
}

}  // namespace kalodaya::atlas
