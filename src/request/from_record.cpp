#include "request/from_record.h"

#include "astro/zone_table.h"
#include "base/entry_rules.h"
#include "base/quoted_value.h"
#include "base/text_convert.h"
#include "records/record_fields.h"
#include "request/entry_checks.h"
#include "request/request_line.h"

namespace kalodaya {
namespace {

bool SamePlace(const records::Record& a, const records::Record& b) {
    return a.city == b.city && a.state == b.state && a.country == b.country &&
           a.latitude == b.latitude && a.longitude == b.longitude;
}

// The record's setting names as the request's settings, or why they cannot be computed.
Expected<CalculationSettings, std::string> SettingsOf(const records::Calculation& c) {
    const auto ephemeris = EphemerisNamed(c.ephemeris);
    const auto ayanamsa = AyanamsaNamed(c.ayanamsa);
    const auto node = NodeNamed(c.node);
    const auto sunrise = SunriseNamed(c.sunrise);
    if (!ephemeris) return "unusable ephemeris " + QuotedValue(c.ephemeris) + ": expected classic or modern";
    if (!ayanamsa)
        return "unusable ayanamsa " + QuotedValue(c.ayanamsa) +
               ": expected classic, lahiri, raman, kp or true-chitra";
    if (!node) return "unusable node " + QuotedValue(c.node) + ": expected mean or true";
    if (!sunrise) return "unusable sunrise " + QuotedValue(c.sunrise) + ": expected classic or hindu";
    const CalculationSettings settings{*ephemeris, *ayanamsa, *node, *sunrise};
    if (auto conflict = SettingsConflict(settings)) return *conflict;
    return settings;
}

}  // namespace

Expected<BirthRequest, std::string> RequestFromRecord(const records::Record& r) {
    BirthRequest request;
    for (const char typed : r.name) {
        const char held = entry_rules::NameCharacter(typed);
        if (!held)
            return "unusable name " + QuotedValue(r.name) +
                   ": the name box takes only the letters A to Z and blanks";
        request.name += held;
    }
    request.year = r.year;
    request.month = r.month;
    request.day = r.day;
    request.hour = r.hour;
    request.minute = r.minute;
    request.second = r.second;
    request.latitude = r.latitude;
    request.longitude = r.longitude;
    request.daylight = r.dst;
    if (const auto* entry = std::get_if<records::ZoneEntry>(&r.zone))
        request.zone = ZoneListEntry{entry->position};
    else
        request.zone = ExactOffset{std::get<records::ExactOffset>(r.zone).seconds};
    request.city = r.city;
    request.state = r.state;
    request.country = r.country;
    request.uncertaintyMinutes = r.uncertaintyMinutes;
    auto settings = SettingsOf(r.calculation);
    if (!settings) return settings.error();
    request.settings = *settings;
    return request;
}

Expected<records::Record, std::string> RecordFromRequest(const BirthRequest& q,
                                                         const records::Record& origin) {
    records::Record r;
    r.name = q.name;
    if (q.month < 1 || q.month > 12) return std::string("no month is selected");
    r.year = q.year;
    r.month = q.month;
    r.day = q.day;
    r.hour = q.hour;
    r.minute = q.minute;
    r.second = q.second;
    r.latitude = q.latitude;
    r.longitude = q.longitude;
    r.dst = q.daylight;
    r.city = q.city;
    r.state = q.state;
    r.country = q.country;
    r.uncertaintyMinutes = q.uncertaintyMinutes;
    r.calculation = {std::string(SettingName(q.settings.ephemeris)),
                     std::string(SettingName(q.settings.ayanamsa)),
                     std::string(SettingName(q.settings.node)),
                     std::string(SettingName(q.settings.sunrise))};

    r.note = origin.note;
    r.created = origin.created;
    r.updated = origin.updated;
    if (q.atlasPlace) {
        // A place chosen from the atlas for this request: its id and zone are kept with it.
        r.geonamesId = q.atlasPlace->geonamesId;
        r.ianaZone = q.atlasPlace->timeZone;
    } else if (SamePlace(r, origin)) {
        r.geonamesId = origin.geonamesId;
        r.ianaZone = origin.ianaZone;
    }
    if (const auto* exact = std::get_if<ExactOffset>(&q.zone)) {
        const auto* kept = std::get_if<records::ExactOffset>(&origin.zone);
        if (kept && ExactOffset{kept->seconds}.ToTheMinute() == exact->ToTheMinute()) {
            r.zone = *kept;
        } else {
            r.zone = records::ExactOffset{exact->eastSeconds,
                                          records::ExactOffsetLabel(exact->eastSeconds, r.ianaZone)};
        }
    } else if (const auto* entry = std::get_if<ZoneListEntry>(&q.zone)) {
        r.zone = records::ZoneEntry{entry->position};
    } else {
        return std::string("no time zone is selected");
    }
    return r;
}

bool RequestChanged(const BirthRequest& request, const records::Record& origin) {
    const auto shown = RequestFromRecord(origin);
    if (!shown) return true;
    const auto now = RecordFromRequest(request, origin);
    const auto then = RecordFromRequest(*shown, origin);
    return !now || !then || !records::SameEntries(*now, *then);
}

std::optional<std::string> CheckRecord(const records::Record& record) {
    const auto request = RequestFromRecord(record);
    if (!request) return request.error();
    const auto checked = CheckRequest(*request);
    if (!checked) return checked.error().message;
    return std::nullopt;
}

records::ImportRules RecordImportRules() {
    records::ImportRules rules;
    rules.readLine = [](std::string_view line) -> records::Result<records::Record> {
        BirthRequest request;
        if (auto error = ReadRequestLine(line, request)) return records::Error{error->message};
        auto record = RecordFromRequest(request);
        if (!record) return records::Error{record.error()};
        return *record;
    };
    rules.check = CheckRecord;
    return rules;
}

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
