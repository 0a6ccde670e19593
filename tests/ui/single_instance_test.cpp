// One copy of the program at a time: a second start reports and ends before any window. Only a
// running copy blocks a start: a lock file left behind (empty, old contents, a directory) is
// taken over, and where no lock can be made the program starts anyway.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "recording_services.h"
#include "ui/app_controller.h"
#include "ui/single_instance.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

constexpr const char* kHoldLockVariable = "KALODAYA_TEST_HOLD_LOCK";

// Child mode: take the lock and keep it until killed.
int HoldLock(const QString& path) {
    SingleInstance instance(path);
    if (!instance.TryAcquire()) return 2;
    std::puts("held");
    std::fflush(stdout);
    for (;;) pause();
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString LockPath(const char* name = "kalodaya.lock") const {
        return dir_.filePath(QString::fromLatin1(name));
    }

    // Another copy of the program, holding the lock at `path`.
    std::unique_ptr<QProcess> StartHolder(const QString& path) {
        auto holder = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kHoldLockVariable), path);
        holder->setProcessEnvironment(env);
        holder->start(QCoreApplication::applicationFilePath(), {});
        if (!holder->waitForReadyRead(10000)) qFatal("the lock holder did not start");
        if (holder->readAllStandardOutput().trimmed() != "held") qFatal("the holder has no lock");
        return holder;
    }

private slots:
    void secondInstanceInTheSameProcessIsRefused() {
        SingleInstance first(LockPath("a.lock"));
        SingleInstance second(LockPath("a.lock"));
        QVERIFY(first.TryAcquire());
        QVERIFY(first.TryAcquire());  // asking again keeps it
        QVERIFY(!second.TryAcquire());
        first.Release();
        QVERIFY(second.TryAcquire());
        QVERIFY(second.Held());
    }

    void aRunningCopyBlocksAndADeadCopysLockIsTakenOver() {
        auto holder = StartHolder(LockPath("b.lock"));
        SingleInstance mine(LockPath("b.lock"));
        QVERIFY(!mine.TryAcquire());
        QVERIFY(QFile::exists(LockPath("b.lock")));

        // The other copy crashes: its lock file stays behind.
        ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(10000));
        QVERIFY(QFile::exists(LockPath("b.lock")));
        QVERIFY(mine.TryAcquire());
    }

    // What a file holds says nothing about a running copy: after a power loss it may be empty,
    // hold half a line or another program's number, or have become a directory.
    void aLeftoverLockNeverBlocksAStart_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("directory");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13 not a lock\n", 17) << false;
        // The format of an older lock, naming a process that runs (the init process).
        QTest::newRow("another process") << QByteArray("1\nkalodaya\nthis-host\n") << false;
        QTest::newRow("directory") << QByteArray() << true;
    }
    void aLeftoverLockNeverBlocksAStart() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, directory);
        const QString path = LockPath(QTest::currentDataTag());
        if (directory) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        SingleInstance mine(path);
        QVERIFY(mine.TryAcquire());
        QVERIFY(mine.Held());
        QVERIFY(mine.Problem().isEmpty());
        // The lock works as before: another copy is refused until this one ends.
        auto refused = std::make_unique<SingleInstance>(path);
        QVERIFY(!refused->TryAcquire());
        mine.Release();
        QVERIFY(refused->TryAcquire());

        // And the real start-up goes ahead without a word.
        refused.reset();
        Services services = DesktopServices();
        RecordingBoxes boxes(services);
        StartOptions options;
        options.services = &services;
        options.lockPath = path;
        options.quit = [] {};
        options.runUpdateReminder = false;
        AppController controller(options);
        QVERIFY(controller.Start());
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(controller.Current(), AppController::Screen::Entry);
    }

    // A lock that cannot be made (a folder that cannot be written or does not exist) or that
    // belongs to someone else is no reason to refuse the user: the program starts without it.
    void whereNoLockCanBeMadeTheProgramStarts() {
        QFile plain(LockPath("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        for (const QString& path : {LockPath("plain-file") + "/kalodaya.lock",
                                    LockPath("missing-folder") + "/kalodaya.lock"}) {
            SingleInstance instance(path);
            QVERIFY(instance.TryAcquire());
            QVERIFY(!instance.Held());
            QVERIFY(instance.Problem().contains(path));
        }
        const QString foreign = LockPath("foreign.lock");
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (::geteuid() == 0) {  // only the superuser can give a file away
            QCOMPARE(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
            SingleInstance instance(foreign);
            QVERIFY(instance.TryAcquire());
            QVERIFY(!instance.Held());
            QVERIFY(instance.Problem().contains(QLatin1String("another user")));
        }
    }

    void aRunningCopyBlocksWhateverItsFileHolds() {
        auto holder = StartHolder(LockPath("d.lock"));
        QFile file(LockPath("d.lock"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));  // emptied under it
        file.close();
        SingleInstance mine(LockPath("d.lock"));
        QVERIFY(!mine.TryAcquire());
        holder->kill();
        holder->waitForFinished();
    }

    void secondStartReportsOnceAndEndsBeforeAnyWindow() {
        auto holder = StartHolder(LockPath("c.lock"));
        Services services = DesktopServices();
        RecordingBoxes boxes(services);
        int quits = 0;
        StartOptions options;
        options.services = &services;
        options.lockPath = LockPath("c.lock");
        options.quit = [&] { ++quits; };
        AppController second(options);
        QVERIFY(!second.Start());
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Kalodaya"));
        QCOMPARE(quits, 1);
        QVERIFY(!second.Form());
        QCOMPARE(second.Current(), AppController::Screen::Ended);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
        // The first copy is unaffected: it still holds its lock.
        QCOMPARE(holder->state(), QProcess::Running);
        SingleInstance probe(LockPath("c.lock"));
        QVERIFY(!probe.TryAcquire());
        holder->kill();
        holder->waitForFinished();
    }

    void theDefaultLockIsTheUsers() {
        const QString path = DefaultInstanceLockPath();
        QVERIFY(path.endsWith(QLatin1String(".lock")));
        QVERIFY(QFileInfo(path).dir().exists());
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kHoldLockVariable)) {
        QCoreApplication app(argc, argv);
        return HoldLock(qEnvironmentVariable(kHoldLockVariable));
    }
    QApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "single_instance_test.moc"
