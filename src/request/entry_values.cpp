#include "request/entry_values.h"

#include <cstdint>

#include "astro/zone_table.h"
#include "base/entry_rules.h"
#include "base/quoted_value.h"
#include "request/installed_atlas.h"

namespace kalodaya {

const std::array<EntryName, kEntryCount> kEntryNames = {{
    {"name", "--name", EntryKind::Text, "", "name as typed in the name box (letters and blanks)"},
    {"date", "--date", EntryKind::Text, "",
     "birth date YYYY-MM-DD, 1901 to 2050 (default 1901-01-01)"},
    {"time", "--time", EntryKind::Text, "", "birth time HH:MM:SS (default 00:00:00)"},
    {"lat", "--lat", EntryKind::Text, "",
     "latitude DD:MM with N or S, e.g. 28:39N (default empty)"},
    {"lon", "--lon", EntryKind::Text, "",
     "longitude DDD:MM with E or W, e.g. 77:13E (default empty)"},
    {"zone", "--zone", EntryKind::WholeNumber, "N",
     "time zone list position 0..70, decimal (default 0)"},
    {"dst", "--dst", EntryKind::Flag, "", "daylight saving time applied"},
    {"city", "--city", EntryKind::Text, "", "city"},
    {"state", "--state", EntryKind::Text, "", "state"},
    {"country", "--country", EntryKind::Text, "", "country"},
    {"place", "--place", EntryKind::Text, "TEXT",
     "the atlas's best match for \"Name[, State][, Country]\": place, coordinates and zone"},
    {"place_id", "--place-id", EntryKind::WholeNumber, "N",
     "the atlas's place with this GeoNames id"},
    {"utc_offset", "--utc-offset", EntryKind::Text, "OFFSET",
     "exact offset +HH:MM east of Greenwich (-HH:MM west), in place of --zone"},
    {"ephemeris", "--ephemeris", EntryKind::Text, "NAME",
     "classic (the program's own formulas, default) or modern (the Swiss Ephemeris)"},
    {"ayanamsa", "--ayanamsa", EntryKind::Text, "NAME",
     "classic (classic ephemeris), or lahiri, raman, kp, true-chitra (modern; default lahiri)"},
    {"node", "--node", EntryKind::Text, "NAME", "lunar node: mean (default) or true (modern only)"},
    {"sunrise", "--sunrise", EntryKind::Text, "NAME",
     "classic (upper limb, refraction; default) or hindu (the disc's centre, no refraction)"},
    {"chart_style", "--chart-style", EntryKind::Text, "STYLE",
     "the chart as drawn in the south (default), north or east of India"},
    {"city_time", "--city-time", EntryKind::Flag, "",
     "with --place or --place-id: the city's own time (Bombay before 1955, Calcutta before "
     "1948) in place of Indian Standard Time"},
}};

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The value of a short run of digits (at most four here).
int Number(std::string_view digits) {
    int value = 0;
    for (char ch : digits) value = value * 10 + (ch - '0');
    return value;
}

// The zone list position that a run of decimal digits names; none for anything else, however
// long (the digits are never summed beyond the list's size).
std::optional<int> ZonePosition(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    for (char ch : digits)
        if (!IsDigit(ch)) return std::nullopt;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    if (digits.size() - first > 2) return std::nullopt;
    const int position = Number(digits.substr(first));
    if (position >= kZoneCount) return std::nullopt;
    return position;
}

// An entry as a message names it: "zone" in a request line, --zone on the command line.
std::string Named(EntryKey key, EntryNaming naming) {
    const EntryName& name = kEntryNames[key];
    if (naming == EntryNaming::Options) return std::string(name.option);
    return "\"" + std::string(name.key) + "\"";
}

ReadError NotOfKind(EntryKey key) {
    switch (kEntryNames[key].kind) {
        case EntryKind::WholeNumber: return {Named(key, EntryNaming::Keys) + " must be a whole number"};
        case EntryKind::Flag: return {Named(key, EntryNaming::Keys) + " must be true or false"};
        case EntryKind::Text: break;
    }
    return {Named(key, EntryNaming::Keys) + " must be a string"};
}

// Whether a given value has the kind its entry is written in: on the command line text, or no
// value for a flag.
bool OfKind(const EntryValue& value, EntryKey key, EntryNaming naming) {
    if (naming == EntryNaming::Options)
        return value.kind == (kEntryNames[key].kind == EntryKind::Flag ? EntryValue::Boolean
                                                                       : EntryValue::String);
    switch (kEntryNames[key].kind) {
        case EntryKind::WholeNumber: return value.kind == EntryValue::Integer;
        case EntryKind::Flag: return value.kind == EntryValue::Boolean;
        case EntryKind::Text: break;
    }
    return value.kind == EntryValue::String;
}

std::optional<ReadError> Unloadable() {
    const auto& loaded = InstalledAtlas();
    if (loaded) return std::nullopt;
    return ReadError{"the place atlas cannot be loaded: " + loaded.error().message};
}

}  // namespace

std::optional<ReadError> SetName(BirthRequest& request, std::string_view text) {
    std::string name;
    for (const char typed : text) {
        const char ch = entry_rules::NameCharacter(typed);
        if (!ch)
            return ReadError{"unusable name " + QuotedValue(text) +
                             ": the name box takes only the letters A to Z and blanks"};
        name += ch;
    }
    request.name = std::move(name);
    return std::nullopt;
}

std::optional<ReadError> SetDate(BirthRequest& request, std::string_view text) {
    const auto date = ReadDateForm(text);
    if (!date) return ReadError{date.error()};
    request.year = date->year;
    request.month = date->month;
    request.day = date->day;
    return std::nullopt;
}

std::optional<ReadError> SetTime(BirthRequest& request, std::string_view text) {
    const auto time = ReadTimeForm(text);
    if (!time) return ReadError{time.error()};
    request.hour = time->hour;
    request.minute = time->minute;
    request.second = time->second;
    return std::nullopt;
}

std::optional<ReadError> SetLatitude(BirthRequest& request, std::string_view text) {
    const auto latitude = ReadLatitudeForm(text);
    if (!latitude) return ReadError{latitude.error()};
    request.latitude = *latitude;
    return std::nullopt;
}

std::optional<ReadError> SetLongitude(BirthRequest& request, std::string_view text) {
    const auto longitude = ReadLongitudeForm(text);
    if (!longitude) return ReadError{longitude.error()};
    request.longitude = *longitude;
    return std::nullopt;
}

std::optional<ReadError> SetZone(BirthRequest& request, std::string_view text) {
    const std::optional<int> position = ZonePosition(text);
    if (!position)
        return ReadError{"unusable zone " + QuotedValue(text) +
                         ": expected a zone list position from 0 to 70 in decimal digits"};
    request.zone = ZoneListEntry{*position};
    return std::nullopt;
}

std::optional<ReadError> SetZoneNumber(BirthRequest& request, std::string_view written) {
    const bool negative = !written.empty() && written.front() == '-';
    const std::optional<int> position = ZonePosition(written.substr(negative ? 1 : 0));
    if (!position || (negative && *position != 0))
        return ReadError{"unusable zone " + ShownValue(written) +
                         ": expected a zone list position from 0 to 70"};
    request.zone = ZoneListEntry{*position};
    return std::nullopt;
}

std::optional<ReadError> SetUtcOffset(BirthRequest& request, std::string_view text) {
    const auto east = ReadUtcOffsetForm(text);
    if (!east) return ReadError{east.error()};
    request.zone = ExactOffset{*east};
    return std::nullopt;
}

std::optional<ReadError> SetChartStyle(BirthRequest& request, std::string_view text) {
    const std::optional<ChartStyle> style = ChartStyleNamed(text);
    if (!style)
        return ReadError{"unusable chart style " + QuotedValue(text) +
                         ": expected south, north or east"};
    request.chartStyle = *style;
    return std::nullopt;
}

// The place at the birth moment; with the city time asked for, the place must have kept one.
std::optional<ReadError> EnterPlaceOf(BirthRequest& request, const atlas::Atlas& atlas,
                                      const atlas::Place& place, ZoneChoice zone,
                                      bool cityTime) {
    const auto birth = EnterAtlasPlace(request, atlas, place, zone, cityTime);
    if (cityTime && (!birth || !birth->cityTimeUsed))
        return ReadError{"city_time: " + std::string(place.name) +
                         " kept no city time at this birth date (Bombay Time until 1955, "
                         "Calcutta Time until 1948)"};
    return std::nullopt;
}

std::optional<ReadError> SetPlace(BirthRequest& request, std::string_view text, ZoneChoice zone,
                                  const atlas::Atlas& atlas, bool cityTime) {
    const std::optional<atlas::Place> place = atlas.places().BestMatch(text);
    if (!place) return ReadError{"no place in the atlas matches " + QuotedValue(text)};
    return EnterPlaceOf(request, atlas, *place, zone, cityTime);
}

std::optional<ReadError> SetPlaceId(BirthRequest& request, std::string_view written,
                                    ZoneChoice zone, const atlas::Atlas& atlas, bool cityTime) {
    // GeoNames ids have at most ten digits; more cannot name a place (nor overflow here).
    bool digits = !written.empty() && written.size() <= 10;
    int64_t id = 0;
    for (char ch : written) {
        digits = digits && IsDigit(ch);
        if (digits) id = id * 10 + (ch - '0');
    }
    if (!digits)
        return ReadError{"unusable place id " + ShownValue(written) +
                         ": expected a GeoNames id in decimal digits"};
    const std::optional<atlas::Place> place = atlas.places().FindByGeonamesId(id);
    if (!place)
        return ReadError{"no place in the atlas has the GeoNames id " + std::to_string(id)};
    return EnterPlaceOf(request, atlas, *place, zone, cityTime);
}

std::optional<ReadError> CheckCombination(const EntryValues& v, EntryNaming naming) {
    const auto both = [&](EntryKey a, EntryKey b) {
        return ReadError{Named(a, naming) + " and " + Named(b, naming) + " cannot both be given"};
    };
    const bool zone = v[kZoneEntry].Given(), offset = v[kUtcOffsetEntry].Given();
    const bool place = v[kPlaceEntry].Given(), placeId = v[kPlaceIdEntry].Given();
    if (zone && offset) return both(kZoneEntry, kUtcOffsetEntry);
    if (place && placeId) return both(kPlaceEntry, kPlaceIdEntry);
    const EntryValue& city = v[kCityTimeEntry];
    if (city.kind == EntryValue::Boolean && city.flag) {
        if (!place && !placeId)
            return ReadError{Named(kCityTimeEntry, naming) + " goes with " +
                             Named(kPlaceEntry, naming) + " or " + Named(kPlaceIdEntry, naming)};
        if (zone) return both(kZoneEntry, kCityTimeEntry);
        if (offset) return both(kUtcOffsetEntry, kCityTimeEntry);
    }
    const EntryValue& dst = v[kDstEntry];
    if ((place || placeId) && !zone && !offset && dst.kind == EntryValue::Boolean && dst.flag)
        return ReadError{Named(kDstEntry, naming) + " goes with " + Named(kZoneEntry, naming) +
                         " or " + Named(kUtcOffsetEntry, naming) +
                         ": the offset the place's clocks kept at the birth moment already "
                         "holds any daylight time"};
    return std::nullopt;
}

namespace {

// One setting's value by its name, or the error that lists the names it takes.
template <typename Kind, typename Named>
std::optional<ReadError> ReadSetting(const EntryValues& v, EntryKey key, EntryNaming naming,
                                     Named named, std::string_view names,
                                     std::optional<Kind>& out) {
    const EntryValue& value = v[key];
    if (!value.Given()) return std::nullopt;
    if (!OfKind(value, key, naming)) return NotOfKind(key);
    out = named(value.text);
    if (!out)
        return ReadError{"unusable " + std::string(kEntryNames[key].key) + " " +
                         QuotedValue(value.text) + ": expected " + std::string(names)};
    return std::nullopt;
}

}  // namespace

std::optional<ReadError> SetCalculation(BirthRequest& request, const EntryValues& v,
                                        EntryNaming naming) {
    std::optional<EphemerisKind> ephemeris;
    std::optional<AyanamsaKind> ayanamsa;
    std::optional<NodeKind> node;
    std::optional<SunriseKind> sunrise;
    if (auto e = ReadSetting(v, kEphemerisEntry, naming, EphemerisNamed, "classic or modern",
                             ephemeris))
        return e;
    if (auto e = ReadSetting(v, kAyanamsaEntry, naming, AyanamsaNamed,
                             "classic, lahiri, raman, kp or true-chitra", ayanamsa))
        return e;
    if (auto e = ReadSetting(v, kNodeEntry, naming, NodeNamed, "mean or true", node)) return e;
    if (auto e = ReadSetting(v, kSunriseEntry, naming, SunriseNamed, "classic or hindu", sunrise))
        return e;

    CalculationSettings s = request.settings;
    if (ephemeris) {
        s.ephemeris = *ephemeris;
        s.ayanamsa = DefaultAyanamsa(*ephemeris);
        s.node = NodeKind::Mean;
    }
    if (ayanamsa) s.ayanamsa = *ayanamsa;
    if (node) s.node = *node;
    if (sunrise) s.sunrise = *sunrise;
    if (auto conflict = SettingsConflict(s)) return ReadError{*conflict};
    request.settings = s;
    return std::nullopt;
}

std::optional<ReadError> ApplyEntryValues(const EntryValues& v, BirthRequest& request,
                                          EntryNaming naming) {
    using Setter = std::optional<ReadError> (*)(BirthRequest&, std::string_view);
    const auto apply = [&](EntryKey key, Setter setter) -> std::optional<ReadError> {
        const EntryValue& value = v[key];
        if (!value.Given()) return std::nullopt;
        if (!OfKind(value, key, naming)) return NotOfKind(key);
        return setter(request, value.text);
    };
    // The name box is always read: empty when the name is left out.
    if (v[kNameEntry].Given()) {
        if (auto error = apply(kNameEntry, SetName)) return error;
    } else if (auto error = SetName(request, "")) {
        return error;
    }
    const std::pair<EntryKey, Setter> moment[] = {{kDateEntry, SetDate}, {kTimeEntry, SetTime}};
    for (const auto& [key, setter] : moment)
        if (auto error = apply(key, setter)) return error;

    // The place after the birth moment it is resolved for, before the entries that win over it.
    if (auto error = CheckCombination(v, naming)) return error;
    const ZoneChoice choice = v[kZoneEntry].Given() || v[kUtcOffsetEntry].Given()
                                  ? ZoneChoice::Kept
                                  : ZoneChoice::FromAtlas;
    using PlaceSetter = std::optional<ReadError> (*)(BirthRequest&, std::string_view, ZoneChoice,
                                                     const atlas::Atlas&, bool);
    const EntryValue& cityTime = v[kCityTimeEntry];
    if (cityTime.Given() && !OfKind(cityTime, kCityTimeEntry, naming))
        return NotOfKind(kCityTimeEntry);
    const bool useCityTime = cityTime.kind == EntryValue::Boolean && cityTime.flag;
    const std::pair<EntryKey, PlaceSetter> places[] = {{kPlaceEntry, SetPlace},
                                                       {kPlaceIdEntry, SetPlaceId}};
    for (const auto& [key, setter] : places) {
        const EntryValue& value = v[key];
        if (!value.Given()) continue;
        if (!OfKind(value, key, naming)) return NotOfKind(key);
        if (auto error = Unloadable()) return error;
        if (auto error = setter(request, value.text, choice, **InstalledAtlas(), useCityTime))
            return error;
    }

    // The zone as the source writes it: digits on the command line, a number in a line.
    const Setter zoneSetter = naming == EntryNaming::Options ? SetZone : SetZoneNumber;
    const std::pair<EntryKey, Setter> winners[] = {{kLatEntry, SetLatitude},
                                                   {kLonEntry, SetLongitude},
                                                   {kZoneEntry, zoneSetter},
                                                   {kUtcOffsetEntry, SetUtcOffset}};
    for (const auto& [key, setter] : winners)
        if (auto error = apply(key, setter)) return error;
    if (const EntryValue& dst = v[kDstEntry]; dst.Given()) {
        if (!OfKind(dst, kDstEntry, naming)) return NotOfKind(kDstEntry);
        request.daylight = dst.flag;
    }
    if (auto error = SetCalculation(request, v, naming)) return error;
    for (auto [key, field] : {std::pair{kCityEntry, &request.city},
                              std::pair{kStateEntry, &request.state},
                              std::pair{kCountryEntry, &request.country}}) {
        const EntryValue& value = v[key];
        if (!value.Given()) continue;
        if (!OfKind(value, key, naming)) return NotOfKind(key);
        field->assign(value.text);
    }
    if (auto error = apply(kChartStyleEntry, SetChartStyle)) return error;
    return std::nullopt;
}

}  // namespace kalodaya
