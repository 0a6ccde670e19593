#include "astro/atlas/place_at_birth.h"

#include <cmath>

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
