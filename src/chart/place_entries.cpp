#include "chart/place_entries.h"

#include <cmath>

#include "astro/atlas/place_texts.h"
#include "astro/atlas/zone_entry_match.h"
#include "astro/zone_table.h"
#include "base/text_convert.h"

namespace kalodaya {

std::optional<atlas::CivilTime> BirthClock(const Entries& e) {
    const auto year = ToInteger(e.yearText), day = ToInteger(e.dayText);
    const auto hour = ToInteger(e.hourText), minute = ToInteger(e.minuteText);
    const auto second = ToInteger(e.secondText);
    if (!year || !day || !hour || !minute || !second) return std::nullopt;
    const atlas::CivilTime clock{*year, e.monthIndex + 1, *day, *hour, *minute, *second};
    if (!atlas::IsValid(clock)) return std::nullopt;
    return clock;
}

void EnterPlace(Entries& e, const atlas::Place& place) {
    e.city = place.name;
    e.state = place.state;
    e.country = place.country;
    const atlas::DegreesMinutes lat = atlas::RoundToMinute(place.latitude);
    const atlas::DegreesMinutes lon = atlas::RoundToMinute(place.longitude);
    e.latDegText = IntText(lat.degrees);
    e.latMinText = IntText(lat.minutes);
    e.north = !lat.negative;
    e.lonDegText = IntText(lon.degrees);
    e.lonMinText = IntText(lon.minutes);
    e.east = !lon.negative;
    e.atlasPlace.reset();
}

void EnterPlaceAtBirth(Entries& e, const atlas::PlaceAtBirth& birth, ZoneChoice zone) {
    EnterPlace(e, birth.place);
    e.atlasPlace = AtlasPlaceOf(birth);
    if (zone == ZoneChoice::Kept) return;
    if (birth.zoneEntry) {
        e.zoneIndex = *birth.zoneEntry;
        e.exactZone.reset();
    } else {
        e.zoneIndex = kZoneCount;
        e.exactZone = ExactZoneOf(birth.usedOffsetSeconds);
    }
    e.dst = false;
}

std::optional<atlas::PlaceAtBirth> EnterAtlasPlace(Entries& e, const atlas::Atlas& atlas,
                                                   const atlas::Place& place, ZoneChoice zone) {
    const std::optional<atlas::CivilTime> clock = BirthClock(e);
    auto birth = clock ? atlas::ResolvePlaceAtBirth(atlas, place, *clock)
                       : atlas::Expected<atlas::PlaceAtBirth>(atlas::AtlasError{});
    if (!birth) {
        EnterPlace(e, place);
        return std::nullopt;
    }
    EnterPlaceAtBirth(e, *birth, zone);
    return *birth;
}

AtlasPlace AtlasPlaceOf(const atlas::PlaceAtBirth& birth) {
    const atlas::Place& p = birth.place;
    AtlasPlace record;
    record.name = p.name;
    record.state = p.state;
    record.country = p.country;
    if (p.geonamesId != 0) record.geonamesId = p.geonamesId;
    record.latitude = p.latitude;
    record.longitude = p.longitude;
    record.timeZone = p.timeZone;
    record.utcOffsetSeconds = birth.offset.utcOffsetSeconds;
    record.abbreviation = birth.offset.abbreviation;
    record.daylight = birth.offset.daylight;
    record.clock = birth.offset.clock;
    record.localMeanTime = birth.offset.localMeanTime;
    record.tzdataVersion = birth.tzdataVersion;
    return record;
}

ZoneOffset ExactZoneOf(int utcOffsetSeconds) {
    const int minutes = static_cast<int>(std::lround(utcOffsetSeconds / 60.0));
    const atlas::ZoneHoursMinutes west = atlas::ToZoneHoursMinutes(minutes * 60);
    return {west.hours, west.minutes};
}

}  // namespace kalodaya
