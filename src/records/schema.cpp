#include "records/schema.h"

#include <optional>
#include <string>

namespace kalodaya::records {
namespace {

// Birth records hold the form's entries as typed values: a blank coordinate box is NULL, the
// zone is a list position or an exact offset (never both). Times are Unix seconds.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE records (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,
  hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,
  lat_degrees INTEGER, lat_minutes INTEGER, north INTEGER NOT NULL,
  lon_degrees INTEGER, lon_minutes INTEGER, east INTEGER NOT NULL,
  zone_entry INTEGER, utc_offset_seconds INTEGER, utc_offset_label TEXT,
  dst INTEGER NOT NULL,
  city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
  geonames_id INTEGER, iana_zone TEXT,
  note TEXT NOT NULL,
  created_at INTEGER NOT NULL, updated_at INTEGER NOT NULL,
  CHECK ((zone_entry IS NULL) <> (utc_offset_seconds IS NULL))
);
CREATE INDEX records_by_name ON records (name, year, month, day, hour, minute, second);

-- The last records opened or saved, most recent with the highest number.
CREATE TABLE recent (
  record_id INTEGER PRIMARY KEY REFERENCES records (id) ON DELETE CASCADE,
  used INTEGER NOT NULL
);

-- Places typed by hand and kept by the user.
CREATE TABLE places (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
  lat_degrees INTEGER NOT NULL, lat_minutes INTEGER NOT NULL, north INTEGER NOT NULL,
  lon_degrees INTEGER NOT NULL, lon_minutes INTEGER NOT NULL, east INTEGER NOT NULL,
  iana_zone TEXT, utc_offset_seconds INTEGER,
  CHECK (iana_zone IS NULL OR utc_offset_seconds IS NULL)
);
CREATE UNIQUE INDEX places_by_name ON places (
  name COLLATE NOCASE, state COLLATE NOCASE, country COLLATE NOCASE);
)sql";

// The birth time's uncertainty and the calculation settings; records saved before keep an
// exact time and the classic calculation.
constexpr const char* kVersion2 = R"sql(
ALTER TABLE records ADD COLUMN uncertainty_minutes INTEGER NOT NULL DEFAULT 0;
ALTER TABLE records ADD COLUMN ephemeris TEXT NOT NULL DEFAULT 'classic';
ALTER TABLE records ADD COLUMN ayanamsa TEXT NOT NULL DEFAULT 'classic';
ALTER TABLE records ADD COLUMN node TEXT NOT NULL DEFAULT 'mean';
ALTER TABLE records ADD COLUMN sunrise TEXT NOT NULL DEFAULT 'classic';
)sql";

constexpr SchemaStep kSteps[] = {{1, kVersion1}, {2, kVersion2}};

// The file's own tables and indexes as SQLite keeps them: their kinds, names and the SQL that
// made them.
std::optional<std::string> SchemaText(Database& db) {
    Statement query = db.Prepare(
        "SELECT type, name, tbl_name, coalesce(sql, '') FROM sqlite_schema "
        "WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, name");
    if (!query) return std::nullopt;
    std::string text;
    int step;
    while ((step = query.Step()) == SQLITE_ROW)
        for (int column = 0; column < 4; ++column) text += query.Text(column) + '\n';
    if (step != SQLITE_DONE) return std::nullopt;
    return text;
}

}  // namespace

std::optional<int> UnmarkedSchemaVersion(Database& db, std::span<const SchemaStep> steps) {
    const auto found = SchemaText(db);
    if (!found) return std::nullopt;
    Database fresh;
    if (fresh.Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK)
        return std::nullopt;
    for (const SchemaStep& step : steps) {
        if (fresh.Exec(step.sql) != SQLITE_OK) return std::nullopt;
        if (SchemaText(fresh) == found) return step.version;
    }
    return std::nullopt;
}

std::span<const SchemaStep> SchemaSteps() { return kSteps; }

int CurrentSchemaVersion() { return kSteps[std::size(kSteps) - 1].version; }

Status UpgradeSchema(Database& db, std::span<const SchemaStep> steps) {
    Transaction transaction(db);
    if (transaction.begin_code() != SQLITE_OK)
        return Error{"the records file is busy or cannot be written: " + db.LastMessage()};
    // Read under the write lock: another program may have upgraded the file meanwhile.
    const auto version = db.QueryInt("PRAGMA user_version");
    const auto applicationId = db.QueryInt("PRAGMA application_id");
    if (!version || !applicationId) return Error{"cannot read the records file: " + db.LastMessage()};
    if (*applicationId == 0) {
        const std::string mark = "PRAGMA application_id = " + std::to_string(kApplicationId);
        if (db.Exec(mark.c_str()) != SQLITE_OK)
            return Error{"cannot mark the records file: " + db.LastMessage()};
    }
    int reached = static_cast<int>(*version);
    // Tables without a version (a file marked by hand, or left unmarked by some tool): the
    // layout of one of this program's own versions is taken for that version, anything else
    // is not touched.
    if (reached <= 0 && db.QueryInt("SELECT count(*) FROM sqlite_schema").value_or(0) > 0) {
        const auto own = UnmarkedSchemaVersion(db, steps);
        if (!own) return Error{"the records file holds tables this program does not know"};
        reached = *own;
    }
    for (const SchemaStep& step : steps) {
        if (step.version <= reached) continue;
        if (db.Exec(step.sql) != SQLITE_OK)
            return Error{"cannot bring the records file to version " +
                         std::to_string(step.version) + ": " + db.LastMessage()};
        reached = step.version;
    }
    if (reached != *version) {
        const std::string mark = "PRAGMA user_version = " + std::to_string(reached);
        if (db.Exec(mark.c_str()) != SQLITE_OK)
            return Error{"cannot record the schema version: " + db.LastMessage()};
    }
    if (transaction.Commit() != SQLITE_OK)
        return Error{"cannot save the schema of the records file: " + db.LastMessage()};
    return std::nullopt;
}

}  // namespace kalodaya::records
