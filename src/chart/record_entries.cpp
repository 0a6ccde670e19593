#include "chart/record_entries.h"

#include <cmath>

#include "base/text_convert.h"
#include "chart/entry_checks.h"
#include "chart/entry_rules.h"
#include "chart/place_entries.h"
#include "records/record_fields.h"

namespace kalodaya {
namespace {

std::string BoxText(const std::optional<int>& value) {
    return value ? IntText(*value) : std::string();
}

// A coordinate box: blank, or a number.
Expected<std::optional<int>, std::string> BoxValue(const std::string& text, const char* box) {
    if (text.empty()) return std::optional<int>();
    const auto value = ToInteger(text);
    if (!value) return std::string("the ") + box + " box holds no number";
    return std::optional<int>(*value);
}

Expected<int, std::string> ListValue(const std::string& text, const char* list) {
    const auto value = ToInteger(text);
    if (!value) return std::string("the ") + list + " list holds no number";
    return *value;
}

int EastSeconds(const ZoneOffset& zone) { return -zone.WestMinutes() * 60; }

bool SamePlace(const records::Record& a, const records::Record& b) {
    return a.city == b.city && a.state == b.state && a.country == b.country &&
           a.latitude == b.latitude && a.longitude == b.longitude;
}

}  // namespace

Expected<Entries, std::string> EntriesFromRecord(const records::Record& r) {
    Entries e;
    for (const char typed : r.name) {
        const char held = entry_rules::NameCharacter(typed);
        if (!held)
            return "unusable name \"" + r.name +
                   "\": the name box takes only the letters A to Z and blanks";
        e.name += held;
    }
    e.monthIndex = r.month - 1;
    e.dayText = IntText(r.day);
    e.yearText = IntText(r.year);
    e.hourText = IntText(r.hour);
    e.minuteText = IntText(r.minute);
    e.secondText = IntText(r.second);
    e.latDegText = BoxText(r.latitude.degrees);
    e.latMinText = BoxText(r.latitude.minutes);
    e.north = r.latitude.north;
    e.lonDegText = BoxText(r.longitude.degrees);
    e.lonMinText = BoxText(r.longitude.minutes);
    e.east = r.longitude.east;
    e.dst = r.dst;
    if (const auto* entry = std::get_if<records::ZoneEntry>(&r.zone))
        e.zoneIndex = entry->position;
    else
        e.exactZone = ExactZoneOf(std::get<records::ExactOffset>(r.zone).seconds);
    e.city = r.city;
    e.state = r.state;
    e.country = r.country;
    return e;
}

Expected<records::Record, std::string> RecordFromEntries(const Entries& e,
                                                         const records::Record& origin) {
    records::Record r;
    r.name = e.name;
    if (e.monthIndex < 0 || e.monthIndex > 11) return std::string("no month is selected");
    r.month = e.monthIndex + 1;
    const std::pair<const std::string*, int*> lists[] = {
        {&e.dayText, &r.day},       {&e.yearText, &r.year},     {&e.hourText, &r.hour},
        {&e.minuteText, &r.minute}, {&e.secondText, &r.second}};
    for (const auto& [text, field] : lists) {
        const auto value = ListValue(*text, "date and time");
        if (!value) return value.error();
        *field = *value;
    }
    const struct {
        const std::string* text;
        std::optional<int>* field;
        const char* box;
    } boxes[] = {
        {&e.latDegText, &r.latitude.degrees, "latitude degree"},
        {&e.latMinText, &r.latitude.minutes, "latitude minute"},
        {&e.lonDegText, &r.longitude.degrees, "longitude degree"},
        {&e.lonMinText, &r.longitude.minutes, "longitude minute"}};
    for (const auto& [text, field, box] : boxes) {
        const auto value = BoxValue(*text, box);
        if (!value) return value.error();
        *field = *value;
    }
    r.latitude.north = e.north;
    r.longitude.east = e.east;
    r.dst = e.dst;
    r.city = e.city;
    r.state = e.state;
    r.country = e.country;

    r.note = origin.note;
    r.created = origin.created;
    r.updated = origin.updated;
    if (e.atlasPlace) {
        // A place chosen from the atlas for this form: its id and zone are kept with it.
        r.geonamesId = e.atlasPlace->geonamesId;
        r.ianaZone = e.atlasPlace->timeZone;
    } else if (SamePlace(r, origin)) {
        r.geonamesId = origin.geonamesId;
        r.ianaZone = origin.ianaZone;
    }
    if (e.exactZone) {
        const auto* kept = std::get_if<records::ExactOffset>(&origin.zone);
        if (kept && ExactZoneOf(kept->seconds) == *e.exactZone) {
            r.zone = *kept;
        } else {
            const int seconds = EastSeconds(*e.exactZone);
            r.zone = records::ExactOffset{seconds, records::ExactOffsetLabel(seconds, r.ianaZone)};
        }
    } else {
        if (e.zoneIndex < 0) return std::string("no time zone is selected");
        r.zone = records::ZoneEntry{e.zoneIndex};
    }
    return r;
}

bool EntriesChanged(const Entries& entries, const records::Record& origin) {
    const auto shown = EntriesFromRecord(origin);
    if (!shown) return true;
    const auto now = RecordFromEntries(entries, origin);
    const auto then = RecordFromEntries(*shown, origin);
    return !now || !then || !records::SameEntries(*now, *then);
}

std::optional<std::string> CheckRecord(const records::Record& record) {
    const auto entries = EntriesFromRecord(record);
    if (!entries) return entries.error();
    const auto request = ValidateEntries(*entries);
    if (!request) return request.error().message;
    return std::nullopt;
}

}  // namespace kalodaya
