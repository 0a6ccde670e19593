#pragma once
// One running copy of the program per user: an advisory lock on a file in the user's runtime
// (or temporary) folder. The system drops the lock when the copy holding it ends, however it
// ends, so what the file holds never matters: a file left behind empty, with old contents, or
// by a power loss is simply locked again. One copy at a time is a convenience: where no lock can
// be made, the program starts without one.
#include <QString>

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

    // False only when another running copy holds the lock. True when this copy now holds it
    // (or already held it), and also when no lock can be made here (Problem() says why).
    bool TryAcquire();
    void Release();
    bool Held() const { return fd_ >= 0; }
    const QString& LockPath() const { return path_; }
    // Why the last TryAcquire went ahead without a lock; empty when it did not.
    const QString& Problem() const { return problem_; }

private:
    QString path_;
    int fd_ = -1;
    QString problem_;
};

}  // namespace kalodaya::ui
