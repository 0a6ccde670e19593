#include "ui/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kalodaya::ui {

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
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock never goes stale by age while its copy runs; QLockFile still takes over a lock
    // whose process has ended.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    lock_.reset();
    return false;
}

void SingleInstance::Release() {
    if (lock_) lock_->unlock();
    lock_.reset();
}

bool SingleInstance::Held() const { return lock_ && lock_->isLocked(); }

}  // namespace kalodaya::ui
