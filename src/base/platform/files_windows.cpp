// Files on Windows. A user's own folders (%LOCALAPPDATA%) are already closed to other users,
// so files and folders take the folder's permissions; no list of file locks is published.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "base/platform/files.h"

namespace kalodaya::platform {

namespace fs = std::filesystem;

FileStatus StatusOf(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return {FileKind::Missing, 0};
    if (ec) return {FileKind::Missing, ec.default_error_condition().value()};
    switch (status.type()) {
        case fs::file_type::regular:
            return {FileKind::Plain, 0};
        case fs::file_type::directory:
            return {FileKind::Folder, 0};
        case fs::file_type::character:
            return {FileKind::Device, 0};
        default:
            return {FileKind::Other, 0};
    }
}

int ReadError(const fs::path& path) {
    const int fd = _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0) return errno == ENOENT ? 0 : errno;
    _close(fd);
    return 0;
}

std::optional<std::string> MakePrivateFolders(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return std::generic_category().message(ec.default_error_condition().value());
    if (!fs::is_directory(folder, ec)) return std::string("it is not a folder");
    return std::nullopt;
}

std::optional<std::string> MakePrivateFile(const fs::path& path) {
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        if (errno == EEXIST) return std::nullopt;  // taken meanwhile: SQLite opens it
        return std::generic_category().message(errno);
    }
    _close(fd);
    return std::nullopt;
}

void KeepPrivate(const fs::path&) {}

std::optional<LockHolder> FileLockHolder(const fs::path&, long long, long long, bool) {
    return std::nullopt;
}

}  // namespace kalodaya::platform
