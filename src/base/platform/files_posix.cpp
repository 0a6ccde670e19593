// Files on POSIX systems; the lock holders from Linux's /proc/locks.
#include <fcntl.h>
#include <sys/stat.h>
#if defined(__linux__)
#include <sys/sysmacros.h>
#endif
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "base/platform/files.h"

namespace kalodaya::platform {

namespace fs = std::filesystem;

FileStatus StatusOf(const fs::path& path) {
    struct stat entry{};
    if (::stat(path.c_str(), &entry) != 0)
        return {FileKind::Missing, errno == ENOENT ? 0 : errno};
    const auto mode = entry.st_mode;
    return {S_ISREG(mode)    ? FileKind::Plain
            : S_ISDIR(mode)  ? FileKind::Folder
            : S_ISFIFO(mode) ? FileKind::NamedPipe
            : S_ISCHR(mode)  ? FileKind::Device
            : S_ISBLK(mode)  ? FileKind::DiskDevice
            : S_ISSOCK(mode) ? FileKind::Socket
                             : FileKind::Other,
            0};
}

int ReadError(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? 0 : errno;
    ::close(fd);
    return 0;
}

std::optional<std::string> MakePrivateFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path up = folder; !up.empty() && !fs::exists(up, ec); up = up.parent_path()) {
        missing.push_back(up);
        if (up == up.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), 0700) != 0) {
            if (errno == EEXIST && fs::is_directory(*it, ec)) continue;  // made meanwhile
            return std::generic_category().message(errno);
        }
        // The umask can only take permissions away; this gives back any it took from the owner.
        ::chmod(it->c_str(), 0700);
    }
    if (!fs::is_directory(folder, ec)) return std::string("it is not a folder");
    return std::nullopt;
}

std::optional<std::string> MakePrivateFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        // Taken meanwhile, or a link the user made to a file still to come: SQLite makes it.
        if (errno == EEXIST) return std::nullopt;
        return std::generic_category().message(errno);
    }
    ::fchmod(fd, 0600);
    ::close(fd);
    return std::nullopt;
}

void KeepPrivate(const fs::path& path) {
    struct stat entry{};
    if (::lstat(path.c_str(), &entry) == 0 && S_ISREG(entry.st_mode))
        ::chmod(path.c_str(), entry.st_mode & 07700);
}

namespace {

std::string ProgramName(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? "a program" : name;
}

}  // namespace

// /proc/locks lists one lock a line:
//   "1: POSIX  ADVISORY  WRITE 4242 08:01:1311 120 120"
std::optional<LockHolder> FileLockHolder(const fs::path& file, long long first, long long last,
                                         bool write) {
#if defined(__linux__)
    struct stat entry{};
    if (::stat(file.c_str(), &entry) != 0) return std::nullopt;
    const std::string type = write ? "WRITE" : "READ";
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, advisory, access, device, from, to;
        long pid = 0;
        fields >> number >> kind;
        if (kind == "->") continue;  // a request waiting for a lock, not a lock
        fields >> advisory >> access >> pid >> device >> from >> to;
        if (!fields || access != type || pid == ::getpid() || pid <= 0) continue;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(device.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
        if (major != ::major(entry.st_dev) || minor != ::minor(entry.st_dev) || inode != entry.st_ino)
            continue;
        const long long start = std::strtoll(from.c_str(), nullptr, 10);
        const long long end = to == "EOF" ? -1 : std::strtoll(to.c_str(), nullptr, 10);
        if ((end < 0 || end >= first) && start <= last) return LockHolder{pid, ProgramName(pid)};
    }
#else
    (void)file, (void)first, (void)last, (void)write;
#endif
    return std::nullopt;
}

}  // namespace kalodaya::platform
