#include "chart/place_json.h"

namespace kalodaya {

nlohmann::ordered_json PlaceJson(const atlas::Place& place) {
    nlohmann::ordered_json json;
    json["name"] = place.name;
    json["state"] = place.state;
    json["country"] = place.country;
    json["country_code"] = place.countryCode;
    json["lat"] = place.latitude;
    json["lon"] = place.longitude;
    json["population"] = place.population;
    json["time_zone"] = place.timeZone;
    json["geonames_id"] = place.geonamesId;
    return json;
}

std::string PlaceJsonText(const atlas::Place& place) {
    return PlaceJson(place).dump(-1, ' ', false,
                                 nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace kalodaya
