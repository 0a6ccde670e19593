// Saved records in the desktop program, through its real windows: the form saved with Ctrl+S
// and opened again after a restart with Ctrl+O, "Update" or "Save as New", the form's checks,
// the "Open Saved" list (search, delete, notes), Recent, Import and Export, exact offsets, the
// user's own places and the database's notice. With KALODAYA_SCREENSHOT_DIR set, the picture
// of the Open dialog is kept there as records-open-dialog.png.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <memory>

#include "request/from_record.h"
#include "form_driver.h"
#include "recording_services.h"
#include "records/request_lines.h"
#include "ui/app_controller.h"
#include "ui/entry_form.h"
#include "ui/records_dialogs.h"
#include "ui/records_menu.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

// Answers the records' questions and drives the real "Open Saved" dialog.
class ScriptedDialogs final : public RecordsDialogs {
public:
    ScriptedDialogs() { SetRecordsDialogs(this); }
    ~ScriptedDialogs() override { SetRecordsDialogs(nullptr); }

    SaveChoice AskUpdateOrSaveAsNew(QWidget*, const QString& name) override {
        asked.append(name);
        return choice;
    }
    QString ImportFileName(QWidget*, const QString&) override { return importName; }
    QString ExportFileName(QWidget*, const QString& suggested) override {
        suggestedExport = suggested;
        return exportName;
    }
    int Run(QDialog& dialog) override {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) qFatal("the dialog was not shown");
        if (drive) drive(dialog);
        return dialog.result();
    }

    SaveChoice choice = SaveChoice::Update;
    QStringList asked;
    QString importName, exportName, suggestedExport;
    std::function<void(QDialog&)> drive;
};

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("%s not found", name);
    return w;
}

// The same entries, whether or not the place came from the atlas.
bool SameEntries(BirthRequest a, BirthRequest b) {
    a.atlasPlace.reset();
    b.atlasPlace.reset();
    return a == b;
}

// A birth with every control away from its first entry.
Birth Lakshmi() {
    return {"LAKSHMI", 11, 23, 1975, 17, 42, 9, "12", "58", true, "77", "35", true, 12, true,
            "Bengaluru", "Karnataka", "India"};
}

records::Record NepalRecord() {
    records::Record r;
    r.name = "GITA";
    r.year = 1965;
    r.month = 4;
    r.day = 2;
    r.hour = 6;
    r.latitude = {27, 42, true};
    r.longitude = {85, 19, true};
    r.zone = records::ExactOffset{5 * 3600 + 45 * 60, "Exact offset: UTC+05:45 (Asia/Kathmandu)"};
    r.city = "Kathmandu";
    r.country = "Nepal";
    r.geonamesId = 1283240;
    r.ianaZone = "Asia/Kathmandu";
    return r;
}

}  // namespace

class RecordsMenuTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<RecordingBoxes> boxes_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<AppController> controller_;

    void StartProgram(const QString& database = {}) {
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        if (!database.isEmpty()) options.recordsPath = dir_.filePath(database).toStdString();
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        QCoreApplication::processEvents();  // the notice, if any
        Form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form()));
    }
    void StopProgram() {
        controller_->ShutdownApplication();
        controller_.reset();
    }
    EntryForm* Form() const { return controller_->Form(); }
    records::RecordStore& Store() const { return *controller_->Store(); }
    RecordsMenu& Menu() const { return *controller_->Records(); }
    QAction* Entry(const char* name) const { return Child<QAction>(Form(), name); }
    void Press(Qt::Key key) {
        Form()->activateWindow();
        if (!QTest::qWaitForWindowActive(Form())) qFatal("the form is not active");
        QTest::keyClick(Form(), key, Qt::ControlModifier);
    }
    std::int64_t Count() const { return *Store().Count(); }

private slots:
    void init() {
        boxes_ = std::make_unique<RecordingBoxes>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        if (controller_) StopProgram();
        dialogs_.reset();
        boxes_.reset();
    }

    // Fill the form, Ctrl+S, quit, start again, Ctrl+O, open the record: the form shows the
    // same entries, and they give the same chart.
    void savedEntriesComeBackAfterARestart() {
        qputenv("KALODAYA_RECORDS_DB", dir_.filePath(QStringLiteral("restart.sqlite")).toUtf8());
        StartProgram();
        Fill(Form(), Lakshmi());
        const BirthRequest typed = Form()->CurrentRequest();
        Press(Qt::Key_S);
        QCOMPARE(boxes_->shown.size(), 0);
        QVERIFY(dialogs_->asked.isEmpty());
        QCOMPARE(Count(), 1);
        QCOMPARE(Form()->windowTitle(), QStringLiteral("LAKSHMI - Kalodaya v1.20"));
        const ChartOutcome before = RequestChart(typed);
        StopProgram();

        StartProgram();
        QCOMPARE(QString::fromStdString(Form()->CurrentRequest().name), QString());
        int rows = -1;
        dialogs_->drive = [&](QDialog& dialog) {
            QTest::keyClicks(Child<QLineEdit>(&dialog, "searchBox"), QStringLiteral("laks"));
            rows = Child<QTreeView>(&dialog, "recordList")->model()->rowCount();
            QTest::mouseClick(Child<QPushButton>(&dialog, "openButton"), Qt::LeftButton);
        };
        Press(Qt::Key_O);
        qunsetenv("KALODAYA_RECORDS_DB");
        QCOMPARE(rows, 1);
        QVERIFY(SameEntries(Form()->CurrentRequest(), typed));
        QVERIFY(Menu().Origin().has_value());
        ClickGetMyGhatiLagna(Form());
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        const ResultTexts& shown = controller_->LastOutcome().texts;
        QVERIFY(shown.planet == before.texts.planet);
        QVERIFY(shown.signCells == before.texts.signCells);
        QCOMPARE(shown.details.dob, before.texts.details.dob);
        QCOMPARE(shown.details.tob, before.texts.details.tob);
        QCOMPARE(shown.details.latitude, before.texts.details.latitude);
    }

    // A form opened from a record and changed asks; an unchanged one does not.
    void changedFormAsksUpdateOrSaveAsNew() {
        StartProgram(QStringLiteral("update.sqlite"));
        Fill(Form(), WorkedExample());
        Press(Qt::Key_S);
        QCOMPARE(Count(), 1);
        const records::RecordId first = Menu().Origin()->id;
        QVERIFY(!Store().UpdateNote(first, "the elder twin"));
        const auto created = Store().Get(first)->record.created;

        Press(Qt::Key_S);  // nothing changed: nothing asked, nothing added
        QVERIFY(dialogs_->asked.isEmpty());
        QCOMPARE(Count(), 1);

        Pick(Form(), "minuteList", QStringLiteral("31"));
        dialogs_->choice = SaveChoice::Cancel;
        Press(Qt::Key_S);
        QCOMPARE(dialogs_->asked, QStringList{QStringLiteral("RAMA")});
        QCOMPARE(Store().Get(first)->record.minute, 30);

        dialogs_->choice = SaveChoice::Update;
        Press(Qt::Key_S);
        auto updated = Store().Get(first);
        QCOMPARE(Count(), 1);
        QCOMPARE(updated->record.minute, 31);
        QCOMPARE(QString::fromStdString(updated->record.note), QStringLiteral("the elder twin"));
        QCOMPARE(updated->record.created, created);

        Type(Form(), "nameBox", QStringLiteral("LAV"));
        dialogs_->choice = SaveChoice::SaveAsNew;
        Press(Qt::Key_S);
        QCOMPARE(Count(), 2);
        QCOMPARE(Store().Get(first)->record.name, std::string("RAMA"));
        const auto second = Store().Get(Menu().Origin()->id);
        QCOMPARE(second->record.name, std::string("LAV"));
        QCOMPARE(second->record.note, std::string());
        QCOMPARE(dialogs_->asked.size(), 3);
        QCOMPARE(boxes_->shown.size(), 0);
    }

    // Saving runs the form's checks first, with the form's message and focus.
    void saveRunsTheFormsChecks() {
        StartProgram(QStringLiteral("checks.sqlite"));
        Fill(Form(), WorkedExample());
        Type(Form(), "latMinutesBox", QStringLiteral("75"));
        Press(Qt::Key_S);
        QCOMPARE(Count(), 0);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude"));
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(Form(), "latMinutesBox"));
    }

    // The list answers each keystroke, deletes after asking, and keeps each record's note.
    void openDialogSearchesDeletesAndKeepsNotes() {
        StartProgram(QStringLiteral("dialog.sqlite"));
        dialogs_->choice = SaveChoice::SaveAsNew;
        for (const Birth& birth : {WorkedExample(), SouthWestMidnight(), Lakshmi()}) {
            Fill(Form(), birth);
            Entry("saveRecordAction")->trigger();
        }
        QCOMPARE(Count(), 3);
        dialogs_->asked.clear();
        Menu().OpenRecord(999);  // no such record: the user is told, the form left as it is
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(QString::fromStdString(Form()->CurrentRequest().name), QStringLiteral("LAKSHMI"));
        boxes_->shown.clear();

        QStringList counts;
        dialogs_->drive = [&](QDialog& dialog) {
            auto* search = Child<QLineEdit>(&dialog, "searchBox");
            auto* count = Child<QLabel>(&dialog, "countLabel");
            auto* list = Child<QTreeView>(&dialog, "recordList");
            auto* note = Child<QPlainTextEdit>(&dialog, "noteBox");
            counts << count->text();
            for (const QChar ch : QStringLiteral("ind")) {  // India: RAMA and LAKSHMI
                QTest::keyClick(search, ch.toLatin1());
                counts << count->text();
            }
            QCOMPARE(list->model()->rowCount(), 2);
            QCOMPARE(list->currentIndex().row(), 0);  // LAKSHMI, before RAMA
            // A note written and moved away from is kept.
            QTest::keyClick(search, Qt::Key_Down);
            QTest::keyClicks(note, QStringLiteral("met at the fair"));
            QTest::keyClick(search, Qt::Key_Up);
            // Delete asks first: No keeps the record, Yes removes it from the list at once.
            boxes_->answer = QMessageBox::No;
            QTest::mouseClick(Child<QPushButton>(&dialog, "deleteButton"), Qt::LeftButton);
            QCOMPARE(list->model()->rowCount(), 2);
            boxes_->answer = QMessageBox::Yes;
            QTest::mouseClick(Child<QPushButton>(&dialog, "deleteButton"), Qt::LeftButton);
            QCOMPARE(list->model()->rowCount(), 1);
            counts << count->text();
            search->clear();
            QCOMPARE(list->model()->rowCount(), 2);
            QTest::keyClick(search, Qt::Key_Down);
            QTest::keyClicks(note, QStringLiteral("first note"));
            dialog.reject();  // closing keeps the note being written too
        };
        Press(Qt::Key_O);
        QCOMPARE(counts, (QStringList{"3 saved records", "3 saved records",
                                      "2 of 3 saved records", "2 of 3 saved records",
                                      "1 of 2 saved records"}));
        QCOMPARE(boxes_->shown.size(), 2);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("Delete the saved birth details of LAKSHMI (born 23 November "
                                "1975, 17:42:09)? This cannot be undone."));
        QCOMPARE(Count(), 2);
        QStringList notes;
        Store().ForEach([&](const records::StoredRecord& s) {
            notes << QString::fromStdString(s.record.name + ":" + s.record.note);
        });
        notes.sort();
        QCOMPARE(notes, (QStringList{"RAMA:met at the fair", "SITA:first note"}));
        // The form had been saved as LAKSHMI, which is gone: saving it again makes a new record.
        QVERIFY(!Menu().Origin().has_value());
        Press(Qt::Key_S);
        QCOMPARE(Count(), 3);
        QVERIFY(dialogs_->asked.isEmpty());
    }

    void recentListsTheLatestFirst() {
        StartProgram(QStringLiteral("recent.sqlite"));
        auto* recent = Child<QMenu>(Form(), "recentMenu");
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(!recent->actions()[0]->isEnabled());

        for (int minute = 0; minute < 10; ++minute) {
            Birth b = WorkedExample();
            b.name = QStringLiteral("CHILD ") + QChar(u'A' + minute);
            b.minute = minute;
            Fill(Form(), b);
            dialogs_->choice = SaveChoice::SaveAsNew;
            Press(Qt::Key_S);
        }
        QCOMPARE(Count(), 10);
        emit recent->aboutToShow();
        const QList<QAction*> entries = recent->actions();
        QCOMPARE(entries.size(), 8);
        QVERIFY(entries[0]->text().startsWith(QStringLiteral("&1 CHILD J, 15 August 1990, 10:09:00")));
        QVERIFY(entries[0]->text().endsWith(QStringLiteral("New Delhi, Delhi, India")));
        QVERIFY(entries[7]->text().startsWith(QStringLiteral("&8 CHILD C,")));
        entries[7]->trigger();
        QCOMPARE(QString::fromStdString(Form()->CurrentRequest().name), QStringLiteral("CHILD C"));
        emit recent->aboutToShow();
        QVERIFY(recent->actions()[0]->text().startsWith(QStringLiteral("&1 CHILD C,")));
    }

    void importReportsRejectedLinesAndExportWritesByExtension() {
        StartProgram(QStringLiteral("transfer.sqlite"));
        const QString input = dir_.filePath(QStringLiteral("people.jsonl"));
        std::ofstream(input.toStdString())
            << R"({"name":"RAMA","date":"1990-08-15","lat":"28:39N","lon":"77:13E","zone":34})" "\n"
            << R"({"name":"R2D2","lat":"1:1N","lon":"1:1E"})" "\n"
            << "\n"
            << R"({"name":"SITA","lat":"1:1N","lon":"1:1E","utc_offset":"+05:45"})" "\n"
            << R"({"name":"","lat":"1:1N","lon":"1:1E"})" "\n";
        dialogs_->importName = input;
        Entry("importRecordsAction")->trigger();
        QCOMPARE(Count(), 2);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].icon, QMessageBox::Warning);
        QCOMPARE(boxes_->shown[0].text,
                 QStringLiteral("2 records were imported. 2 lines were rejected:\n\n"
                                "Line 2: unusable name \"R2D2\": the name box takes only the "
                                "letters A to Z and blanks\nLine 5: Please Enter Name"));

        dialogs_->importName = dir_.filePath(QStringLiteral("missing.csv"));
        Entry("importRecordsAction")->trigger();
        QCOMPARE(boxes_->shown.size(), 2);
        QVERIFY(boxes_->shown[1].text.startsWith(QStringLiteral("Nothing was imported from missing.csv")));

        dialogs_->exportName = dir_.filePath(QStringLiteral("all"));
        Entry("exportRecordsAction")->trigger();
        QVERIFY(dialogs_->suggestedExport.endsWith(QStringLiteral("kalodaya-records.jsonl")));
        std::string lines;
        Store().ForEach([&](const records::StoredRecord& s) { lines += records::RequestLine(s.record) + "\n"; });
        QFile jsonl(dir_.filePath(QStringLiteral("all.jsonl")));
        QVERIFY(jsonl.open(QIODevice::ReadOnly));
        QCOMPARE(jsonl.readAll().toStdString(), lines);

        dialogs_->exportName = dir_.filePath(QStringLiteral("all.csv"));
        Entry("exportRecordsAction")->trigger();
        QFile csv(dialogs_->exportName);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().startsWith("name,date,time,lat,lon,zone,utc_offset,"));
        QCOMPARE(boxes_->shown.size(), 2);
    }

    // A record whose place came from the atlas with an offset the zone list lacks opens with the
    // list's extra entry, and the chart uses that offset.
    void exactOffsetOpensAsTheZoneListsExtraEntry() {
        StartProgram(QStringLiteral("exact.sqlite"));
        const records::RecordId id = *Store().SaveNew(NepalRecord());
        Menu().OpenRecord(id);
        auto* zones = Child<QComboBox>(Form(), "zoneList");
        QCOMPARE(zones->count(), 72);
        QCOMPARE(zones->currentText(), QStringLiteral("Exact offset: UTC+05:45 (Asia/Kathmandu)"));
        QVERIFY(Form()->CurrentRequest().zone == ZoneSelection(ExactOffset{5 * 3600 + 45 * 60}));
        Press(Qt::Key_S);
        QVERIFY(dialogs_->asked.isEmpty());
        QVERIFY(records::SameEntries(Store().Get(id)->record, NepalRecord()));

        ClickGetMyGhatiLagna(Form());
        QCOMPARE(controller_->LastOutcome().result.request.birth.zone, (ZoneOffset{-5, -45}));
        Child<QAction>(controller_->Frame(), "backAction")->trigger();

        Fill(Form(), WorkedExample());
        dialogs_->choice = SaveChoice::SaveAsNew;
        Press(Qt::Key_S);
        Menu().OpenRecord(Menu().Origin()->id);
        QCOMPARE(zones->count(), 71);
        QCOMPARE(zones->currentIndex(), 34);
        QVERIFY(Form()->CurrentRequest().zone == ZoneSelection(ZoneListEntry{34}));
    }

    // A place typed by hand is kept for the place search; one from the atlas is not.
    void handTypedPlacesAreKept() {
        StartProgram(QStringLiteral("places.sqlite"));
        Fill(Form(), SouthWestMidnight());
        Press(Qt::Key_S);
        const auto places = Store().SearchPlaces("sydney");
        QVERIFY(places);
        QCOMPARE(places->size(), std::size_t{1});
        QCOMPARE(places->at(0).place.latitude, (records::Latitude{33, 52, false}));
        Menu().OpenRecord(*Store().SaveNew(NepalRecord()));
        Pick(Form(), "hourList", QStringLiteral("7"));
        Press(Qt::Key_S);
        QCOMPARE(Store().Get(Menu().Origin()->id)->record.hour, 7);
        QCOMPARE(Store().SearchPlaces("kathmandu")->size(), std::size_t{0});
    }

    // A file that is not a records database is set aside, and the user told once.
    void theDatabasesNoticeIsShownOnce() {
        QFile junk(dir_.filePath(QStringLiteral("junk.sqlite")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        StartProgram(QStringLiteral("junk.sqlite"));
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(boxes_->shown[0].icon, QMessageBox::Warning);
        QVERIFY(boxes_->shown[0].text.contains(QStringLiteral("set-aside")));
        Menu().ShowNoticeOnce();
        QCOMPARE(boxes_->shown.size(), 1);
        Fill(Form(), WorkedExample());
        Press(Qt::Key_S);
        QCOMPARE(Count(), 1);
        QCOMPARE(boxes_->shown.size(), 1);
    }

    // A records path that is a named pipe is never opened (that would wait for ever): the
    // program starts without records and says why.
    void aNamedPipeForTheRecordsFileIsNotWaitedOn() {
        QCOMPARE(::mkfifo(QFile::encodeName(dir_.filePath(QStringLiteral("pipe.sqlite"))).constData(),
                          0600),
                 0);
        StartProgram(QStringLiteral("pipe.sqlite"));
        QCOMPARE(Store().access(), records::StoreAccess::Unavailable);
        QCOMPARE(boxes_->shown.size(), 1);
        QVERIFY(boxes_->shown[0].text.contains(QStringLiteral("named pipe")));
    }

    // The picture of the Open dialog for the README.
    void openDialogPicture() {
        StartProgram(QStringLiteral("picture.sqlite"));
        const char* const requests[] = {
            R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34,"city":"New Delhi","state":"Delhi","country":"India"})",
            R"({"name":"SITA","date":"1992-03-05","time":"06:12:40","lat":"28:39N","lon":"77:13E","zone":34,"city":"New Delhi","state":"Delhi","country":"India"})",
            R"({"name":"LAKSHMI RAO","date":"1975-11-23","time":"17:42:09","lat":"12:58N","lon":"77:35E","zone":34,"city":"Bengaluru","state":"Karnataka","country":"India"})",
            R"({"name":"ARJUN MEHTA","date":"2001-01-30","time":"23:05:00","lat":"19:04N","lon":"72:52E","zone":34,"city":"Mumbai","state":"Maharashtra","country":"India"})",
            R"({"name":"GITA SHARMA","date":"1965-04-02","time":"06:00:00","lat":"27:42N","lon":"85:19E","utc_offset":"+05:45","city":"Kathmandu","country":"Nepal"})",
            R"({"name":"RAVI IYER","date":"1988-07-14","time":"04:20:00","lat":"13:05N","lon":"80:16E","zone":34,"city":"Chennai","state":"Tamil Nadu","country":"India"})",
            R"({"name":"MEERA DAS","date":"1979-09-09","time":"12:00:00","lat":"51:30N","lon":"0:7W","zone":0,"city":"London","country":"United Kingdom"})",
        };
        const QString input = dir_.filePath(QStringLiteral("picture.jsonl"));
        {
            std::ofstream out(input.toStdString());
            for (const char* line : requests) out << line << "\n";
        }
        dialogs_->importName = input;
        Entry("importRecordsAction")->trigger();
        QCOMPARE(Count(), 7);
        QVERIFY(!Store().UpdateNote(1, "Born at home; the time is from the family's almanac."));

        QPixmap picture;
        dialogs_->drive = [&](QDialog& dialog) {
            dialog.resize(720, 460);
            auto* search = Child<QLineEdit>(&dialog, "searchBox");
            QTest::keyClicks(search, QStringLiteral("india"));
            QTest::keyClick(search, Qt::Key_Down);
            QTest::keyClick(search, Qt::Key_Down);  // RAMA, with a note
            QCOMPARE(Child<QPlainTextEdit>(&dialog, "noteBox")->toPlainText(),
                     QStringLiteral("Born at home; the time is from the family's almanac."));
            QCoreApplication::processEvents();
            picture = dialog.grab();
        };
        Press(Qt::Key_O);
        QVERIFY(!picture.isNull());
        QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) target = dir_.path();
        QDir().mkpath(target);
        QVERIFY(picture.save(QDir(target).filePath(QStringLiteral("records-open-dialog.png"))));
    }
};

QTEST_MAIN(RecordsMenuTest)
#include "records_menu_test.moc"
