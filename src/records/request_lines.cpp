#include "records/request_lines.h"

#include <nlohmann/json.hpp>

#include "records/record_fields.h"

namespace kalodaya::records {

std::string RequestLine(const Record& r) {
    nlohmann::ordered_json line;
    line["name"] = r.name;
    line["date"] = DateText(r);
    line["time"] = TimeText(r);
    line["lat"] = LatitudeText(r.latitude);
    line["lon"] = LongitudeText(r.longitude);
    if (const auto* entry = std::get_if<ZoneEntry>(&r.zone))
        line["zone"] = entry->position;
    else
        line["utc_offset"] = UtcOffsetText(std::get<ExactOffset>(r.zone).seconds);
    line["dst"] = r.dst;
    line["city"] = r.city;
    line["state"] = r.state;
    line["country"] = r.country;
    // Written only when they are not the defaults, so that records of an exact time and the
    // classic calculation keep the lines they always had.
    if (r.uncertaintyMinutes != 0) line["uncertainty_minutes"] = r.uncertaintyMinutes;
    if (!r.calculation.IsDefault()) {
        line["ephemeris"] = r.calculation.ephemeris;
        line["ayanamsa"] = r.calculation.ayanamsa;
        line["node"] = r.calculation.node;
        line["sunrise"] = r.calculation.sunrise;
    }
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace kalodaya::records
