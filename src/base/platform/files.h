#pragma once
// Files as the records need them: what a name is, private folders and files (saved birth data
// is kept from the other users of the machine: folders made for it are 0700 and its files 0600
// whatever the umask; what already exists is left as its owner made it), and who holds a lock.
#include <filesystem>
#include <optional>
#include <string>

namespace kalodaya::platform {

enum class FileKind { Missing, Plain, Folder, NamedPipe, Device, DiskDevice, Socket, Other };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    int error = 0;  // the system's error number when the name cannot be reached (not Missing)
};

// What `path` names, links followed.
FileStatus StatusOf(const std::filesystem::path& path);

// The error number when `path` exists and cannot be opened for reading; 0 otherwise. Opens
// without waiting (a named pipe) and closes at once.
int ReadError(const std::filesystem::path& path);

// Makes `folder` and every missing folder above it, each 0700. The reason on failure.
std::optional<std::string> MakePrivateFolders(const std::filesystem::path& folder);

// Makes `path` an empty file of mode 0600 when nothing has that name (a file made meanwhile,
// or a symbolic link, is left alone). The reason on failure.
std::optional<std::string> MakePrivateFile(const std::filesystem::path& path);

// Takes the group's and others' permissions off a plain file.
void KeepPrivate(const std::filesystem::path& path);

struct LockHolder {
    long pid = 0;
    std::string program;  // "a program" when its name cannot be told
};

// A process other than this one holding a write (or, with write false, a read) lock on any of
// the bytes first..last of `file`. Read from the system's list of file locks, so that no
// descriptor of the file is opened (closing one would drop this process's own locks).
std::optional<LockHolder> FileLockHolder(const std::filesystem::path& file, long long first,
                                         long long last, bool write);

}  // namespace kalodaya::platform
