#pragma once
// Records as kalodaya-chart --batch request lines: one JSON object per line with the keys
// name, date, time, lat, lon, zone (or utc_offset), dst, city, state, country.
#include <string>

#include "records/record.h"

namespace kalodaya::records {

// Every key, always in that order, so that equal records give equal lines. A record with an
// exact offset writes "utc_offset" in place of "zone". A birth time given as uncertain adds
// "uncertainty_minutes", and a calculation other than the classic one all four of "ephemeris",
// "ayanamsa", "node" and "sunrise". Notes, GeoNames ids, IANA zones and
// times are not part of a request and are left out.
std::string RequestLine(const Record& record);

}  // namespace kalodaya::records
