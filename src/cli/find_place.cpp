#include "cli/find_place.h"

#include "astro/atlas/atlas.h"

namespace kalodaya::cli {

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

int RunFindPlace(std::string_view text, long long limit, std::ostream& out, std::ostream& err) {
    constexpr int kExitUnusable = 2;
    if (limit < 1) {
        err << "kalodaya-chart: --limit must be 1 or more\n";
        return kExitUnusable;
    }
    const auto loaded = atlas::Atlas::LoadInstalled();
    if (!loaded) {
        err << "kalodaya-chart: " << loaded.error().message << "\n";
        return kExitUnusable;
    }
    for (const atlas::Place& place :
         (*loaded)->places().Search(text, static_cast<std::size_t>(limit))) {
        out << PlaceJson(place).dump(-1, ' ', false,
                                     nlohmann::ordered_json::error_handler_t::replace)
            << "\n";
    }
    return 0;
}

}  // namespace kalodaya::cli
