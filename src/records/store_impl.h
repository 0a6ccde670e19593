#pragma once
// What a RecordStore holds, shared by the files that implement it.
#include <filesystem>
#include <optional>
#include <string>

#include "records/lock_holder.h"
#include "records/record_store.h"
#include "records/sqlite_handle.h"

namespace kalodaya::records {

struct RecordStore::Impl {
    std::filesystem::path path;
    Database db;
    StoreAccess access = StoreAccess::Unavailable;
    std::optional<std::string> notice;
    std::string why_not_writable;  // when access is not ReadWrite

    Error Refusal() const { return {"Records cannot be saved: " + why_not_writable}; }
    // What failed and SQLite's reason; for a lock held too long, who holds it.
    Error Failure(const std::string& what) const {
        const int primary = db.LastCode() & 0xFF;
        if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
            return {what + ": " + LockedFileText(path)};
        return {what + ": " + db.LastMessage()};
    }
};

std::int64_t NowSeconds();

}  // namespace kalodaya::records
