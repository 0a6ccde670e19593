// The entry form's date, clock, zone at start, calculation and birth-time uncertainty, through
// the real form and the real program: the date typed as text or picked from the calendar, "Now"
// from the services' clock, the first start on today's date and the computer's zone, later
// starts on the user's last zone, the calculation remembered between runs, both kept in saved
// records; imports that resolve places and leave out records already saved; and the file names
// of printing and the first export. With KALODAYA_SCREENSHOT_DIR set, the form with its calendar
// open and with the modern calculation chosen is kept there as form-calendar.png and
// form-modern.png.
#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <fstream>
#include <memory>

#include "astro/zone_table.h"
#include "form_driver.h"
#include "recording_services.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/entry_form.h"
#include "ui/form_settings.h"
#include "ui/print/print_dialogs.h"
#include "ui/records_dialogs.h"
#include "ui/place_lookup.h"
#include "ui/place_search_popup.h"
#include "ui/records_menu.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

class FileDialogs final : public RecordsDialogs {
public:
    SaveChoice AskUpdateOrSaveAsNew(QWidget*, const QString&, const QString&, SaveChoice) override {
        return SaveChoice::Update;
    }
    QString ImportFileName(QWidget*, const QString& folder) override {
        importFolder = folder;
        return importName;
    }
    QString ExportFileName(QWidget*, const QString& suggested) override {
        suggestedExport = suggested;
        return {};
    }
    int Run(QDialog&) override { return 0; }
    QString importName, importFolder, suggestedExport;
};

class PrintAnswers final : public print::PrintDialogs {
public:
    QString SaveFileName(QWidget*, const QString&, const QString& suggested, const QString&) override {
        suggestions.append(suggested);
        return {};
    }
    bool ConfirmPrint(QWidget*, QPrinter& printer) override {
        documentName = printer.docName();
        suggestedFile = print::PrintFileSuggestion(printer);
        return false;
    }
    QString documentName, suggestedFile;
    QStringList suggestions;
};

QDateTime At(int year, int month, int day, int hour, int minute, const char* zone) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, 7), QTimeZone(QByteArray(zone)));
}

QString ZoneText(int position) {
    const std::string_view text = kZoneTable[static_cast<std::size_t>(position)].listText;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

class FormEntriesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    Services services_ = DesktopServices();
    RecordingBoxes boxes_{services_};
    FileDialogs dialogs_;
    PrintAnswers printAnswers_;
    QDateTime now_ = At(2024, 3, 5, 14, 7, "Asia/Kolkata");
    std::unique_ptr<EntryForm> form_;
    std::unique_ptr<AppController> controller_;

    template <typename W>
    W* Control(const char* name) {
        return testing::Control<W>(form_ ? form_.get() : controller_->Form(), name);
    }
    QComboBox* List(const char* name) { return Control<QComboBox>(name); }
    EntryForm* Form() { return form_ ? form_.get() : controller_->Form(); }
    std::tuple<int, int, int> ListedDate() {
        const BirthRequest r = Form()->CurrentRequest();
        return {r.year, r.month, r.day};
    }

    // The form as drawn, with the calendar popup over it when it is open.
    void Keep(const QString& name) {
        const QString folder = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (folder.isEmpty()) return;
        QImage picture = Form()->grab().toImage();
        if (auto* calendar = Form()->findChild<QCalendarWidget*>(QStringLiteral("dateCalendar"));
            calendar && calendar->isVisible()) {
            QPainter painter(&picture);
            painter.drawImage(Form()->mapFromGlobal(calendar->pos()), calendar->grab().toImage());
        }
        QVERIFY(picture.save(QDir(folder).filePath(name)));
    }

    void StartProgram(const QString& database) {
        form_.reset();
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        options.recordsPath = dir_.filePath(database).toStdString();
        options.services = &services_;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        Form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form()));
    }
    void StopProgram() {
        controller_->ShutdownApplication();
        controller_.reset();
    }

private slots:
    void init() {
        QSettings settings = FormSettings();
        settings.clear();
        services_.now = [this] { return now_; };
        // Each test is a run of its own: its first import or export starts where a run's does.
        const Services fresh = DesktopServices();
        services_.transferFolder = fresh.transferFolder;
        services_.exportFolder = fresh.exportFolder;
        services_.recordsDialogs = &dialogs_;
        services_.printDialogs = &printAnswers_;
        boxes_.shown.clear();
        form_ = std::make_unique<EntryForm>(services_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() {
        form_.reset();
        if (controller_) StopProgram();
    }

    // ---- the date ----

    void theDateCanBeTypedPickedOrListed() {
        auto* dateBox = Control<QLineEdit>("dateBox");
        QCOMPARE(dateBox->text(), QStringLiteral("1901-01-01"));

        // Typed as text: the lists take it when the box is left.
        struct Typed {
            QString text;
            std::tuple<int, int, int> listed;
            QString shownAfter;  // once the box is left
        };
        const Typed typed[] = {
            {QStringLiteral("1990-08-15"), {1990, 8, 15}, QStringLiteral("1990-08-15")},
            {QStringLiteral("1975-1-5"), {1975, 1, 5}, QStringLiteral("1975-01-05")},
            // No such date, or none of the lists' years: the lists stay, the box shows them.
            {QStringLiteral("1975-02-30"), {1975, 1, 5}, QStringLiteral("1975-01-05")},
            {QStringLiteral("1900-12-31"), {1975, 1, 5}, QStringLiteral("1975-01-05")},
            {QStringLiteral("15.08.1990"), {1975, 1, 5}, QStringLiteral("1975-01-05")},
            {QStringLiteral("2050-12-31"), {2050, 12, 31}, QStringLiteral("2050-12-31")},
        };
        for (const Typed& t : typed) {
            dateBox->setFocus();
            dateBox->selectAll();
            QTest::keyClicks(dateBox, t.text);
            QCOMPARE(dateBox->text(), t.text);
            QTest::keyClick(dateBox, Qt::Key_Tab);
            QCOMPARE(ListedDate(), t.listed);
            QCOMPARE(dateBox->text(), t.shownAfter);
        }
        QCOMPARE(List("monthList")->currentText(), QStringLiteral("December"));

        // Picked from the calendar, which opens on the lists' date.
        QTest::mouseClick(Control<QPushButton>("calendarButton"), Qt::LeftButton);
        auto* calendar = Form()->findChild<QCalendarWidget*>(QStringLiteral("dateCalendar"));
        QVERIFY(calendar && calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2050, 12, 31));
        QCOMPARE(calendar->minimumDate(), QDate(1901, 1, 1));
        Keep(QStringLiteral("form-calendar.png"));
        emit calendar->clicked(QDate(2000, 2, 29));
        QVERIFY(!calendar->isVisible());
        QCOMPARE(ListedDate(), std::make_tuple(2000, 2, 29));
        QCOMPARE(dateBox->text(), QStringLiteral("2000-02-29"));

        // The lists move the box; a date that does not exist leaves it where it was.
        struct Case {
            int month, day, year;
            QString shown;
        };
        const Case cases[] = {{11, 23, 1975, QStringLiteral("1975-11-23")},
                              {11, 31, 1975, QStringLiteral("1975-11-23")},
                              {2, 28, 1975, QStringLiteral("1975-02-28")},
                              {1, 31, 2050, QStringLiteral("2050-01-31")}};
        for (const Case& c : cases) {
            List("monthList")->setCurrentIndex(c.month - 1);
            Pick(Form(), "dayList", QString::number(c.day));
            Pick(Form(), "yearList", QString::number(c.year));
            QCOMPARE(dateBox->text(), c.shown);
            QCOMPARE(ListedDate(), std::make_tuple(c.year, c.month, c.day));
        }

        // Enter in the date box asks for the chart with the date typed, as in every box.
        QList<std::tuple<int, int, int>> asked;
        connect(Form(), &EntryForm::chartRequested, this, [&] { asked.append(ListedDate()); });
        dateBox->setFocus();
        dateBox->selectAll();
        QTest::keyClicks(dateBox, QStringLiteral("1984-06-07"));
        QTest::keyClick(dateBox, Qt::Key_Return);
        QCOMPARE(asked, (QList<std::tuple<int, int, int>>{{1984, 6, 7}}));
    }

    // Digits typed into the lists still select the number typed, and the date box follows.
    void digitsTypedIntoTheListsStillSelectTheNumber() {
        struct Case {
            const char* list;
            QString keys;
            QString selected;
        };
        const Case cases[] = {{"dayList", QStringLiteral("15"), QStringLiteral("15")},
                              {"dayList", QStringLiteral("1"), QStringLiteral("1")},
                              {"hourList", QStringLiteral("2"), QStringLiteral("2")},
                              {"yearList", QStringLiteral("1984"), QStringLiteral("1984")}};
        for (const Case& c : cases) {
            QComboBox* list = List(c.list);
            list->setFocus();
            QTest::qWait(700);  // a new number, not the end of the last one
            QTest::keyClicks(list, c.keys);
            QCOMPARE(list->currentText(), c.selected);
        }
        QCOMPARE(Control<QLineEdit>("dateBox")->text(), QStringLiteral("1984-01-01"));
    }

    void nowFillsTodaysDateAndTimeFromTheClock() {
        QTest::mouseClick(Control<QPushButton>("nowButton"), Qt::LeftButton);
        const BirthRequest r = Form()->CurrentRequest();
        QCOMPARE(std::make_tuple(r.year, r.month, r.day, r.hour, r.minute, r.second),
                 std::make_tuple(2024, 3, 5, 14, 7, 7));
        QCOMPARE(Control<QLineEdit>("dateBox")->text(), QStringLiteral("2024-03-05"));
        // A clock outside the lists' years changes nothing.
        now_ = At(2051, 1, 1, 0, 0, "UTC");
        QTest::mouseClick(Control<QPushButton>("nowButton"), Qt::LeftButton);
        QCOMPARE(Form()->CurrentRequest().year, 2024);
    }

    // A place chosen from the atlas follows a date typed, picked from the calendar or taken
    // from the clock with its zone, as it follows one picked in the lists.
    void aChosenPlaceFollowsTheDateHoweverItIsGiven() {
        QTRY_VERIFY_WITH_TIMEOUT(Form()->Places()->SourcesReady(), 20000);
        auto* dateBox = Control<QLineEdit>("dateBox");
        dateBox->setFocus();
        dateBox->selectAll();
        QTest::keyClicks(dateBox, QStringLiteral("2000-01-10"));
        QTest::keyClick(dateBox, Qt::Key_Tab);
        auto* city = Control<QLineEdit>("cityBox");
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("Paris, France"));
        QAbstractItemView* popup = Form()->Places()->Popup()->Completer()->popup();
        QVERIFY(popup->isVisible());
        const QModelIndex first = popup->model()->index(0, 0);
        QVERIFY2(first.data().toString().startsWith(QStringLiteral("Paris, Île-de-France")),
                 qPrintable(first.data().toString()));
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(first).center());
        QCOMPARE(List("zoneList")->currentText(), ZoneText(20));

        dateBox->setFocus();
        dateBox->selectAll();
        QTest::keyClicks(dateBox, QStringLiteral("2000-07-01"));
        QTest::keyClick(dateBox, Qt::Key_Tab);
        QCOMPARE(List("zoneList")->currentText(), ZoneText(19));

        QTest::mouseClick(Control<QPushButton>("calendarButton"), Qt::LeftButton);
        auto* calendar = Form()->findChild<QCalendarWidget*>(QStringLiteral("dateCalendar"));
        emit calendar->clicked(QDate(2001, 12, 24));
        QCOMPARE(List("zoneList")->currentText(), ZoneText(20));

        now_ = At(2024, 7, 1, 9, 0, "Asia/Kolkata");
        QTest::mouseClick(Control<QPushButton>("nowButton"), Qt::LeftButton);
        QCOMPARE(List("zoneList")->currentText(), ZoneText(19));
        QCOMPARE(Form()->CurrentRequest().city, std::string("Paris"));
    }

    // ---- the start ----

    void theFirstStartShowsTodayAndTheComputersZone_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("zone");
        QTest::newRow("Kolkata") << At(2024, 3, 5, 9, 0, "Asia/Kolkata") << ZoneText(34);
        QTest::newRow("Paris in summer") << At(2024, 7, 1, 9, 0, "Europe/Paris") << ZoneText(19);
        QTest::newRow("Paris in winter") << At(2024, 1, 10, 9, 0, "Europe/Paris") << ZoneText(20);
        QTest::newRow("New York") << At(2024, 1, 10, 9, 0, "America/New_York") << ZoneText(27);
        QTest::newRow("Kathmandu")
            << At(2024, 3, 5, 9, 0, "Asia/Kathmandu")
            << QStringLiteral("Exact offset: UTC+05:45 (Asia/Kathmandu)");
    }
    void theFirstStartShowsTodayAndTheComputersZone() {
        QFETCH(QDateTime, now);
        QFETCH(QString, zone);
        now_ = now;
        StartProgram(QStringLiteral("start.sqlite"));
        QCOMPARE(ListedDate(), std::make_tuple(now.date().year(), now.date().month(), now.date().day()));
        QCOMPARE(List("zoneList")->currentText(), zone);
        QVERIFY(!Control<QCheckBox>("daylightBox")->isChecked());
        const BirthRequest r = Form()->CurrentRequest();
        QCOMPARE(std::make_tuple(r.hour, r.minute, r.second), std::make_tuple(0, 0, 0));
        if (zone.startsWith(QStringLiteral("Exact")))
            QVERIFY(r.zone == ZoneSelection(ExactOffset{5 * 3600 + 45 * 60}));
    }

    // The zone the user had when the program ended is the next start's, the clock aside;
    // File > New starts the form the same way.
    void laterStartsKeepTheUsersLastZone() {
        form_.reset();
        StartProgram(QStringLiteral("later.sqlite"));
        List("zoneList")->setCurrentIndex(27);
        StopProgram();
        now_ = At(2024, 7, 1, 9, 0, "Europe/Paris");
        StartProgram(QStringLiteral("later.sqlite"));
        QCOMPARE(List("zoneList")->currentText(), ZoneText(27));
        QCOMPARE(ListedDate(), std::make_tuple(2024, 7, 1));

        // An exact offset is kept with its caption.
        BirthRequest nepal = Form()->CurrentRequest();
        nepal.zone = ExactOffset{5 * 3600 + 45 * 60};
        const QString label = QStringLiteral("Exact offset: UTC+05:45 (Asia/Kathmandu)");
        Form()->ShowRequest(nepal, label);
        StopProgram();
        StartProgram(QStringLiteral("later.sqlite"));
        QCOMPARE(List("zoneList")->currentText(), label);
        QVERIFY(Form()->CurrentRequest().zone == ZoneSelection(ExactOffset{5 * 3600 + 45 * 60}));

        Fill(Form(), WorkedExample());
        List("zoneList")->setCurrentIndex(8);
        controller_->Form()->findChild<QAction*>(QStringLiteral("newAction"))->trigger();
        QCOMPARE(ListedDate(), std::make_tuple(2024, 7, 1));
        // The zone kept when the program last ended.
        QCOMPARE(List("zoneList")->currentText(), label);
        QCOMPARE(Form()->CurrentRequest().uncertaintyMinutes, 0);
    }

    // ---- the calculation ----

    void theCalculationIsChosenAndRememberedBetweenRuns() {
        struct Step {
            const char* list;
            Qt::Key key;
            CalculationSettings settings;
            bool modernListsEnabled;
        };
        const CalculationSettings classic;
        const CalculationSettings lahiri{EphemerisKind::Modern, AyanamsaKind::Lahiri, NodeKind::Mean,
                                         SunriseKind::Classic};
        const CalculationSettings ramanTrue{EphemerisKind::Modern, AyanamsaKind::Raman,
                                            NodeKind::True, SunriseKind::Classic};
        const CalculationSettings ramanTrueHindu{EphemerisKind::Modern, AyanamsaKind::Raman,
                                                 NodeKind::True, SunriseKind::Hindu};
        const CalculationSettings classicHindu{EphemerisKind::Classic, AyanamsaKind::Classic,
                                               NodeKind::Mean, SunriseKind::Hindu};
        const Step steps[] = {
            {"calculationList", Qt::Key_Down, lahiri, true},
            {"ayanamsaList", Qt::Key_Down, {EphemerisKind::Modern, AyanamsaKind::Raman,
                                            NodeKind::Mean, SunriseKind::Classic}, true},
            // The classic ayanamsa is the classic ephemeris's alone: not offered here.
            {"ayanamsaList", Qt::Key_Up, {EphemerisKind::Modern, AyanamsaKind::Lahiri,
                                          NodeKind::Mean, SunriseKind::Classic}, true},
            {"ayanamsaList", Qt::Key_Up, lahiri, true},
            {"ayanamsaList", Qt::Key_Down, {EphemerisKind::Modern, AyanamsaKind::Raman,
                                            NodeKind::Mean, SunriseKind::Classic}, true},
            {"nodeList", Qt::Key_Down, ramanTrue, true},
            {"sunriseList", Qt::Key_Down, ramanTrueHindu, true},
            // Back to classic: its own ayanamsa and node; the sunrise stays.
            {"calculationList", Qt::Key_Up, classicHindu, false},
        };
        QCOMPARE(Form()->CurrentRequest().settings, classic);
        QVERIFY(!List("ayanamsaList")->isEnabled());
        for (const Step& step : steps) {
            QComboBox* list = List(step.list);
            list->setFocus();
            QTest::keyClick(list, step.key);
            QCOMPARE(Form()->CurrentRequest().settings, step.settings);
            QCOMPARE(List("ayanamsaList")->isEnabled(), step.modernListsEnabled);
            QCOMPARE(List("nodeList")->isEnabled(), step.modernListsEnabled);
            QVERIFY(List("sunriseList")->isEnabled());
            // The next run opens with it.
            EntryForm next(services_);
            QCOMPARE(next.CurrentRequest().settings, step.settings);
        }

        // The chart is computed with the form's calculation.
        form_.reset();
        StartProgram(QStringLiteral("calculation.sqlite"));
        QCOMPARE(Form()->CurrentRequest().settings, classicHindu);
        Fill(Form(), WorkedExample());
        List("calculationList")->setFocus();
        QTest::keyClick(List("calculationList"), Qt::Key_Down);
        Keep(QStringLiteral("form-modern.png"));
        QTest::keyClick(List("calculationList"), Qt::Key_Up);
        ClickGetMyGhatiLagna(Form());
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        QCOMPARE(controller_->LastOutcome().texts.settings,
                 std::string("classic, classic ayanamsa, mean node, hindu sunrise"));
    }

    // ---- saved records ----

    void uncertaintyAndCalculationAreSavedWithTheRecord() {
        form_.reset();
        StartProgram(QStringLiteral("saved.sqlite"));
        Fill(Form(), WorkedExample());
        auto* uncertainty = Control<QSpinBox>("uncertaintyBox");
        QCOMPARE(uncertainty->value(), 0);
        uncertainty->setFocus();
        QTest::keyClick(uncertainty, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(uncertainty, QStringLiteral("15"));
        QCOMPARE(Form()->CurrentRequest().uncertaintyMinutes, 15);
        // Enter there asks for the chart with it, as in every box of the form.
        QList<int> asked;
        connect(Form(), &EntryForm::chartRequested, this,
                [&] { asked.append(Form()->CurrentRequest().uncertaintyMinutes); });
        QTest::keyClick(uncertainty, Qt::Key_Return);
        QCOMPARE(asked, QList<int>{15});
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        controller_->Frame()->findChild<QAction*>(QStringLiteral("backAction"))->trigger();
        QCOMPARE(controller_->Current(), AppController::Screen::Entry);
        QTRY_VERIFY(Form()->isActiveWindow());
        List("calculationList")->setFocus();
        QTest::keyClick(List("calculationList"), Qt::Key_Down);
        const BirthRequest typed = Form()->CurrentRequest();
        Form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form()));
        QTest::keyClick(Form(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(*controller_->Store()->Count(), 1);

        controller_->Form()->findChild<QAction*>(QStringLiteral("newAction"))->trigger();
        QCOMPARE(uncertainty->value(), 0);
        const auto list = controller_->Store()->List();
        QVERIFY(list && list->size() == 1);
        const records::Record saved = controller_->Store()->Get(list->front().id)->record;
        QCOMPARE(saved.uncertaintyMinutes, 15);
        QCOMPARE(saved.calculation.ephemeris, std::string("modern"));
        QCOMPARE(saved.calculation.ayanamsa, std::string("lahiri"));

        // Back to classic in the form; the record opens with its own calculation.
        List("calculationList")->setFocus();
        QTest::keyClick(List("calculationList"), Qt::Key_Up);
        controller_->Records()->OpenRecord(list->front().id);
        BirthRequest opened = Form()->CurrentRequest();
        opened.atlasPlace.reset();
        BirthRequest expected = typed;
        expected.atlasPlace.reset();
        QVERIFY(opened == expected);
        QCOMPARE(uncertainty->value(), 15);
        // File > New goes back to the calculation the user chose last, not the record's.
        controller_->Form()->findChild<QAction*>(QStringLiteral("newAction"))->trigger();
        QCOMPARE(Form()->CurrentRequest().settings, CalculationSettings{});
        QCOMPARE(uncertainty->value(), 0);
    }

    // Request lines naming a place are resolved through the atlas; lines it cannot resolve are
    // reported by number; records already saved are left out and counted.
    void importResolvesPlacesAndCountsRecordsAlreadySaved() {
        form_.reset();
        StartProgram(QStringLiteral("import.sqlite"));
        const QString input = dir_.filePath(QStringLiteral("places.jsonl"));
        std::ofstream(input.toStdString())
            << R"({"name":"RAMA","date":"1975-01-15","time":"06:00:00","place":"Chennai, India"})" "\n"
            << R"({"name":"SITA","date":"1990-08-15","place_id":1264527})" "\n"
            << R"({"name":"LAV","place":"Nowhere At All, Atlantis"})" "\n";
        dialogs_.importName = input;
        QAction* import = controller_->Form()->findChild<QAction*>(QStringLiteral("importRecordsAction"));
        const QString rejected =
            QStringLiteral("1 line was rejected:\n\nLine 3: no place in the atlas matches "
                           "\"Nowhere At All, Atlantis\"");
        import->trigger();
        QCOMPARE(dialogs_.importFolder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("2 records were imported. ") + rejected);
        import->trigger();
        QCOMPARE(boxes_.shown.size(), 2);
        QCOMPARE(boxes_.shown[1].text, QStringLiteral("0 imported, 2 already saved. ") + rejected);
        QCOMPARE(*controller_->Store()->Count(), 2);
        bool chennai = false;
        controller_->Store()->ForEach([&](const records::StoredRecord& s) {
            if (s.record.name != "RAMA") return;
            chennai = s.record.city == "Chennai" && s.record.geonamesId == 1264527 &&
                      s.record.ianaZone == "Asia/Kolkata" &&
                      s.record.latitude == Latitude{13, 5, true};
        });
        QVERIFY(chennai);
    }

    // ---- file names ----

    void printAndTheFirstExportsStartInTheDocumentsFolder() {
        form_.reset();
        StartProgram(QStringLiteral("print.sqlite"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        controller_->Form()->findChild<QAction*>(QStringLiteral("exportRecordsAction"))->trigger();
        QCOMPARE(dialogs_.suggestedExport, QDir(documents).filePath(QStringLiteral("kalodaya-records.jsonl")));

        Fill(Form(), WorkedExample());
        ClickGetMyGhatiLagna(Form());
        QVERIFY(controller_->Frame());
        auto action = [&](const char* name) {
            return controller_->Frame()->findChild<QAction*>(QString::fromLatin1(name));
        };
        action("printAction")->trigger();
        QCOMPARE(printAnswers_.documentName, QStringLiteral("RAMA-1990-08-15"));
        QCOMPARE(printAnswers_.suggestedFile, QDir(documents).filePath(QStringLiteral("RAMA-1990-08-15.pdf")));
        action("exportPdfAction")->trigger();
        QCOMPARE(printAnswers_.suggestions.last(), QDir(documents).filePath(QStringLiteral("RAMA-1990-08-15.pdf")));

        // Qt's own print dialog takes the suggestion into its file box.
        QPrinter printer;
        printer.setDocName(QStringLiteral("RAMA-1990-08-15"));
        QPrintDialog dialog(&printer);
        print::SuggestPrintFile(dialog, printer);
        if (auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
            QCOMPARE(box->text(), QDir(documents).filePath(QStringLiteral("RAMA-1990-08-15.pdf")));
    }
};

QTEST_MAIN(FormEntriesTest)
#include "form_entries_test.moc"
