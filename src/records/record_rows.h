#pragma once
// Records and places to and from their table rows, the column lists in one place.
#include "records/record.h"
#include "records/sqlite_handle.h"

namespace kalodaya::records {

// The records table's columns after id, in the order BindRecord binds them (?1..?30).
inline constexpr const char* kRecordColumns =
    "name, year, month, day, hour, minute, second, lat_degrees, lat_minutes, north, "
    "lon_degrees, lon_minutes, east, zone_entry, utc_offset_seconds, utc_offset_label, dst, "
    "city, state, country, geonames_id, iana_zone, note, created_at, updated_at, "
    "uncertainty_minutes, ephemeris, ayanamsa, node, sunrise";
inline constexpr const char* kRecordParameters =
    "?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, "
    "?21, ?22, ?23, ?24, ?25, ?26, ?27, ?28, ?29, ?30";
inline constexpr int kRecordCreatedParameter = 24;
inline constexpr int kRecordUpdatedParameter = 25;
// The parameter after the columns: an update's record id.
inline constexpr int kRecordIdParameter = 31;

// Export order: every value a request line shows first, so that records giving different
// lines come out in the same order from any database holding them; then everything else.
inline constexpr const char* kRecordExportOrder =
    "name, year, month, day, hour, minute, second, lat_degrees, lat_minutes, north, "
    "lon_degrees, lon_minutes, east, zone_entry, utc_offset_seconds, dst, city, state, "
    "country, uncertainty_minutes, ephemeris, ayanamsa, node, sunrise, utc_offset_label, "
    "geonames_id, iana_zone, note, created_at, updated_at, id";

// The same columns from a table of the first schema version, which had neither the birth
// time's uncertainty nor the calculation: those read as an exact time and the classic
// calculation.
inline constexpr const char* kRecordColumnsOfVersion1 =
    "name, year, month, day, hour, minute, second, lat_degrees, lat_minutes, north, "
    "lon_degrees, lon_minutes, east, zone_entry, utc_offset_seconds, utc_offset_label, dst, "
    "city, state, country, geonames_id, iana_zone, note, created_at, updated_at, "
    "0, 'classic', 'classic', 'mean', 'classic'";

void BindRecord(Statement& statement, const Record& record);
// Reads kRecordColumns starting at column `first`.
Record ReadRecord(const Statement& statement, int first);

inline constexpr const char* kSummaryColumns =
    "id, name, year, month, day, hour, minute, second, city, state, country, updated_at";
RecordSummary ReadSummary(const Statement& statement);

inline constexpr const char* kPlaceColumns =
    "name, state, country, lat_degrees, lat_minutes, north, lon_degrees, lon_minutes, east, "
    "iana_zone, utc_offset_seconds";
inline constexpr const char* kPlaceParameters = "?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11";
void BindPlace(Statement& statement, const Place& place);
Place ReadPlace(const Statement& statement, int first);

}  // namespace kalodaya::records
