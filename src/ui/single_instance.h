#pragma once
// One running copy of the program per user: a lock file in the user's runtime (or temporary)
// folder. A lock left behind by a copy that crashed is taken over, because the process that
// wrote it no longer runs.
#include <QString>
#include <memory>

class QLockFile;

namespace kalodaya::ui {

inline const QString kAlreadyRunningMessage = QStringLiteral("Application is already running");

// The lock file of the current user.
QString DefaultInstanceLockPath();

class SingleInstance {
public:
    explicit SingleInstance(QString lockPath = DefaultInstanceLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy now holds the lock (or already held it); false when another
    // running copy holds it.
    bool TryAcquire();
    void Release();
    bool Held() const;
    const QString& LockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace kalodaya::ui
