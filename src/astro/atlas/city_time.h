#pragma once
// The city times of India's two presidency cities. The tz database gives all of India one
// history (Indian Standard Time from 1906), but Bombay kept its own Bombay Time (UTC+04:51)
// until 1955 and Calcutta its Calcutta Time (UTC+05:53:20) until 1948, as the database's own
// notes on India say; birth records of those years are often in city time.
#include <optional>
#include <string_view>

#include "astro/atlas/civil_time.h"
#include "astro/atlas/place.h"

namespace kalodaya::atlas {

struct CityTime {
    std::string_view city;  // "Bombay", as the city was named then
    std::string_view name;  // "Bombay Time"
    int offsetSeconds = 0;  // east of Greenwich: 17460 for UTC+04:51
    int untilYear = 0;      // the city kept it until the start of this year

    friend bool operator==(const CityTime&, const CityTime&) = default;
};

// The city time a place kept at a local clock time: for places of the Mumbai or Kolkata urban
// area (within 35 km of the old city's centre) before the year the city gave it up.
std::optional<CityTime> CityTimeAt(const Place& place, const CivilTime& clock);

}  // namespace kalodaya::atlas
