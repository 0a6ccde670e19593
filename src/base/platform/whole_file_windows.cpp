// Writing a whole file on Windows (the rules are in base/whole_file.h): a new or replaced file
// is written beside the target under a temporary name, flushed, and moved into place; a
// folder is refused. Windows has no named pipes in the file system and no /dev/stdout.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <algorithm>
#include <random>
#include <system_error>

#include "base/platform/system.h"
#include "base/whole_file.h"

namespace kalodaya {
namespace {

namespace fs = std::filesystem;

FileWriteError Failed(int error) { return {std::generic_category().message(error)}; }

int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        default:
            return EIO;
    }
}

std::optional<FileWriteError> WriteThroughTemporary(const fs::path& target, std::string_view bytes,
                                                    bool replace) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device seed;
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / platform::PathFromUtf8("." + platform::Utf8(target.filename()) + "." +
                                                   std::to_string(seed() % 1000000));
        fd = _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                    _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST) return Failed(errno);
    }
    if (fd < 0) return Failed(EEXIST);
    int error = 0;
    for (std::string_view rest = bytes; !rest.empty() && error == 0;) {
        const int put = _write(fd, rest.data(), static_cast<unsigned>(std::min<std::size_t>(rest.size(), 1 << 30)));
        if (put < 0)
            error = errno;
        else
            rest.remove_prefix(static_cast<std::size_t>(put));
    }
    if (error == 0 && _commit(fd) != 0) error = errno;
    if (_close(fd) != 0 && error == 0) error = errno;
    if (error == 0 &&
        !MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0))) {
        const DWORD failure = GetLastError();
        _wunlink(temporary.c_str());
        if (failure == ERROR_ALREADY_EXISTS || failure == ERROR_FILE_EXISTS)
            return FileWriteError{"something of that name was made meanwhile", true};
        return Failed(ErrnoOf(failure));
    }
    if (error != 0) {
        _wunlink(temporary.c_str());
        return Failed(error);
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileWriteError> WriteWholeFile(const fs::path& path, std::string_view bytes,
                                             ExistingFile existing) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const bool there = status.type() != fs::file_type::not_found && !ec;
    if (existing == ExistingFile::Keep && there)
        return FileWriteError{"something of that name is already there", true};
    if (!there) return WriteThroughTemporary(path, bytes, false);
    if (fs::is_directory(status)) return FileWriteError{"it is a folder"};
    if (!fs::is_regular_file(status)) return FileWriteError{"it is not a file that can be written"};
    return WriteThroughTemporary(path, bytes, true);
}

}  // namespace kalodaya
