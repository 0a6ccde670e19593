// The program's navigation through its real windows: a chart request from the entry form to
// the results, Back, a second request, failed checks, the ways the program ends, About.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include <random>

#include "chart/chart_outcome.h"
#include "base/tables.h"
#include "form_driver.h"
#include "recording_services.h"
#include "ui/about_box.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/entry_form.h"
#include "ui/print/chart_print_actions.h"
#include "ui/results_window.h"
#include "ui/update_reminder.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

QString LabelText(QWidget* root, const QString& name) {
    auto* label = root->findChild<QLabel*>(name);
    if (!label) qFatal("label %s not found", qPrintable(name));
    return label->text();
}

QString Shown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// What the window's chart draws in a sign's cell, written as the core's cell texts are: each
// body on a line of its own after an empty first line; the markers after an empty first line
// and the arudha padas' empty lines.
QString DrawnBodies(ResultsWindow* display, int sign) {
    QString text;
    for (const LayoutItem& item : display->StylePanel()->View()->Layout().cells[sign].items)
        if (item.kind == LayoutItem::Kind::Body)
            text += QLatin1Char('\n') + QString::fromStdString(item.text);
    return text;
}

QString DrawnMarkers(ResultsWindow* display, int sign) {
    const LayoutCell& cell = display->StylePanel()->View()->Layout().cells[sign];
    QString text;
    for (const LayoutItem& item : cell.items)
        if (item.kind == LayoutItem::Kind::Marker)
            text += QLatin1Char('\n') + QString::fromStdString(item.text);
    return text.isEmpty() ? text : QString(QLatin1Char('\n')).repeated(cell.blankMarkerLines) + text;
}

// A core cell text as the chart draws it: no blank after a name, no empty lines at the end.
QString Drawn(const std::string& text) {
    QStringList lines = Shown(text).split(QLatin1Char('\n'));
    for (QString& line : lines)
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

// The same request computed by the core alone, as if it were the program's first.
ResultTexts ChartAlone(EntryForm* form) {
    const ChartOutcome outcome = RequestChart(form->CurrentRequest());
    if (!outcome.Computed()) qFatal("the reference request was not computed");
    return outcome.texts;
}

// Every chart text in the window equals the core's text for the same request.
void VerifyWindowShows(ResultsWindow* display, const ResultTexts& view) {
    for (int k = 0; k < kBodyCount; ++k)
        QCOMPARE(LabelText(display, QStringLiteral("planetValue%1").arg(k)), Shown(view.planet[k]));
    for (int s = 0; s < kSignCount; ++s) {
        QCOMPARE(DrawnBodies(display, s), Drawn(view.signCells[s]));
        QCOMPARE(DrawnMarkers(display, s), Drawn(view.markers[s]));
    }
}

void ProcessDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class AppControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    Services services_ = DesktopServices();
    std::unique_ptr<RecordingBoxes> boxes_;
    std::unique_ptr<RecordingBrowser> browser_;
    std::unique_ptr<AppController> controller_;
    int quits_ = 0;

    // The program's clock: a fixed day, whenever the test runs.
    static inline const QDate kToday{2024, 5, 20};

    void StartProgram(bool reminder = false) {
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [this] { ++quits_; };
        options.runUpdateReminder = reminder;
        options.today = [] { return kToday; };
        options.services = &services_;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
    }

private slots:
    void init() {
        boxes_ = std::make_unique<RecordingBoxes>(services_);
        browser_ = std::make_unique<RecordingBrowser>(services_);
        quits_ = 0;
    }

    void cleanup() {
        controller_.reset();
        ProcessDeferredDeletes();
        browser_.reset();
        boxes_.reset();
    }

    void startShowsOnlyTheEntryForm() {
        StartProgram();
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);
        QVERIFY(controller_->Form()->isVisible());
        QCOMPARE(controller_->Form()->windowTitle(), QStringLiteral("Kalodaya v1.20"));
        QVERIFY(!controller_->Frame());
        QVERIFY(boxes_->shown.isEmpty());
    }

    void dueReminderComesBeforeTheEntryForm() {
        {
            QSettings settings(kReminderOrganisation, kReminderApplication);
            settings.setValue(QStringLiteral("Settings/Duration"),
                              kToday.addDays(-30).toString(Qt::ISODate));
        }
        bool formExistedAtBox = true;
        struct Probe final : MessageBoxes {
            std::function<void()> onShow;
            QMessageBox::StandardButton Show(QWidget*, const MessageRequest&) override {
                onShow();
                return QMessageBox::No;
            }
        } probe;
        probe.onShow = [&] { formExistedAtBox = controller_ && controller_->Form(); };
        services_.messages = &probe;
        StartProgram(true);
        services_.messages = boxes_.get();
        QVERIFY(!formExistedAtBox);
        QVERIFY(controller_->Form()->isVisible());
        QSettings settings(kReminderOrganisation, kReminderApplication);
        QCOMPARE(settings.value(QStringLiteral("Settings/Duration")).toString(),
                 kToday.toString(Qt::ISODate));
    }

    void fullRequestShowsTheChartThroughTheRealWindows() {
        StartProgram();
        EntryForm* form = controller_->Form();
        Fill(form, WorkedExample());
        const ResultTexts expected = ChartAlone(form);
        ClickGetMyGhatiLagna(form);

        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        QVERIFY(boxes_->shown.isEmpty());
        QVERIFY(!form->isVisible());
        AppFrame* frame = controller_->Frame();
        QVERIFY(frame && frame->isVisible());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Kalodaya v1.20"));
        ResultsWindow* display = frame->Display();
        QCOMPARE(display->Tabs()->currentIndex(), 0);
        QCOMPARE(display->Tabs()->tabText(0), QStringLiteral("Ghati Lagna - Chart"));
        VerifyWindowShows(display, expected);

        // Planet rows: two-digit degrees, sign code, two-digit minutes.
        static const QRegularExpression position(QStringLiteral("^\\d\\d [A-Z][a-z]{2} \\d\\d$"));
        for (int k = 0; k < kBodyCount; ++k)
            QVERIFY2(position.match(LabelText(display, QStringLiteral("planetValue%1").arg(k)))
                         .hasMatch(),
                     qPrintable(LabelText(display, QStringLiteral("planetValue%1").arg(k))));
        QCOMPARE(LabelText(display, "planetValue0").mid(3, 3), QStringLiteral("Can"));  // the Sun
        QCOMPARE(LabelText(display, "planetValue9").mid(3, 3),
                 QStringLiteral("Vir"));  // the ascendant

        // Each body stands in the cell of its row's sign code, after an empty first line, in
        // body order; the ascendant as "Asc".
        QStringList seen;
        for (int s = 0; s < kSignCount; ++s) {
            const QString cell = DrawnBodies(display, s);
            if (cell.isEmpty()) continue;
            QVERIFY2(cell.startsWith(QLatin1Char('\n')), qPrintable(cell));
            QStringList names = cell.mid(1).split(QLatin1Char('\n'));
            int lastBody = -1;
            for (const QString& name : names) {
                int body = -1;
                for (int k = 0; k < kBodyCount; ++k)
                    if (name.trimmed().startsWith(QString::fromLatin1(kPlainPlanetNames[k].data(),
                                                                      int(kPlainPlanetNames[k].size()))))
                        body = k;
                QVERIFY2(body > lastBody, qPrintable(cell));
                lastBody = body;
                QCOMPARE(LabelText(display, QStringLiteral("planetValue%1").arg(body)).mid(3, 3),
                         QString::fromLatin1(kSignCodes[s].data(), 3));
                seen.append(name);
            }
        }
        QCOMPARE(seen.size(), kBodyCount);
        QVERIFY(DrawnBodies(display, 5)
                    .split(QLatin1Char('\n'))
                    .contains(QStringLiteral("Asc")));

        // "GL" on its own line in exactly one marker cell: the sign the header names.
        int glSign = -1;
        for (int s = 0; s < kSignCount; ++s) {
            if (DrawnMarkers(display, s)
                    .split(QLatin1Char('\n'))
                    .contains(QStringLiteral("GL"))) {
                QCOMPARE(glSign, -1);
                glSign = s;
            }
        }
        QCOMPARE(glSign, 3);
        QCOMPARE(LabelText(display, "lagnaSign"), QStringLiteral("Cancer"));
        QCOMPARE(LabelText(display, "englishName"), QStringLiteral("Cancer"));
        QCOMPARE(LabelText(display, "vedicName"), QStringLiteral("Kataka"));
        QCOMPARE(LabelText(display, "rulingPlanet"), QStringLiteral("Moon"));
        QVERIFY(display->findChild<QPlainTextEdit*>("looksText")
                    ->toPlainText()
                    .startsWith(QStringLiteral("You have a medium stature and")));

        QCOMPARE(LabelText(display, "personName"), QStringLiteral("RAMA"));
        QCOMPARE(LabelText(display, "birthDate"), QStringLiteral("August/15/1990"));
        QCOMPARE(LabelText(display, "birthTime"), QStringLiteral("10:30"));
        QCOMPARE(LabelText(display, "latitudeValue"), QStringLiteral("28\u00B0 39' N"));
        QCOMPARE(LabelText(display, "longitudeValue"), QStringLiteral("77\u00B0 13' E"));
        QCOMPARE(LabelText(display, "cityValue"), QStringLiteral("New Delhi"));
        QCOMPARE(LabelText(display, "stateValue"), QStringLiteral("Delhi"));
        QCOMPARE(LabelText(display, "countryValue"), QStringLiteral("India"));
    }

    // The worked example's windows, facts and range through the real windows: the ghati
    // lagna's window under its sign, the others on the details page, and a range the user
    // asks for in the results window, recomputed by the chart layer and carried to the pages.
    void workedExampleShowsItsWindowsFactsAndRange() {
        StartProgram();
        Fill(controller_->Form(), WorkedExample());
        ClickGetMyGhatiLagna(controller_->Form());
        ResultsWindow* display = controller_->Frame()->Display();
        QCOMPARE(LabelText(display, "ghatiLagnaWindow"),
                 QStringLiteral("Ghati lagna in Cancer for births from 10:15:00 to 10:38:59 "
                                "(15 min 0 s before to 8 min 59 s after 10:30:00)"));
        QVERIFY(LabelText(display, "ascendantWindow").startsWith("Ascendant in Virgo for births"));
        QVERIFY(LabelText(display, "chartWindow").startsWith("The whole chart stays the same"));
        QCOMPARE(LabelText(display, "factValue6"), QStringLiteral("19 Can 35, Cancer"));
        QVERIFY(display->findChild<QWidget*>("rangeTable")->isHidden());
        QVERIFY(!controller_->Frame()->Display()->PrintActions()->Texts()->rangeRows.size());

        QSpinBox* box = display->UncertaintyBox();
        display->Tabs()->setCurrentIndex(0);
        box->setValue(5);
        auto* table = display->findChild<QTableWidget*>("rangeTable");
        QTRY_VERIFY(!table->isHidden());
        QCOMPARE(controller_->Frame()->Display(), display);  // the same window, recomputed
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("10:25:21"));
        QVERIFY(table->item(1, 0)->font().bold());
        QCOMPARE(controller_->LastOutcome().range->size(), std::size_t{5});
        const auto& pages = *display->PrintActions()->Texts();
        QCOMPARE(pages.rangeRows.size(), std::size_t{5});
        QCOMPARE(pages.rangeBirthRow, 1);
        // Back and a new request start with no range again.
        controller_->Frame()->findChild<QPushButton*>("backButton")->click();
        ProcessDeferredDeletes();
        ClickGetMyGhatiLagna(controller_->Form());
        QCOMPARE(controller_->Frame()->Display()->UncertaintyBox()->value(), 0);
        QVERIFY(!controller_->LastOutcome().range);
    }

    void detailsShowShortestNumbersAndHemispheres() {
        StartProgram();
        EntryForm* form = controller_->Form();
        Fill(form, SouthWestMidnight());
        const ResultTexts expected = ChartAlone(form);
        ClickGetMyGhatiLagna(form);
        QVERIFY(controller_->Frame());
        ResultsWindow* display = controller_->Frame()->Display();
        QCOMPARE(LabelText(display, "latitudeValue"), QStringLiteral("33\u00B0 52' S"));
        QCOMPARE(LabelText(display, "longitudeValue"), QStringLiteral("151\u00B0 0' W"));
        QCOMPARE(LabelText(display, "birthTime"), QStringLiteral("0:0"));
        QCOMPARE(LabelText(display, "birthDate"), QStringLiteral("March/5/1980"));
        QCOMPARE(LabelText(display, "personName"), QStringLiteral("SITA"));
        QCOMPARE(display->Tabs()->currentIndex(), 0);
        VerifyWindowShows(display, expected);
    }

    void backKeepsEveryEntryAndTheNextRequestIsFresh() {
        StartProgram();
        EntryForm* form = controller_->Form();
        Fill(form, WorkedExample());
        const BirthRequest before = form->CurrentRequest();
        const ResultTexts firstExpected = ChartAlone(form);
        ClickGetMyGhatiLagna(form);
        QPointer<AppFrame> first = controller_->Frame();
        QVERIFY(first);
        VerifyWindowShows(first->Display(), firstExpected);
        first->Display()->Tabs()->setCurrentIndex(1);  // the user reads the details page

        QTest::mouseClick(first->findChild<QPushButton*>("backButton"), Qt::LeftButton);
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);
        QVERIFY(form->isVisible());
        QVERIFY(!controller_->Frame());
        ProcessDeferredDeletes();
        QVERIFY2(!first, "Back unloads the frame and its results window");
        QVERIFY(form->CurrentRequest() == before);
        QCOMPARE(Control<QLineEdit>(form, "nameBox")->text(), QStringLiteral("RAMA"));
        QCOMPARE(Control<QLineEdit>(form, "latDegreesBox")->text(), QStringLiteral("28"));
        QCOMPARE(Control<QComboBox>(form, "zoneList")->currentIndex(), 34);

        // A second, different chart: a fresh window on the chart tab, nothing of the first.
        Fill(form, SouthWestMidnight());
        const ResultTexts expected = ChartAlone(form);
        ClickGetMyGhatiLagna(form);
        AppFrame* second = controller_->Frame();
        QVERIFY(second);
        QCOMPARE(second->Display()->Tabs()->currentIndex(), 0);
        VerifyWindowShows(second->Display(), expected);
        QCOMPARE(LabelText(second->Display(), "cityValue"), QStringLiteral("Sydney"));

        // Back through the menu works the same way.
        second->findChild<QAction*>("backAction")->trigger();
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);
        QVERIFY(form->isVisible());
    }

    // Charts in a row, each shown after Back: every window equals its chart computed alone, so
    // nothing of one chart (a retrograde lord's sign, a house's working value) reaches the next.
    void everyChartEqualsTheSameChartComputedAlone() {
        StartProgram();
        EntryForm* form = controller_->Form();
        std::mt19937 random(20261208);
        auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        int shown = 0;
        QByteArray requests;              // the same births as kalodaya-chart --batch lines
        std::vector<ResultTexts> windows;  // what the window showed, in order
        for (int i = 0; i < 24; ++i) {
            Birth b = WorkedExample();
            b.year = pick(1901, 2050);
            b.month = pick(1, 12);
            b.day = pick(1, 28);
            b.hour = pick(0, 23);
            b.minute = pick(0, 59);
            b.latDeg = QString::number(pick(0, 55));
            b.lonDeg = QString::number(pick(0, 179));
            b.north = pick(0, 1) == 1;
            b.east = pick(0, 1) == 1;
            b.zone = pick(0, 70);
            Fill(form, b);
            const ChartOutcome alone = RequestChart(form->CurrentRequest());
            ClickGetMyGhatiLagna(form);
            if (alone.Computed()) {
                requests += QStringLiteral(
                                R"({"name":"%1","date":"%2-%3-%4","time":"%5:%6:00","lat":"%7:%8%9",)"
                                R"("lon":"%10:%11%12","zone":%13})")
                                .arg(b.name)
                                .arg(b.year)
                                .arg(b.month, 2, 10, QLatin1Char('0'))
                                .arg(b.day, 2, 10, QLatin1Char('0'))
                                .arg(b.hour, 2, 10, QLatin1Char('0'))
                                .arg(b.minute, 2, 10, QLatin1Char('0'))
                                .arg(b.latDeg, b.latMin, b.north ? "N" : "S")
                                .arg(b.lonDeg, b.lonMin, b.east ? "E" : "W")
                                .arg(b.zone)
                                .toUtf8() +
                            "\n";
                windows.push_back(alone.texts);
            }
            if (!alone.Computed()) {
                // A polar chart keeps the user on the form with its message.
                QCOMPARE(controller_->Current(), AppController::Screen::Entry);
                continue;
            }
            QVERIFY(controller_->Frame());
            VerifyWindowShows(controller_->Frame()->Display(), alone.texts);
            ++shown;
            controller_->Frame()->findChild<QAction*>("backAction")->trigger();
            ProcessDeferredDeletes();
        }
        QVERIFY(shown >= 12);

        // The command line gives the same texts for the same births, computed in another order
        // (one process, one after the other, without the window's requests in between).
        QProcess chart;
        chart.start(QStringLiteral(KALODAYA_CHART_EXE), {QStringLiteral("--batch")});
        QVERIFY(chart.waitForStarted());
        chart.write(requests);
        chart.closeWriteChannel();
        QVERIFY(chart.waitForFinished(30000));
        const QList<QByteArray> lines = chart.readAllStandardOutput().split('\n');
        QVERIFY(lines.size() >= static_cast<qsizetype>(windows.size()));
        for (std::size_t i = 0; i < windows.size(); ++i) {
            const QJsonObject json = QJsonDocument::fromJson(lines[static_cast<qsizetype>(i)]).object();
            for (int k = 0; k < kBodyCount; ++k)
                QCOMPARE(json["positions"].toArray()[k].toString(),
                         QString::fromStdString(windows[i].planet[k]));
            for (int s = 0; s < kSignCount; ++s) {
                QCOMPARE(json["cells"].toArray()[s].toString(),
                         QString::fromStdString(windows[i].signCells[s]));
                QCOMPARE(json["markers"].toArray()[s].toString(),
                         QString::fromStdString(windows[i].markers[s]));
            }
        }
    }

    void failedCheckShowsItsMessageAndStaysOnTheForm() {
        StartProgram();
        EntryForm* form = controller_->Form();
        Fill(form, WorkedExample());
        Type(form, "nameBox", QString());
        ClickGetMyGhatiLagna(form);
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);
        QVERIFY(!controller_->Frame());
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].title, QStringLiteral("Kalodaya"));
        QVERIFY(!boxes_->shown[0].text.isEmpty());
        QVERIFY(form->isVisible());
        // The entries stay as they were.
        QCOMPARE(Control<QLineEdit>(form, "latDegreesBox")->text(), QStringLiteral("28"));
    }

    void getMyGhatiLagnaFromTheFileMenu() {
        StartProgram();
        EntryForm* form = controller_->Form();
        Fill(form, WorkedExample());
        form->findChild<QAction*>("getChartAction")->trigger();
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
    }

    void everyWayOutEndsTheProgram_data() {
        QTest::addColumn<bool>("fromResults");
        QTest::addColumn<QString>("how");
        QTest::newRow("exitButton") << true << "exitButton";
        QTest::newRow("frame File > Exit") << true << "exitAction";
        QTest::newRow("frame close box") << true << "close";
        QTest::newRow("entry form File > Exit") << false << "exitAction";
        QTest::newRow("entry form close box") << false << "close";
    }

    void everyWayOutEndsTheProgram() {
        QFETCH(bool, fromResults);
        QFETCH(QString, how);
        StartProgram();
        EntryForm* form = controller_->Form();
        QWidget* window = form;
        if (fromResults) {
            Fill(form, WorkedExample());
            ClickGetMyGhatiLagna(form);
            window = controller_->Frame();
        }
        QPointer<QWidget> frame = controller_->Frame();
        if (how == QLatin1String("exitButton"))
            QTest::mouseClick(window->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
        else if (how == QLatin1String("exitAction"))
            window->findChild<QAction*>("exitAction")->trigger();
        else
            window->close();
        QCOMPARE(quits_, 1);
        QCOMPARE(controller_->Current(), AppController::Screen::Ended);
        QVERIFY(!form->isVisible());
        ProcessDeferredDeletes();
        QVERIFY(!frame);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        // The lock is released: a new copy may start.
        SingleInstance next(dir_.filePath(QStringLiteral("kalodaya.lock")));
        QVERIFY(next.TryAcquire());
    }

    void aboutOpensModallyFromBothWindows() {
        StartProgram();
        EntryForm* form = controller_->Form();
        int seen = 0;
        auto closeAbout = [&] {
            QTimer::singleShot(0, [&] {
                auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
                QVERIFY(about);
                QVERIFY(about->isModal());
                ++seen;
                QTest::mouseClick(about->findChild<QPushButton*>("okButton"), Qt::LeftButton);
            });
        };
        closeAbout();
        form->findChild<QAction*>("aboutAction")->trigger();
        QCOMPARE(seen, 1);
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);

        Fill(form, WorkedExample());
        ClickGetMyGhatiLagna(form);
        closeAbout();
        controller_->Frame()->findChild<QAction*>("aboutAction")->trigger();
        QCOMPARE(seen, 2);
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        QVERIFY(controller_->Frame()->isVisible());
    }
};

QTEST_MAIN(AppControllerTest)
#include "app_controller_test.moc"
