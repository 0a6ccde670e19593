// Without a usable display the program explains itself instead of failing inside Qt: when no
// display is named, and when the one named does not answer.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/display_check.h"

using namespace kalodaya::ui;
using Kind = DisplayEndpoint::Kind;

namespace {

// A listening Unix socket at `path`, closed at the end of the scope.
class Listener {
public:
    explicit Listener(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        ok_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, 4) == 0;
    }
    ~Listener() { ::close(fd_); }
    bool ok() const { return ok_; }

private:
    int fd_;
    bool ok_ = false;
};

// An X11 display number whose socket nobody listens on.
std::string UnusedX11Display() {
    for (int number = 4711;; ++number) {
        const std::string name = ":" + std::to_string(number);
        const auto endpoints = X11Endpoints(name);
        if (std::none_of(endpoints.begin(), endpoints.end(), AcceptsConnections)) return name;
    }
}

}  // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT

private slots:
    void x11NamesAndWhereTheyLead() {
        const std::vector<DisplayEndpoint> local0 = {{Kind::AbstractSocket, "/tmp/.X11-unix/X0", 0},
                                                     {Kind::UnixSocket, "/tmp/.X11-unix/X0", 0}};
        QVERIFY(X11Endpoints(":0") == local0);
        QVERIFY(X11Endpoints(":0.1") == local0);
        QVERIFY(X11Endpoints("unix:0") == local0);
        QVERIFY(X11Endpoints("unix/:0") == local0);
        QVERIFY(X11Endpoints("localhost:10.0") ==
                std::vector<DisplayEndpoint>({{Kind::Tcp, "localhost", 6010}}));
        QVERIFY(X11Endpoints("tcp/example.org:2") ==
                std::vector<DisplayEndpoint>({{Kind::Tcp, "example.org", 6002}}));
        QVERIFY(X11Endpoints("[::1]:1") == std::vector<DisplayEndpoint>({{Kind::Tcp, "::1", 6001}}));
        QVERIFY(X11Endpoints("/tmp/launch-x/org.x:0") ==
                std::vector<DisplayEndpoint>({{Kind::UnixSocket, "/tmp/launch-x/org.x", 0}}));
        for (const char* nothing : {"", "0", "x", ":", ":x", ":0.x", "host::0", "decnet/h:0", ":99999"})
            QVERIFY2(X11Endpoints(nothing).empty(), nothing);
    }

    void waylandNamesAreSocketsInTheRuntimeFolder() {
        QVERIFY(WaylandEndpoint("wayland-0", "/run/user/1000") ==
                DisplayEndpoint({Kind::UnixSocket, "/run/user/1000/wayland-0", 0}));
        QVERIFY(WaylandEndpoint("/srv/w", "") == DisplayEndpoint({Kind::UnixSocket, "/srv/w", 0}));
        QVERIFY(!WaylandEndpoint("wayland-0", ""));
        QVERIFY(!WaylandEndpoint("", "/run/user/1000"));
    }

    // A display counts only when it answers; a chosen Qt platform is left to Qt.
    void aDisplayMustAnswer_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("noDisplay");
        QTest::newRow("nothing") << QString() << true << true;
        QTest::newRow("X11 answers") << "DISPLAY" << true << false;
        QTest::newRow("X11 silent") << "DISPLAY" << false << true;
        QTest::newRow("Wayland answers") << "WAYLAND_DISPLAY" << true << false;
        QTest::newRow("Wayland silent") << "WAYLAND_DISPLAY" << false << true;
        QTest::newRow("platform chosen") << "QT_QPA_PLATFORM" << false << false;
        QTest::newRow("unrelated") << "HOME" << true << true;
    }
    void aDisplayMustAnswer() {
        QFETCH(QString, variable);
        QFETCH(bool, answers);
        QFETCH(bool, noDisplay);
        const std::map<std::string, std::string> values = {{"DISPLAY", ":3"},
                                                           {"WAYLAND_DISPLAY", "wayland-1"},
                                                           {"QT_QPA_PLATFORM", "xcb"},
                                                           {"HOME", "/home/x"}};
        const auto env = [&](const char* name) {
            if (std::string(name) == "XDG_RUNTIME_DIR") return std::string("/run/user/7");
            return variable == QLatin1String(name) ? values.at(name) : std::string();
        };
        int asked = 0;
        const auto probe = [&](const DisplayEndpoint&) {
            ++asked;
            return answers;
        };
        QCOMPARE(NoDisplayAvailable(env, probe), noDisplay);
        if (variable == QLatin1String("QT_QPA_PLATFORM")) QCOMPARE(asked, 0);
    }

    void socketsAreTriedForReal() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("wayland-test")).toStdString();
        QVERIFY(!AcceptsConnections({Kind::UnixSocket, path, 0}));
        Listener listener(path);
        QVERIFY(listener.ok());
        QVERIFY(AcceptsConnections({Kind::UnixSocket, path, 0}));
        const auto env = [&](const char* name) {
            const std::string n = name;
            if (n == "WAYLAND_DISPLAY") return std::string("wayland-test");
            if (n == "XDG_RUNTIME_DIR") return dir.path().toStdString();
            return std::string();
        };
        QVERIFY(!NoDisplayAvailable(env));
    }

    void theMessageSaysWhatIsMissingAndHowToGetAChart() {
        const std::string text = NoDisplayMessage("/opt/bin/kalodaya-chart");
        const std::string first = text.substr(0, text.find('\n'));
        QVERIFY(first.find("graphical desktop") != std::string::npos);
        QCOMPARE(std::count(first.begin(), first.end(), '.'), 1);  // one sentence
        QVERIFY(text.find("\n  /opt/bin/kalodaya-chart --name RAMA --date 1990-08-15") !=
                std::string::npos);
        QVERIFY(text.find("\n  kalodaya --export rama.pdf") != std::string::npos);
    }

    // The program itself: a display that is named but does not answer gets the same
    // explanation and status as no display at all, never an abort; so does a platform chosen
    // explicitly that cannot start.
    void theProgramExplainsANamedDisplayThatDoesNotAnswer_data() {
        QTest::addColumn<QStringList>("variables");
        const QString silentX11 = QString::fromStdString(UnusedX11Display());
        QTest::newRow("none") << QStringList();
        QTest::newRow("X11 silent") << QStringList{"DISPLAY=" + silentX11};
        QTest::newRow("X11 not a name") << QStringList{"DISPLAY=nonsense"};
        QTest::newRow("Wayland silent") << QStringList{"WAYLAND_DISPLAY=wayland-none"};
        QTest::newRow("both silent") << QStringList{"DISPLAY=" + silentX11, "WAYLAND_DISPLAY=w-none"};
        QTest::newRow("xcb chosen, silent")
            << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + silentX11};
    }
    void theProgramExplainsANamedDisplayThatDoesNotAnswer() {
        QFETCH(QStringList, variables);
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::tempPath());
        for (const QString& v : variables) env.insert(v.section('=', 0, 0), v.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KALODAYA_EXE), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(QLatin1String("needs a graphical desktop")), qPrintable(said));
        QVERIFY2(said.contains(QLatin1String("kalodaya-chart --name RAMA")), qPrintable(said));
    }
};

QTEST_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
