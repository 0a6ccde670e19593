// The update reminder: when it asks, what it asks, and what it keeps.
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "recording_services.h"
#include "ui/product_config.h"
#include "ui/update_reminder.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

const QDate kToday(2024, 5, 20);
const QString kKey = QStringLiteral("Settings/Duration");

}  // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    Services services_ = DesktopServices();
    std::unique_ptr<RecordingBoxes> boxes_;
    std::unique_ptr<RecordingBrowser> browser_;

    QString Stored() const { return settings_->value(kKey).toString(); }
    void Store(const QString& text) { settings_->setValue(kKey, text); }
    void StoreDaysFromToday(int days) { Store(kToday.addDays(days).toString(Qt::ISODate)); }

private slots:
    void init() {
        static int n = 0;
        settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("s%1.ini").arg(++n)),
                                                QSettings::IniFormat);
        boxes_ = std::make_unique<RecordingBoxes>(services_);
        browser_ = std::make_unique<RecordingBrowser>(services_);
    }
    void cleanup() {
        browser_.reset();
        boxes_.reset();
        settings_.reset();
    }

    void firstStartWritesTodayAndShowsNothing() {
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::FirstStart);
        QVERIFY(boxes_->shown.isEmpty());
        QCOMPARE(Stored(), QStringLiteral("2024-05-20"));
        // The next start, the same day, is quiet.
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::NotDue);
        QVERIFY(boxes_->shown.isEmpty());
    }

    void withinFourteenDaysEitherWayNothingHappens_data() {
        QTest::addColumn<int>("days");
        for (int d : {-14, -7, -1, 0, 1, 14}) QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void withinFourteenDaysEitherWayNothingHappens() {
        QFETCH(int, days);
        StoreDaysFromToday(days);
        const QString before = Stored();
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::NotDue);
        QVERIFY(boxes_->shown.isEmpty());
        QCOMPARE(Stored(), before);
        QVERIFY(browser_->opened.isEmpty());
    }

    void fifteenDaysEitherWayAsks_data() {
        QTest::addColumn<int>("days");
        QTest::newRow("15 days ago") << -15;
        QTest::newRow("a year ago") << -365;
        QTest::newRow("15 days ahead (clock set back)") << 15;
    }
    void fifteenDaysEitherWayAsks() {
        QFETCH(int, days);
        StoreDaysFromToday(days);
        boxes_->answer = QMessageBox::Yes;
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::AnsweredYes);
        QCOMPARE(boxes_->shown.size(), 1);
        const MessageRequest& box = boxes_->shown[0];
        QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\n"
                                          "Do you want to check for an update?"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.title, QStringLiteral("Kalodaya"));
        QCOMPARE(Stored(), QStringLiteral("2024-05-20"));
        QCOMPARE(browser_->opened,
                 QList<QUrl>{QUrl(config::kProductSite + QStringLiteral("/download-kalodaya-free.html"))});
    }

    void answeringNoStillRestartsTheInterval() {
        StoreDaysFromToday(-40);
        boxes_->answer = QMessageBox::No;
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::AnsweredNo);
        QCOMPARE(Stored(), QStringLiteral("2024-05-20"));
        QVERIFY(browser_->opened.isEmpty());
        QCOMPARE(UpdateReminder(*settings_, kToday.addDays(14), services_),
                 ReminderOutcome::NotDue);
        QCOMPARE(boxes_->shown.size(), 1);
        QCOMPARE(UpdateReminder(*settings_, kToday.addDays(15), services_),
                 ReminderOutcome::AnsweredNo);
        QCOMPARE(boxes_->shown.size(), 2);
    }

    void anUnreadableDateEndsTheReminderSilently_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "soon";
        QTest::newRow("impossible date") << "2024-02-31";
        QTest::newRow("number") << "12345";
    }
    void anUnreadableDateEndsTheReminderSilently() {
        QFETCH(QString, stored);
        Store(stored);
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::Unreadable);
        QVERIFY(boxes_->shown.isEmpty());
        QCOMPARE(Stored(), stored);
    }

    void aCorruptedSettingsFileGivesAFreshStart() {
        const QString path = dir_.filePath(QStringLiteral("corrupted.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[Settings\n\xff\xfe\x00garbage=\n=\n[[[\nDuration", 40));
        file.close();
        {
            QSettings corrupted(path, QSettings::IniFormat);
            QCOMPARE(UpdateReminder(corrupted, kToday, services_), ReminderOutcome::FirstStart);
        }
        QVERIFY(boxes_->shown.isEmpty());
        QSettings reread(path, QSettings::IniFormat);
        QCOMPARE(reread.status(), QSettings::NoError);
        QCOMPARE(reread.value(kKey).toString(), QStringLiteral("2024-05-20"));
    }

    void aDateInTheUsersShortFormatIsRead() {
        Store(QLocale::system().toString(kToday.addDays(-3), QLocale::ShortFormat));
        QCOMPARE(UpdateReminder(*settings_, kToday, services_), ReminderOutcome::NotDue);
    }

    void theProgramsOwnStoreIsKalodayaFreeSettingsDuration() {
        // ctest gives this test a configuration folder of its own.
        QSettings store(QStringLiteral("KalodayaFree"), QStringLiteral("KalodayaFree"));
        store.remove(QStringLiteral("Settings"));
        store.sync();
        QCOMPARE(UpdateReminder(kToday, services_), ReminderOutcome::FirstStart);
        store.sync();
        QCOMPARE(store.value(QStringLiteral("Settings/Duration")).toString(),
                 kToday.toString(Qt::ISODate));
        QVERIFY(boxes_->shown.isEmpty());
    }

    void theQuestionKeepsItsCarriageReturnInTheProgramsWording() {
        QCOMPARE(kReminderText, QStringLiteral("There maybe an update to this software available\r"
                                               "Do you want to check for an update?"));
        QCOMPARE(ReminderBoxText().count(QLatin1Char('\n')), 1);
        QVERIFY(!ReminderBoxText().contains(QLatin1Char('\r')));
    }
};

QTEST_MAIN(UpdateReminderTest)
#include "update_reminder_test.moc"
