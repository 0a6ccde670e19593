// Without a display the program explains itself instead of failing inside Qt.
#include <QTest>
#include <algorithm>
#include <map>
#include <string>

#include "ui/display_check.h"

using namespace kalodaya::ui;

class DisplayCheckTest : public QObject {
    Q_OBJECT

private slots:
    void aDisplayOrAChosenPlatformIsEnough_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("noDisplay");
        QTest::newRow("nothing") << QString() << true;
        QTest::newRow("X11") << "DISPLAY" << false;
        QTest::newRow("Wayland") << "WAYLAND_DISPLAY" << false;
        QTest::newRow("platform chosen") << "QT_QPA_PLATFORM" << false;
        QTest::newRow("unrelated") << "HOME" << true;
    }
    void aDisplayOrAChosenPlatformIsEnough() {
        QFETCH(QString, variable);
        QFETCH(bool, noDisplay);
        const auto env = [&](const char* name) {
            return variable == QLatin1String(name) ? std::string("x") : std::string();
        };
        QCOMPARE(NoDisplayAvailable(env), noDisplay);
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
};

QTEST_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
