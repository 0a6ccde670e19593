#pragma once
// One place of the atlas, as the search returns it.
#include <cstdint>
#include <string_view>

namespace kalodaya::atlas {

// The texts point into the atlas that returned the place and live as long as it does.
struct Place {
    int64_t geonamesId = 0;
    std::string_view name;         // as GeoNames writes it, UTF-8 ("Chennai", "Zürich")
    std::string_view state;        // GeoNames' admin-1 name; empty when it has none
    std::string_view country;      // CLDR's English short name ("India", "United Kingdom")
    std::string_view countryCode;  // ISO 3166 alpha-2 ("IN")
    double latitude = 0;           // decimal degrees, north positive, to 0.001 degree
    double longitude = 0;          // decimal degrees, east positive, to 0.001 degree
    int64_t population = 0;
    std::string_view timeZone;  // IANA zone name ("Asia/Kolkata")
};

}  // namespace kalodaya::atlas
