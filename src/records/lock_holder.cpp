#include "records/lock_holder.h"

#include "base/platform/files.h"
#include "base/platform/system.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;

struct Range {
    long long first, last;
};

// Where SQLite locks: in a write-ahead log's index (-shm) the writer's byte, 120; in the file
// itself, for a database without a log, the bytes from 2^30 (pending, reserved, shared).
constexpr Range kLogWriterByte{120, 120};
constexpr Range kFileLockBytes{0x40000000LL, 0x40000000LL + 511};

std::optional<platform::LockHolder> Holder(const fs::path& file, Range range, bool write) {
    return platform::FileLockHolder(file, range.first, range.last, write);
}

}  // namespace

std::string LockedFileText(const fs::path& database) {
    std::optional<platform::LockHolder> holder =
        Holder(platform::WithSuffix(database, "-shm"), kLogWriterByte, true);
    if (!holder) holder = Holder(database, kFileLockBytes, true);
    if (!holder) holder = Holder(database, kFileLockBytes, false);
    std::string text = "the records file is locked by another program";
    if (holder)
        text += " (" + holder->program + ", process " + std::to_string(holder->pid) + ")";
    return text;
}

}  // namespace kalodaya::records
