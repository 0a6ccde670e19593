#pragma once
// Writing a whole file the way a careful user would: a file is replaced only as a whole and only
// when it is a plain file; a device or named pipe is written to as it stands; a folder, a disk
// device or a socket is never touched. Files hold birth data, so a new one is private (0600)
// and a replaced one keeps its mode and owner.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kalodaya {

// What to do when something already has the file's name.
enum class ExistingFile {
    Replace,  // a plain file is replaced (devices and named pipes are written to)
    Keep,     // nothing is written: the error says the name is taken
};

struct FileWriteError {
    std::string reason;  // lower case, to follow "cannot write <file>: "
    bool nameTaken = false;  // ExistingFile::Keep found something under the name
};

// Writes `bytes` as the whole content of `path`:
// - nothing there: a new file, mode 0600 whatever the umask, written beside it under a
//   temporary name and put in place only when complete (a name taken meanwhile is not
//   replaced);
// - a plain file, or a symbolic link to one: the same, renamed over the file, which keeps its
//   mode and (where allowed) its owner; a link is followed, so the link stays and its target
//   gets the new content;
// - this process's own standard output or error (/dev/stdout): written to that stream;
// - a character device or named pipe: written to directly, never replaced; a pipe nobody reads
//   is refused at once rather than waited on;
// - a folder, disk device or socket: refused.
std::optional<FileWriteError> WriteWholeFile(const std::filesystem::path& path,
                                             std::string_view bytes,
                                             ExistingFile existing = ExistingFile::Replace);

}  // namespace kalodaya
