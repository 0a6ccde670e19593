#include "records/lock_holder.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

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

// A process other than this one holding a lock of `type` ("WRITE" or "READ") on bytes of
// `range` in `file`, as /proc/locks lists them:
//   "1: POSIX  ADVISORY  WRITE 4242 08:01:1311 120 120"
std::optional<long> Holder(const fs::path& file, Range range, const std::string& type) {
    struct stat entry{};
    if (::stat(file.c_str(), &entry) != 0) return std::nullopt;
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, advisory, access, device, first, last;
        long pid = 0;
        fields >> number >> kind;
        if (kind == "->") continue;  // a request waiting for a lock, not a lock
        fields >> advisory >> access >> pid >> device >> first >> last;
        if (!fields || access != type || pid == ::getpid() || pid <= 0) continue;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(device.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
        if (major != ::major(entry.st_dev) || minor != ::minor(entry.st_dev) || inode != entry.st_ino)
            continue;
        const long long from = std::strtoll(first.c_str(), nullptr, 10);
        const long long to = last == "EOF" ? -1 : std::strtoll(last.c_str(), nullptr, 10);
        if ((to < 0 || to >= range.first) && from <= range.last) return pid;
    }
    return std::nullopt;
}

std::string ProgramName(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? "a program" : name;
}

}  // namespace

std::string LockedFileText(const fs::path& database) {
    const fs::path index = database.string() + "-shm";
    std::optional<long> holder = Holder(index, kLogWriterByte, "WRITE");
    if (!holder) holder = Holder(database, kFileLockBytes, "WRITE");
    if (!holder) holder = Holder(database, kFileLockBytes, "READ");
    std::string text = "the records file is locked by another program";
    if (holder)
        text += " (" + ProgramName(*holder) + ", process " + std::to_string(*holder) + ")";
    return text;
}

}  // namespace kalodaya::records
