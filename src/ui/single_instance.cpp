#include "ui/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace kalodaya::ui {
namespace {

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Opens the lock file, creating it when missing. A lock file that cannot be written (a
// read-only folder, a directory in its place) can still be locked when it can be read. Never
// follows a symbolic link, and never passed on to programs this one starts (such as the
// browser), which would otherwise keep the lock after this copy ends.
int OpenLockFile(const QByteArray& path) {
    int fd = -1;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0) return fd;
    const int createError = errno;
    do {
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) errno = createError;
    return fd;
}

}  // namespace

QString DefaultInstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("kalodaya.lock");
    if (folder.isEmpty()) {
        // The temporary folder is shared between users: the user's name keeps the lock theirs.
        folder = QDir::tempPath();
        QString user = qEnvironmentVariable("USER");
        if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
        name = QStringLiteral("kalodaya-%1.lock").arg(user);
    }
    return QDir(folder).filePath(name);
}

SingleInstance::SingleInstance(QString lockPath) : path_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() { Release(); }

bool SingleInstance::TryAcquire() {
    if (Held()) return true;
    problem_.clear();
    const int fd = OpenLockFile(QFile::encodeName(path_));
    if (fd < 0) {
        problem_ = QStringLiteral("cannot open %1: %2").arg(path_, SystemError(errno));
        return true;
    }
    // In a folder other users can write to, a file someone else made is no lock of this user's:
    // trusting it would let them keep the program from starting.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_uid != ::geteuid()) {
        ::close(fd);
        problem_ = QStringLiteral("%1 belongs to another user").arg(path_);
        return true;
    }
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return false;  // a running copy holds it
        problem_ = QStringLiteral("cannot lock %1: %2").arg(path_, SystemError(error));
        return true;
    }
    fd_ = fd;
    // For a person looking at the file: which process holds it. Nothing reads it back.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (S_ISREG(status.st_mode) && ::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd_, pid.constData(), pid.size(), 0);
    }
    return true;
}

void SingleInstance::Release() {
    if (fd_ < 0) return;
    // The file stays: removing it would let a copy that opened it just before lock a file no
    // longer in the folder, while a third copy locks a new one.
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace kalodaya::ui
