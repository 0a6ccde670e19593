#include "records/private_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace kalodaya::records {

namespace fs = std::filesystem;

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

}  // namespace kalodaya::records
