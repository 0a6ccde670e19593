#include "records/request_lines.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "records/record_fields.h"

namespace kalodaya::records {
namespace {

using Json = nlohmann::json;

constexpr std::array<std::string_view, 11> kKeys = {
    "name", "date", "time", "lat", "lon", "zone", "utc_offset", "dst", "city", "state", "country"};

Error NotAString(std::string_view key) {
    return {"\"" + std::string(key) + "\" must be a string"};
}

// A text member: absent or null read as `absentText`, a string as itself, anything else refused.
Result<std::string> TextMember(const Json& request, std::string_view key, bool* present = nullptr) {
    const auto it = request.find(key);
    if (present) *present = it != request.end();
    if (it == request.end() || it->is_null()) return std::string();
    if (!it->is_string()) return NotAString(key);
    return it->get<std::string>();
}

}  // namespace

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
    return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Result<Record> ParseRequestLine(std::string_view line) {
    // --batch refuses a key given twice; the library would keep the last one silently.
    std::vector<std::string> keys;
    std::optional<std::string> repeated;
    const Json::parser_callback_t noRepeatedKeys = [&](int depth, Json::parse_event_t event,
                                                       Json& parsed) {
        if (event == Json::parse_event_t::key && depth == 1 && !repeated) {
            const auto& key = parsed.get_ref<const std::string&>();
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) repeated = key;
            keys.push_back(key);
        }
        return true;
    };
    // A null is a key left out, as --batch reads it.
    Json request = Json::parse(line, noRepeatedKeys, /*allow_exceptions=*/false);
    if (request.is_discarded() || !request.is_object())
        return Error{IsUtf8(line) ? "the line is not a JSON object" : "the line is not UTF-8 text"};
    if (repeated) return Error{"the key \"" + *repeated + "\" appears more than once"};
    for (auto it = request.begin(); it != request.end();)
        it = it->is_null() ? request.erase(it) : std::next(it);
    for (const auto& item : request.items()) {
        bool known = false;
        for (auto key : kKeys) known = known || key == item.key();
        if (!known) return Error{"unknown key \"" + item.key() + "\""};
    }

    Record record;
    auto name = TextMember(request, "name");
    if (!name) return name.error();
    record.name = std::move(*name);

    // Date, time and coordinates: a present key must hold the form, as --batch reads them.
    bool present = false;
    auto date = TextMember(request, "date", &present);
    if (!date) return date.error();
    if (present)
        if (auto error = ReadDate(*date, record)) return *error;
    auto time = TextMember(request, "time", &present);
    if (!time) return time.error();
    if (present)
        if (auto error = ReadTime(*time, record)) return *error;
    auto lat = TextMember(request, "lat", &present);
    if (!lat) return lat.error();
    // An empty latitude or longitude leaves its boxes blank, as --batch reads it.
    if (present && !lat->empty()) {
        auto latitude = ReadLatitude(*lat);
        if (!latitude) return latitude.error();
        record.latitude = *latitude;
    }
    auto lon = TextMember(request, "lon", &present);
    if (!lon) return lon.error();
    if (present && !lon->empty()) {
        auto longitude = ReadLongitude(*lon);
        if (!longitude) return longitude.error();
        record.longitude = *longitude;
    }

    const auto zone = request.find("zone");
    const auto offset = request.find("utc_offset");
    if (zone != request.end() && offset != request.end())
        return Error{"\"zone\" and \"utc_offset\" cannot both be given"};
    if (zone != request.end()) {
        if (!zone->is_number_integer()) return Error{"\"zone\" must be a whole number"};
        // Unsigned values past the signed range read as negative and are refused with them.
        const long long position = zone->get<long long>();
        if (position < 0 || position >= kZoneEntryCount)
            return Error{"unusable zone " + zone->dump() +
                         ": expected a zone list position from 0 to 70"};
        record.zone = ZoneEntry{static_cast<int>(position)};
    }
    if (offset != request.end()) {
        if (!offset->is_string()) return NotAString("utc_offset");
        const auto seconds = ReadUtcOffset(offset->get_ref<const std::string&>());
        if (!seconds) return seconds.error();
        record.zone = ExactOffset{*seconds, ExactOffsetLabel(*seconds, "")};
    }

    if (const auto dst = request.find("dst"); dst != request.end()) {
        if (!dst->is_boolean()) return Error{"\"dst\" must be true or false"};
        record.dst = dst->get<bool>();
    }
    for (auto [key, field] : {std::pair{"city", &record.city}, std::pair{"state", &record.state},
                              std::pair{"country", &record.country}}) {
        auto text = TextMember(request, key);
        if (!text) return text.error();
        *field = std::move(*text);
    }
    return record;
}

}  // namespace kalodaya::records
