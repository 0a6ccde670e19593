#pragma once
// The records database's layout, its version (PRAGMA user_version) and how an older one is
// brought up to date. The file is marked as Kalodaya's by PRAGMA application_id.
#include <cstdint>
#include <optional>
#include <span>

#include "records/result.h"
#include "records/sqlite_handle.h"

namespace kalodaya::records {

inline constexpr std::int32_t kApplicationId = 0x4B4C4459;  // "KLDY"

// The SQL that takes the schema from version `version - 1` to `version`.
struct SchemaStep {
    int version;
    const char* sql;
};

// Every step from an empty file; the last one's version is the current schema version.
std::span<const SchemaStep> SchemaSteps();
int CurrentSchemaVersion();

// The version whose tables and indexes `db` holds exactly, for a file that has tables but no
// version number; nothing when they are not those of any version.
std::optional<int> UnmarkedSchemaVersion(Database& db, std::span<const SchemaStep> steps);

// Runs, in one transaction, every step above the file's version (marking an empty file as
// Kalodaya's on the way), so a failing step or a killed program leaves the file as it was.
// Another program doing the same at once is waited for, and its work is not repeated.
Status UpgradeSchema(Database& db, std::span<const SchemaStep> steps);

}  // namespace kalodaya::records
