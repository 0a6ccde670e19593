#include "records/csv_records.h"

#include <charconv>
#include <vector>

#include "records/csv_cells.h"
#include "records/record_fields.h"

namespace kalodaya::records {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return lower;
}

std::optional<bool> Flag(std::string_view text) {
    const std::string lower = Lower(text);
    if (lower.empty() || lower == "false" || lower == "0" || lower == "no") return false;
    if (lower == "true" || lower == "1" || lower == "yes") return true;
    return std::nullopt;
}

// A plain decimal number of at most 18 digits.
std::optional<long long> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text[0] == '-')
        return std::nullopt;
    return value;
}

Error Bad(CsvColumn column, std::string_view text, std::string_view form) {
    return {"unusable " + std::string(kCsvColumnNames[column]) + " \"" + std::string(text) +
            "\": expected " + std::string(form)};
}

}  // namespace

void AppendCsvHeader(std::string& out) {
    const std::array<std::string, kCsvColumnCount> names = [] {
        std::array<std::string, kCsvColumnCount> n;
        for (int i = 0; i < kCsvColumnCount; ++i) n[i] = kCsvColumnNames[i];
        return n;
    }();
    AppendCsvRow(out, names);
}

void AppendCsvRecord(std::string& out, const Record& r) {
    std::array<std::string, kCsvColumnCount> f;
    f[kCsvName] = r.name;
    f[kCsvDate] = DateText(r);
    f[kCsvTime] = TimeText(r);
    f[kCsvLat] = LatitudeText(r.latitude);
    f[kCsvLon] = LongitudeText(r.longitude);
    if (const auto* entry = std::get_if<ZoneEntry>(&r.zone)) {
        f[kCsvZone] = std::to_string(entry->position);
    } else {
        const auto& exact = std::get<ExactOffset>(r.zone);
        f[kCsvUtcOffset] = UtcOffsetText(exact.seconds);
        f[kCsvOffsetLabel] = exact.label;
    }
    f[kCsvDst] = r.dst ? "true" : "false";
    f[kCsvCity] = r.city;
    f[kCsvState] = r.state;
    f[kCsvCountry] = r.country;
    if (r.geonamesId) f[kCsvGeonamesId] = std::to_string(*r.geonamesId);
    f[kCsvIanaZone] = r.ianaZone;
    f[kCsvNote] = r.note;
    if (r.created) f[kCsvCreated] = TimestampText(r.created);
    if (r.updated) f[kCsvUpdated] = TimestampText(r.updated);
    f[kCsvUncertainty] = std::to_string(r.uncertaintyMinutes);
    f[kCsvEphemeris] = r.calculation.ephemeris;
    f[kCsvAyanamsa] = r.calculation.ayanamsa;
    f[kCsvNode] = r.calculation.node;
    f[kCsvSunrise] = r.calculation.sunrise;
    // Free texts only: the other columns hold values of fixed forms (an offset's "-05:30" is a
    // number to a spreadsheet, and stays one).
    for (CsvColumn text : kCsvTextColumns) f[text] = SpreadsheetCell(f[text]);
    AppendCsvRow(out, f);
}

Result<CsvLayout> ReadCsvHeader(const CsvRow& header) {
    CsvLayout layout;
    layout.fill(-1);
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Lower(header.fields[i]);
        int column = -1;
        for (int c = 0; c < kCsvColumnCount; ++c)
            if (kCsvColumnNames[c] == name) column = c;
        if (column < 0)
            return Error{"line " + std::to_string(header.line) + ": unknown column \"" +
                         header.fields[i] + "\"; the first row must name the columns"};
        if (layout[column] >= 0)
            return Error{"line " + std::to_string(header.line) + ": the column \"" + name +
                         "\" is named twice"};
        layout[column] = static_cast<int>(i);
    }
    return layout;
}

Result<Record> RecordFromCsvRow(const CsvRow& row, const CsvLayout& layout) {
    int columns = 0;
    for (int position : layout) columns += position >= 0;
    if (static_cast<int>(row.fields.size()) != columns)
        return Error{"the row has " + std::to_string(row.fields.size()) +
                     " fields, the header names " + std::to_string(columns)};
    std::vector<std::string> fields = row.fields;
    for (CsvColumn text : kCsvTextColumns)
        if (layout[text] >= 0) fields[layout[text]] = CellText(fields[layout[text]]);
    const auto cell = [&](CsvColumn c) -> const std::string* {
        return layout[c] >= 0 ? &fields[layout[c]] : nullptr;
    };

    Record r;
    if (auto* text = cell(kCsvName)) r.name = *text;
    if (auto* text = cell(kCsvDate))
        if (auto error = ReadDate(*text, r)) return *error;
    if (auto* text = cell(kCsvTime))
        if (auto error = ReadTime(*text, r)) return *error;
    if (auto* text = cell(kCsvLat)) {
        auto lat = ReadLatitude(*text);
        if (!lat) return lat.error();
        r.latitude = *lat;
    }
    if (auto* text = cell(kCsvLon)) {
        auto lon = ReadLongitude(*text);
        if (!lon) return lon.error();
        r.longitude = *lon;
    }
    if (auto* text = cell(kCsvIanaZone)) r.ianaZone = *text;

    const std::string* zone = cell(kCsvZone);
    const std::string* offset = cell(kCsvUtcOffset);
    const std::string* label = cell(kCsvOffsetLabel);
    const bool hasZone = zone && !zone->empty(), hasOffset = offset && !offset->empty();
    if (hasZone && hasOffset) return Error{"zone and utc_offset cannot both be given"};
    if (hasZone) {
        const auto position = WholeNumber(*zone);
        if (!position || *position >= kZoneEntryCount)
            return Bad(kCsvZone, *zone, "a zone list position from 0 to 70");
        r.zone = ZoneEntry{static_cast<int>(*position)};
    }
    if (hasOffset) {
        const auto seconds = ReadUtcOffset(*offset);
        if (!seconds) return seconds.error();
        const bool hasLabel = label && !label->empty();
        r.zone = ExactOffset{*seconds, hasLabel ? *label : ExactOffsetLabel(*seconds, r.ianaZone)};
    } else if (label && !label->empty()) {
        return Error{"utc_offset_label is given without utc_offset"};
    }

    if (auto* text = cell(kCsvDst)) {
        const auto dst = Flag(*text);
        if (!dst) return Bad(kCsvDst, *text, "true or false");
        r.dst = *dst;
    }
    if (auto* text = cell(kCsvCity)) r.city = *text;
    if (auto* text = cell(kCsvState)) r.state = *text;
    if (auto* text = cell(kCsvCountry)) r.country = *text;
    if (auto* text = cell(kCsvGeonamesId); text && !text->empty()) {
        const auto id = WholeNumber(*text);
        if (!id || *id == 0) return Bad(kCsvGeonamesId, *text, "a GeoNames id (a number above 0)");
        r.geonamesId = *id;
    }
    if (auto* text = cell(kCsvNote)) r.note = *text;
    for (auto [column, field] : {std::pair{kCsvCreated, &r.created},
                                 std::pair{kCsvUpdated, &r.updated}}) {
        const std::string* text = cell(column);
        if (!text || text->empty()) continue;
        const auto moment = ReadTimestamp(*text);
        if (!moment) return moment.error();
        *field = *moment;
    }
    if (auto* text = cell(kCsvUncertainty); text && !text->empty()) {
        const auto minutes = WholeNumber(*text);
        if (!minutes || *minutes > kLongestUncertaintyMinutes)
            return Bad(kCsvUncertainty, *text,
                       "minutes from 0 to " + std::to_string(kLongestUncertaintyMinutes));
        r.uncertaintyMinutes = static_cast<int>(*minutes);
    }
    // A setting left empty keeps the classic calculation's; the names are judged with the
    // rest of the record's entries.
    for (auto [column, field] : {std::pair{kCsvEphemeris, &r.calculation.ephemeris},
                                 std::pair{kCsvAyanamsa, &r.calculation.ayanamsa},
                                 std::pair{kCsvNode, &r.calculation.node},
                                 std::pair{kCsvSunrise, &r.calculation.sunrise}})
        if (auto* text = cell(column); text && !text->empty()) *field = Lower(*text);
    return r;
}

}  // namespace kalodaya::records
