#include "request/from_atlas.h"

#include "astro/atlas/place_texts.h"

namespace kalodaya {

std::optional<atlas::CivilTime> BirthClock(const BirthRequest& r) {
    const atlas::CivilTime clock{r.year, r.month, r.day, r.hour, r.minute, r.second};
    if (!atlas::IsValid(clock)) return std::nullopt;
    return clock;
}

void EnterPlace(BirthRequest& r, const atlas::Place& place) {
    r.city = place.name;
    r.state = place.state;
    r.country = place.country;
    const atlas::DegreesMinutes lat = atlas::RoundToMinute(place.latitude);
    const atlas::DegreesMinutes lon = atlas::RoundToMinute(place.longitude);
    r.latitude = {lat.degrees, lat.minutes, !lat.negative};
    r.longitude = {lon.degrees, lon.minutes, !lon.negative};
    r.atlasPlace.reset();
}

void EnterPlaceAtBirth(BirthRequest& r, const atlas::PlaceAtBirth& birth, ZoneChoice zone) {
    EnterPlace(r, birth.place);
    r.atlasPlace = AtlasPlaceOf(birth);
    if (zone == ZoneChoice::Kept) return;
    if (birth.zoneEntry)
        r.zone = ZoneListEntry{*birth.zoneEntry};
    else
        r.zone = ExactOffset{birth.usedOffsetSeconds};
    r.daylight = false;
}

std::optional<atlas::PlaceAtBirth> EnterAtlasPlace(BirthRequest& r, const atlas::Atlas& atlas,
                                                   const atlas::Place& place, ZoneChoice zone,
                                                   bool useCityTime) {
    const std::optional<atlas::CivilTime> clock = BirthClock(r);
    auto birth = clock ? atlas::ResolvePlaceAtBirth(atlas, place, *clock, useCityTime)
                       : atlas::Expected<atlas::PlaceAtBirth>(atlas::AtlasError{});
    if (!birth) {
        EnterPlace(r, place);
        return std::nullopt;
    }
    EnterPlaceAtBirth(r, *birth, zone);
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
    record.cityTime = birth.cityTime;
    record.cityTimeUsed = birth.cityTimeUsed;
    return record;
}

}  // namespace kalodaya
