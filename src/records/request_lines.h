#pragma once
// Records as kalodaya-chart --batch request lines: one JSON object per line with the keys
// name, date, time, lat, lon, zone (or utc_offset), dst, city, state, country.
#include <string>
#include <string_view>

#include "records/record.h"
#include "records/result.h"

namespace kalodaya::records {

// Every key, always in that order, so that equal records give equal lines. A record with an
// exact offset writes "utc_offset" in place of "zone". Notes, GeoNames ids, IANA zones and
// times are not part of a request and are left out.
std::string RequestLine(const Record& record);

// One request line as a record. Keys and value types are read as --batch reads them (a key
// left out or null keeps the form's default, an empty lat or lon leaves its boxes blank);
// unknown keys, a key given twice, and zone together with utc_offset are refused. An exact
// offset gets the zone list's label.
Result<Record> ParseRequestLine(std::string_view line);

}  // namespace kalodaya::records
