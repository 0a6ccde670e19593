#include "astro/atlas/city_time.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kalodaya::atlas {
namespace {

struct CityArea {
    CityTime time;
    double latitude, longitude;  // the old city's centre: the Fort in Bombay, Dalhousie Square
                                 // in Calcutta
};

// The tz database's notes on India: Calcutta Time lasted until 1948, Bombay Time until 1955
// (a year alone meaning its start, as the database writes it).
constexpr std::array kCityAreas = {
    CityArea{{"Bombay", "Bombay Time", 4 * 3600 + 51 * 60, 1955}, 18.933, 72.835},
    CityArea{{"Calcutta", "Calcutta Time", 5 * 3600 + 53 * 60 + 20, 1948}, 22.572, 88.349},
};

// An urban area's reach from its old centre: Thane and Navi Mumbai, Howrah, Barrackpore and
// Sonarpur are in; Kalyan, Pune and Bardhaman are not.
constexpr double kAreaKilometres = 35;

double KilometresBetween(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadians = std::numbers::pi / 180;
    constexpr double kEarthKilometres = 6371;
    const double dLat = (lat2 - lat1) * kRadians;
    const double dLon = (lon2 - lon1) * kRadians;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) *
                         std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthKilometres * std::asin(std::sqrt(a));
}

}  // namespace

std::optional<CityTime> CityTimeAt(const Place& place, const CivilTime& clock) {
    if (place.countryCode != "IN") return std::nullopt;
    for (const CityArea& area : kCityAreas) {
        if (clock.year >= area.time.untilYear) continue;
        if (KilometresBetween(place.latitude, place.longitude, area.latitude, area.longitude) <=
            kAreaKilometres)
            return area.time;
    }
    return std::nullopt;
}

}  // namespace kalodaya::atlas
