#include "records/salvage.h"

#include "base/platform/system.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "records/record_fields.h"
#include "records/record_rows.h"
#include "records/sqlite_handle.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kNoRowid = std::numeric_limits<std::int64_t>::min();

// Every row of `table` that reads back, by rowid. Where a step fails (a damaged page), the
// smallest rowid from which the table reads again is searched for: forward in doubling steps,
// then back by halves; the rows in between are lost.
void ReadRows(Database& db, const std::string& table, const char* columns,
              const std::function<void(const Statement&)>& take) {
    const std::string rowsSql = std::string("SELECT rowid, ") + columns + " FROM " + table +
                                " WHERE rowid > ?1 ORDER BY rowid";
    const std::string probeSql =
        "SELECT rowid FROM " + table + " WHERE rowid > ?1 ORDER BY rowid LIMIT 1";
    // 1 when a row after `rowid` reads, 0 when none follows, -1 when the way there is damaged.
    const auto reaches = [&](std::int64_t rowid) {
        Statement probe = db.Prepare(probeSql);
        if (!probe) return -1;
        probe.Bind(1, rowid);
        const int step = probe.Step();
        return step == SQLITE_ROW ? 1 : step == SQLITE_DONE ? 0 : -1;
    };
    std::int64_t after = kNoRowid;
    // Each round passes at least one damaged place; the bound keeps a file damaged everywhere
    // from taking for ever.
    for (int round = 0; round < 10000; ++round) {
        Statement rows = db.Prepare(rowsSql);
        if (!rows) return;
        rows.Bind(1, after);
        int step;
        while ((step = rows.Step()) == SQLITE_ROW) {
            after = rows.Int64(0);
            take(rows);
        }
        if (step == SQLITE_DONE) return;
        std::int64_t failing = after, reached = 0;
        for (std::int64_t stride = 1;; stride *= 2) {
            if (failing > std::numeric_limits<std::int64_t>::max() - stride) return;
            const int found = reaches(failing + stride);
            if (found == 0) return;
            if (found == 1) {
                reached = failing + stride;
                break;
            }
            failing += stride;
            if (stride > std::numeric_limits<std::int64_t>::max() / 4) return;
        }
        while (reached - failing > 1) {
            const std::int64_t middle = failing + (reached - failing) / 2;
            (reaches(middle) < 0 ? failing : reached) = middle;
        }
        after = reached;
    }
}

}  // namespace

Salvage SalvageFile(const fs::path& path) {
    Salvage salvage;
    Database db;
    if (db.Open(platform::Utf8(path), SQLITE_OPEN_READONLY) != SQLITE_OK) return salvage;
    // Read as it is: the log is neither folded into the file nor removed on closing.
    sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    int persist = 1;
    sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    // A file from before the newer columns is read with their defaults.
    const bool current = static_cast<bool>(
        db.Prepare(std::string("SELECT ") + kRecordColumns + " FROM records LIMIT 0"));
    ReadRows(db, "records", current ? kRecordColumns : kRecordColumnsOfVersion1,
             [&](const Statement& row) {
        Record record = ReadRecord(row, 1);
        if (!ShapeProblem(record)) salvage.records.push_back(std::move(record));
    });
    ReadRows(db, "places", kPlaceColumns, [&](const Statement& row) {
        Place place = ReadPlace(row, 1);
        if (!ShapeProblem(place)) salvage.places.push_back(std::move(place));
    });
    return salvage;
}

}  // namespace kalodaya::records
