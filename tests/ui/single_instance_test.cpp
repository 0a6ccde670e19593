// One copy of the program at a time: a second start reports and ends before any window, and a
// lock left behind by a copy that died does not block the next start.
#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
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

    void secondStartReportsOnceAndEndsBeforeAnyWindow() {
        auto holder = StartHolder(LockPath("c.lock"));
        RecordingBoxes boxes;
        int quits = 0;
        StartOptions options;
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
