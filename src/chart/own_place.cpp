#include "chart/own_place.h"

#include "astro/zone_table.h"
#include "base/text_convert.h"

namespace kalodaya {

std::optional<records::Place> OwnPlaceOf(const records::Record& r) {
    if (r.geonamesId || TrimBlanks(r.city).empty()) return std::nullopt;
    if (!r.latitude.degrees || !r.latitude.minutes || !r.longitude.degrees ||
        !r.longitude.minutes)
        return std::nullopt;
    records::Place place;
    place.name = r.city;
    place.state = r.state;
    place.country = r.country;
    place.latitude = r.latitude;
    place.longitude = r.longitude;
    if (!r.ianaZone.empty()) {
        place.ianaZone = r.ianaZone;
    } else if (const auto* exact = std::get_if<records::ExactOffset>(&r.zone)) {
        place.utcOffsetSeconds = exact->seconds;
    } else if (const auto zone = ZoneOffsetOfEntry(std::get<records::ZoneEntry>(r.zone).position)) {
        place.utcOffsetSeconds = -zone->WestMinutes() * 60;
    }
    return place;
}

}  // namespace kalodaya
