// Writing a whole file on POSIX systems (the rules are in base/whole_file.h).
#include "base/whole_file.h"

#include "base/platform/standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

namespace kalodaya {
namespace {

namespace fs = std::filesystem;

FileWriteError Failed(int error) { return {std::generic_category().message(error)}; }

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that an error of the close (a full disk on some file systems) is seen.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// The descriptor of the standard stream that is the file `target`, if one is.
std::optional<int> StandardStreamOf(const struct stat& target) {
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream{};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == target.st_dev &&
            stream.st_ino == target.st_ino)
            return fd;
    }
    return std::nullopt;
}

// A character device or named pipe, written as it stands. Opening without waiting: a pipe
// that no program reads would otherwise hold the writer for ever.
std::optional<FileWriteError> WriteDirectly(const fs::path& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENXIO) return FileWriteError{"it is a named pipe that no program is reading"};
        return Failed(errno);
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    if (const int error = platform::WriteBytes(fd.get(), bytes)) return Failed(error);
    if (fd.Close() != 0) return Failed(errno);
    return std::nullopt;
}

// Follows symbolic links from `path` to the name they end at, which need not exist yet.
std::optional<fs::path> LinkEnd(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat entry{};
        if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return path;
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Writes a temporary file beside `target` and puts it in place: renamed over the plain file
// `existing` describes, or, without one, linked under the name so that a file someone made
// meanwhile is not replaced.
std::optional<FileWriteError> WriteThroughTemporary(const fs::path& target, std::string_view bytes,
                                                    const struct stat* existing) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = target.filename().string();
    // A hidden name with six letters of its own; a long name is cut to stay a valid name.
    if (name.size() > NAME_MAX - 16) name = "kalodaya";
    std::string temporary = (folder / ("." + name + ".XXXXXX")).string();
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) return Failed(errno);
    bool placed = false;
    struct RemoveUnlessPlaced {
        const std::string& path;
        const bool& placed;
        ~RemoveUnlessPlaced() {
            if (!placed) ::unlink(path.c_str());
        }
    } cleanup{temporary, placed};

    if (existing) {
        // Root replacing another user's file gives it back to that user; others cannot, and
        // keep the group at most.
        if (::fchown(fd.get(), existing->st_uid, existing->st_gid) != 0)
            (void)!::fchown(fd.get(), static_cast<uid_t>(-1), existing->st_gid);
        ::fchmod(fd.get(), existing->st_mode & 07777);
    } else {
        ::fchmod(fd.get(), 0600);
    }
    if (const int error = platform::WriteBytes(fd.get(), bytes)) return Failed(error);
    if (::fsync(fd.get()) != 0 && errno != EINVAL) return Failed(errno);
    if (fd.Close() != 0) return Failed(errno);

    if (existing) {
        if (::rename(temporary.c_str(), target.c_str()) != 0) return Failed(errno);
    } else if (::link(temporary.c_str(), target.c_str()) == 0) {
        ::unlink(temporary.c_str());
    } else if (errno == EEXIST) {
        return FileWriteError{"something of that name was made meanwhile", true};
    } else {
        // A file system without hard links: the name is checked once more and taken.
        struct stat entry{};
        if (::lstat(target.c_str(), &entry) == 0)
            return FileWriteError{"something of that name was made meanwhile", true};
        if (::rename(temporary.c_str(), target.c_str()) != 0) return Failed(errno);
    }
    placed = true;
    // The new name itself reaches the disk with the folder.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::fsync(directory.get());
    return std::nullopt;
}

}  // namespace

std::optional<FileWriteError> WriteWholeFile(const fs::path& path, std::string_view bytes,
                                             ExistingFile existing) {
    struct stat entry{};
    if (existing == ExistingFile::Keep && ::lstat(path.c_str(), &entry) == 0)
        return FileWriteError{"something of that name is already there", true};

    struct stat target{};
    if (::stat(path.c_str(), &target) != 0) {
        if (errno != ENOENT) return Failed(errno);
        // Nothing there, or a link to nothing: the file is made where the link points.
        const std::optional<fs::path> end = LinkEnd(path);
        if (!end) return Failed(ELOOP);
        return WriteThroughTemporary(*end, bytes, nullptr);
    }
    if (const auto stream = StandardStreamOf(target)) {
        if (const int error = platform::WriteBytes(*stream, bytes)) return Failed(error);
        return std::nullopt;
    }
    if (S_ISREG(target.st_mode)) {
        std::error_code ec;
        const fs::path file = fs::canonical(path, ec);
        if (ec) return FileWriteError{ec.message()};
        return WriteThroughTemporary(file, bytes, &target);
    }
    if (S_ISCHR(target.st_mode) || S_ISFIFO(target.st_mode)) return WriteDirectly(path, bytes);
    if (S_ISDIR(target.st_mode)) return FileWriteError{"it is a folder"};
    if (S_ISBLK(target.st_mode)) return FileWriteError{"it is a disk device"};
    return FileWriteError{"it is not a file that can be written"};
}

}  // namespace kalodaya
