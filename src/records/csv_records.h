#pragma once
// Records as CSV rows under a header row naming every column: the request values in their
// request forms, then the offset's label, GeoNames id, IANA zone, note and the record's times,
// then the birth time's uncertainty and the calculation settings.
#include <array>
#include <string>
#include <string_view>

#include "records/csv_table.h"
#include "records/record.h"
#include "records/result.h"

namespace kalodaya::records {

enum CsvColumn {
    kCsvName, kCsvDate, kCsvTime, kCsvLat, kCsvLon, kCsvZone, kCsvUtcOffset, kCsvOffsetLabel,
    kCsvDst, kCsvCity, kCsvState, kCsvCountry, kCsvGeonamesId, kCsvIanaZone, kCsvNote,
    kCsvCreated, kCsvUpdated, kCsvUncertainty, kCsvEphemeris, kCsvAyanamsa, kCsvNode, kCsvSunrise,
    kCsvColumnCount
};

inline constexpr std::array<std::string_view, kCsvColumnCount> kCsvColumnNames = {
    "name", "date", "time", "lat", "lon", "zone", "utc_offset", "utc_offset_label", "dst",
    "city", "state", "country", "geonames_id", "iana_zone", "note", "created", "updated",
    "uncertainty_minutes", "ephemeris", "ayanamsa", "node", "sunrise"};

// The columns of free text, written as SpreadsheetCell writes them.
inline constexpr CsvColumn kCsvTextColumns[] = {kCsvName,  kCsvOffsetLabel, kCsvCity, kCsvState,
                                                kCsvCountry, kCsvIanaZone,  kCsvNote};

void AppendCsvHeader(std::string& out);
void AppendCsvRecord(std::string& out, const Record& record);

// Where each column is in the file's rows (-1 when the file leaves it out).
using CsvLayout = std::array<int, kCsvColumnCount>;

// The header row read: columns in any order, any of them left out; an unknown or repeated
// name is refused, so that nothing in the file is silently dropped.
Result<CsvLayout> ReadCsvHeader(const CsvRow& header);

// One row as a record. A column left out keeps the form's default, as a key left out of a
// request line does; empty created/updated cells leave the times to the store.
Result<Record> RecordFromCsvRow(const CsvRow& row, const CsvLayout& layout);

}  // namespace kalodaya::records
