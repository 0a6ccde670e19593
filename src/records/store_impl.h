#pragma once
// What a RecordStore holds, shared by the files that implement it.
#include <filesystem>
#include <optional>
#include <string>

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
    Error Failure(const std::string& what) const { return {what + ": " + db.LastMessage()}; }
};

std::int64_t NowSeconds();

}  // namespace kalodaya::records
