// The desktop in another language: the locale and the stored choice decide the start, the
// widget texts come from the built translations (Qt's own buttons too), and a change of language
// keeps the form's entries and shows the chart again in the new language. With
// KALODAYA_SCREENSHOT_DIR set, the windows are kept there as pictures (form-ta.png, ...).
#include <QComboBox>
#include <algorithm>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "recording_services.h"
#include "ui/about_box.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/entry_form.h"
#include "ui/results_window.h"
#include "ui/ui_language.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

class LanguageSwitchTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    Services services_ = DesktopServices();
    RecordingBoxes boxes_{services_};
    RecordingBrowser browser_{services_};
    std::unique_ptr<AppController> controller_;

    void Keep(QWidget* window, const QString& name) {
        QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) target = dir_.path();
        QDir().mkpath(target);
        QVERIFY(window->grab().save(QDir(target).filePath(name)));
    }

    // Every caption the form and the results window show of the newer controls, in a
    // language: none is left in English letters.
    static void CheckNoEnglishCaptions(QWidget* form, QWidget* results) {
        auto latin = [](const QString& text) {
            return std::any_of(text.begin(), text.end(), [](QChar c) {
                return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
            });
        };
        QStringList shown = {
            Control<QPushButton>(form, "nowButton")->text(),
            Control<QLabel>(form, "uncertaintyCaption")->text(),
            Control<QSpinBox>(form, "uncertaintyBox")->suffix(),
            Control<QGroupBox>(form, "calculationFrame")->title(),
            Control<QLabel>(form, "ayanamsaCaption")->text(),
            Control<QLabel>(form, "nodeCaption")->text(),
            Control<QLabel>(form, "sunriseCaption")->text(),
        };
        for (const char* list : {"calculationList", "ayanamsaList", "nodeList", "sunriseList"}) {
            auto* box = Control<QComboBox>(form, list);
            for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        }
        for (const char* frame : {"factsFrame", "uncertaintyFrame"})
            shown << Control<QGroupBox>(results, frame)->title();
        for (const char* label : {"factCaption0", "factCaption2", "factCaption7",
                                  "uncertaintyCaption", "uncertaintyUnit", "windowsCaption",
                                  "rangeCaption"})
            shown << Control<QLabel>(results, label)->text().remove(QRegularExpression("[0-9:±]"));
        auto* table = Control<QTableWidget>(results, "rangeTable");
        for (int i = 0; i < table->columnCount(); ++i) shown << table->horizontalHeaderItem(i)->text();
        for (const QString& text : shown) QVERIFY2(!latin(text), qPrintable(text));

        // The longer captions cut nothing: the facts panel holds its last, wrapped row and the
        // range table is as wide as its columns.
        for (int row = 0; row < 8; ++row) {
            auto* value = Control<QLabel>(results, qPrintable(QStringLiteral("factValue%1").arg(row)));
            QVERIFY2(value->height() >= value->heightForWidth(value->width()),
                     qPrintable(value->text()));
        }
        int columns = 0;
        for (int i = 0; i < table->columnCount(); ++i) columns += table->columnWidth(i);
        QVERIFY(table->minimumWidth() >= columns);
    }

    static QStringList MenuTitles(QMainWindow* window) {
        QStringList titles;
        for (QAction* action : window->menuBar()->actions()) titles << action->text();
        return titles;
    }

  private slots:
    void languageOfTheLocaleAndOfTheStoredChoice() {
        const struct {
            const char* locale;
            Language language;
        } cases[] = {{"hi_IN", Language::Hi}, {"ta_IN.UTF-8", Language::Ta},
                     {"te", Language::Te},    {"kn_IN", Language::Kn},
                     {"en_IN", Language::En}, {"de_DE", Language::En},
                     {"C", Language::En},     {"", Language::En}};
        for (const auto& c : cases)
            QCOMPARE(LanguageOfLocaleName(QString::fromLatin1(c.locale)), c.language);

        QSettings settings(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        StoreLanguage(settings, Language::EnSa);
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("en-sa"));
        QCOMPARE(StartLanguage(settings), Language::EnSa);
        settings.setValue(QStringLiteral("language"), QStringLiteral("xx"));
        QCOMPARE(StartLanguage(settings), LanguageOfLocaleName(QLocale::system().name()));
    }

    // Every language's translation is built in; Qt's own buttons are translated by it.
    void translationsAreBuiltIn() {
        WidgetTranslation translation;
        for (Language language :
             {Language::Hi, Language::Ta, Language::Te, Language::Kn, Language::EnSa})
            QVERIFY2(translation.Install(language),
                     kLanguageCodes[static_cast<int>(language)].data());
        QVERIFY(translation.Install(Language::Ta));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("ரத்து"));
        QCOMPARE(QCoreApplication::translate("kalodaya::ui::EntryForm", "Name"),
                 QStringLiteral("பெயர்"));
        QVERIFY(translation.Install(Language::En));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    // The About box says, in the language, how far its translation has come; English says
    // nothing of it.
    void aboutBoxStatus() {
        WidgetTranslation translation;
        QVERIFY(translation.Install(Language::Ta));
        AboutBox tamil(services_, nullptr, Language::Ta);
        auto* status = tamil.findChild<QLabel*>(QStringLiteral("translationStatus"));
        QVERIFY(status);
        QVERIFY(status->text().contains(TranslationStatus(Language::Ta)));
        QVERIFY(status->text().startsWith(QStringLiteral("தமிழ்")));
        QVERIFY(status->geometry().bottom() < tamil.height());
        QCOMPARE(tamil.findChild<QPushButton*>(QStringLiteral("okButton"))->text(),
                 QStringLiteral("சரி"));
        // Every text is Tamil but the names, and a text the translation makes longer pushes
        // the ones under it down: nothing overlaps, nothing runs out of the box.
        QVERIFY(tamil.findChild<QLabel*>(QStringLiteral("descriptionLabel"))
                    ->text()
                    .contains(QStringLiteral("கடிகா லக்னம்")));
        QList<QWidget*> parts;
        for (QLabel* label : tamil.findChildren<QLabel*>()) parts.append(label);
        parts.append(tamil.findChild<QPushButton*>(QStringLiteral("okButton")));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            QVERIFY2(parts[i]->geometry().bottom() < tamil.height(), qPrintable(parts[i]->objectName()));
            for (qsizetype j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()),
                         qPrintable(parts[i]->objectName() + QStringLiteral(" and ") +
                                    parts[j]->objectName()));
        }
        tamil.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tamil));
        Keep(&tamil, QStringLiteral("about-ta.png"));
        AboutBox english(services_, nullptr);
        QVERIFY(!english.findChild<QLabel*>(QStringLiteral("translationStatus")));
    }

    void formAndResultsInTamilThenHindi() {
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        options.services = &services_;
        options.language = Language::Ta;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        EntryForm* form = controller_->Form();
        QVERIFY(MenuTitles(form).contains(QStringLiteral("கோப்பு")));
        QVERIFY(MenuTitles(form).contains(QStringLiteral("மொழி")));
        QCOMPARE(Control<QGroupBox>(form, "personalFrame")->title(),
                 QStringLiteral("தனிப்பட்ட விவரங்கள்"));
        QCOMPARE(Control<QComboBox>(form, "monthList")->itemText(7), QStringLiteral("ஆகஸ்ட்"));
        Fill(form, WorkedExample());
        Control<QSpinBox>(form, "uncertaintyBox")->setValue(5);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        Keep(form, QStringLiteral("form-ta.png"));
        ClickGetMyGhatiLagna(form);
        QVERIFY(controller_->Frame());
        QCOMPARE(controller_->LastOutcome().ShownTexts().language, Language::Ta);
        QCOMPARE(controller_->LastOutcome().texts.language, Language::En);
        ResultsWindow* display = controller_->Frame()->Display();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->Frame()));
        display->Tabs()->setCurrentIndex(0);
        Keep(display, QStringLiteral("results-ta.png"));
        // The panels on their own: a small screen scrolls them out of the window's picture.
        Keep(Control<QGroupBox>(display, "factsFrame"), QStringLiteral("facts-ta.png"));
        Keep(Control<QGroupBox>(display, "uncertaintyFrame"), QStringLiteral("range-ta.png"));
        display->Tabs()->setCurrentIndex(1);
        Keep(display, QStringLiteral("details-ta.png"));
        CheckNoEnglishCaptions(controller_->Form(), display);

        // Hindi from the results: the chart is made again in Hindi, the entries stay.
        controller_->ChangeLanguage(Language::Hi);
        QCOMPARE(controller_->CurrentLanguage(), Language::Hi);
        QCOMPARE(controller_->Current(), AppController::Screen::Results);
        QCOMPARE(controller_->LastOutcome().ShownTexts().language, Language::Hi);
        QVERIFY(MenuTitles(controller_->Frame()).contains(QStringLiteral("सहायता")));
        display = controller_->Frame()->Display();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->Frame()));
        display->Tabs()->setCurrentIndex(0);
        Keep(display, QStringLiteral("results-hi.png"));
        display->Tabs()->setCurrentIndex(1);
        Keep(display, QStringLiteral("details-hi.png"));
        CheckNoEnglishCaptions(controller_->Form(), display);
        form = controller_->Form();
        QCOMPARE(Control<QLineEdit>(form, "nameBox")->text(), QStringLiteral("RAMA"));
        QCOMPARE(Control<QLineEdit>(form, "cityBox")->text(), QStringLiteral("New Delhi"));
        QCOMPARE(form->CurrentRequest().latitude.degrees, 28);
        QCOMPARE(Control<QGroupBox>(form, "personalFrame")->title(),
                 QStringLiteral("व्यक्तिगत विवरण"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        Keep(form, QStringLiteral("form-hi.png"));
        form->hide();
        controller_.reset();
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
