// The entry form driven as a user drives it: real key events, clicks and menu commands on the
// real window (offscreen), with message boxes and the browser captured.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <memory>

#include "base/tables.h"
#include "astro/zone_table.h"
#include "ui/entry_form.h"
#include "ui/message_boxes.h"
#include "ui/product_config.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"

using namespace kalodaya;
using namespace kalodaya::ui;

namespace {

class CapturedBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton Show(QWidget*, const MessageRequest& request) override {
        shown.append(request);
        return QMessageBox::Ok;
    }
    QList<MessageRequest> shown;
};

class CapturedBrowser final : public UrlOpener {
public:
    void Open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

const QString kNumbersOnly = QStringLiteral("Only Numbers Are Accepted");
const QString kLettersOnly = QStringLiteral("Please Enter only Letters");

}  // namespace

class EntryFormTest : public QObject {
    Q_OBJECT

private:
    CapturedBoxes boxes_;
    CapturedBrowser browser_;
    Services services_ = [this] {
        Services s = DesktopServices();
        s.messages = &boxes_;
        s.browser = &browser_;
        return s;
    }();
    std::unique_ptr<EntryForm> form_;

    template <typename T>
    T* Control(const char* name) {
        T* control = form_->findChild<T*>(QString::fromLatin1(name));
        if (!control) qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }

    // The one message shown since the last check (and forgets it).
    void ExpectOneMessage(const QString& text, QMessageBox::Icon icon) {
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, text);
        QCOMPARE(boxes_.shown[0].icon, icon);
        QCOMPARE(boxes_.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boxes_.shown[0].title, QStringLiteral("Kalodaya"));
        boxes_.shown.clear();
    }

    void Paste(QLineEdit* box, const QString& clip) {
        QGuiApplication::clipboard()->setText(clip);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    QAction* Action(const char* name) { return Control<QAction>(name); }

private slots:
    void init() {
        boxes_.shown.clear();
        browser_.opened.clear();
        form_ = std::make_unique<EntryForm>(services_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() { form_.reset(); }

    // ---- load handler ----

    void opensOnTheDefaults() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Kalodaya v1.20"));
        // The form's defaults, the coordinate boxes empty.
        QVERIFY(form_->CurrentRequest() == BirthRequest{});
        QVERIFY(!Control<QRadioButton>("southOption")->isChecked());
        QVERIFY(!Control<QRadioButton>("westOption")->isChecked());
        QCOMPARE(Control<QComboBox>("zoneList")->currentText(),
                 QStringLiteral("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    }

    void fillsTheListsInOrder() {
        auto texts = [this](const char* name) {
            QStringList all;
            auto* list = Control<QComboBox>(name);
            for (int i = 0; i < list->count(); ++i) all << list->itemText(i);
            return all;
        };
        auto range = [](int first, int last) {
            QStringList all;
            for (int n = first; n <= last; ++n) all << QString::number(n);
            return all;
        };
        QStringList months;
        for (auto m : kMonthNames) months << QString::fromLatin1(m.data(), qsizetype(m.size()));
        QCOMPARE(texts("monthList"), months);
        QCOMPARE(texts("dayList"), range(1, 31));
        QCOMPARE(texts("yearList"), range(1901, 2050));
        QCOMPARE(texts("hourList"), range(0, 23));
        QCOMPARE(texts("minuteList"), range(0, 59));
        QCOMPARE(texts("secondList"), range(0, 59));
        const QStringList zones = texts("zoneList");
        QCOMPARE(zones.size(), 71);
        for (int i = 0; i < kZoneCount; ++i) {
            const auto text = kZoneTable[size_t(i)].listText;
            QCOMPARE(zones[i], QString::fromLatin1(text.data(), qsizetype(text.size())));
        }
        QCOMPARE(zones[34], QStringLiteral("Indian Time, IST, +5.3"));
        for (const char* name : {"monthList", "dayList", "yearList", "hourList", "minuteList",
                                 "secondList", "zoneList"}) {
            QVERIFY2(!Control<QComboBox>(name)->isEditable(), name);  // pick only
            QCOMPARE(Control<QComboBox>(name)->currentIndex(), 0);
        }
    }

    // ---- key filters ----

    void nameTakesLettersAsUpperCase() {
        QLineEdit* name = Box("nameBox");
        QTest::keyClicks(name, QStringLiteral("rama"));
        QCOMPARE(name->text(), QStringLiteral("RAMA"));
        QTest::keyClick(name, Qt::Key_Space);
        QTest::keyClick(name, Qt::Key_2);
        ExpectOneMessage(kLettersOnly, QMessageBox::Information);
        QCOMPARE(name->text(), QStringLiteral("RAMA "));
        // Enter and Backspace are accepted silently; capitals stay capitals.
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, QStringLiteral("Sz"));
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(name->text(), QStringLiteral("RAMASZ"));
    }

    void nameRejectsEverythingElse() {
        QLineEdit* name = Box("nameBox");
        for (const QString& key : {QStringLiteral("7"), QStringLiteral("."), QStringLiteral("-"),
                                   QStringLiteral("'"), QStringLiteral("\u00e9"),
                                   QStringLiteral("\u0905")}) {
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, key, Qt::NoModifier);
            ExpectOneMessage(kLettersOnly, QMessageBox::Information);
        }
        QVERIFY(name->text().isEmpty());
    }

    void coordinateBoxesTakeDigitsOnly_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"latDegreesBox", "latMinutesBox", "lonDegreesBox", "lonMinutesBox"})
            QTest::newRow(box) << QString::fromLatin1(box);
    }
    void coordinateBoxesTakeDigitsOnly() {
        QFETCH(QString, box);
        QLineEdit* edit = Box(box.toLatin1().constData());
        const Qt::Key rejected[] = {Qt::Key_Minus, Qt::Key_Period, Qt::Key_Space, Qt::Key_A,
                                    Qt::Key_Plus};
        for (Qt::Key key : rejected) {
            QTest::keyClick(edit, key);
            ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);
        }
        QVERIFY(edit->text().isEmpty());
        QTest::keyClicks(edit, QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_9);
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(edit->text(), QStringLiteral("19"));
        // Moving about and the editing shortcuts are no characters: no message.
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QVERIFY(boxes_.shown.isEmpty());
        QVERIFY(edit->text().isEmpty());
    }

    void coordinateBoxesHoldTheirLengths() {
        const struct {
            const char* box;
            int length;
        } limits[] = {
            {"latDegreesBox", 2}, {"latMinutesBox", 2}, {"lonDegreesBox", 3}, {"lonMinutesBox", 2}};
        for (const auto& limit : limits) {
            QLineEdit* edit = Box(limit.box);
            QTest::keyClicks(edit, QStringLiteral("12345"));
            QCOMPARE(edit->text(), QStringLiteral("12345").left(limit.length));
        }
        QVERIFY(boxes_.shown.isEmpty());  // a full box refuses silently
    }

    void pasteKeepsOnlyAcceptedCharacters() {
        QLineEdit* latMin = Box("latMinutesBox");
        Paste(latMin, QStringLiteral("1a2"));
        QCOMPARE(latMin->text(), QStringLiteral("12"));
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);  // once for the whole paste

        QLineEdit* lonDeg = Box("lonDegreesBox");
        Paste(lonDeg, QStringLiteral("-77.5"));  // filtered first, then the length limit
        QCOMPARE(lonDeg->text(), QStringLiteral("775"));
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);

        QLineEdit* latDeg = Box("latDegreesBox");
        Paste(latDeg, QStringLiteral("28\n"));  // a copied line's break is no fault
        QCOMPARE(latDeg->text(), QStringLiteral("28"));
        QVERIFY(boxes_.shown.isEmpty());

        QLineEdit* name = Box("nameBox");
        Paste(name, QStringLiteral("ra ma-2"));
        QCOMPARE(name->text(), QStringLiteral("RA MA"));
        ExpectOneMessage(kLettersOnly, QMessageBox::Information);

        // Shift+Insert is a paste too.
        QLineEdit* lonMin = Box("lonMinutesBox");
        QGuiApplication::clipboard()->setText(QStringLiteral("x5"));
        QTest::keyClick(lonMin, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(lonMin->text(), QStringLiteral("5"));
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);
    }

    void contextMenuPasteIsFiltered() {
        QLineEdit* latDeg = Box("latDegreesBox");
        QGuiApplication::clipboard()->setText(QStringLiteral("1a2"));
        bool pasted = false;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QStringLiteral("&Paste"))) {
                    menu->close();
                    action->trigger();
                    pasted = true;
                    return;
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                latDeg->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(latDeg, &event);
        QVERIFY(pasted);
        QCOMPARE(latDeg->text(), QStringLiteral("12"));
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);
    }

    void dropKeepsOnlyAcceptedCharacters() {
        QLineEdit* lonMin = Box("lonMinutesBox");
        QMimeData mime;
        mime.setText(QStringLiteral("3b4"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(lonMin, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lonMin, &drop);
        QCOMPARE(lonMin->text(), QStringLiteral("34"));
        QTRY_COMPARE(boxes_.shown.size(), 1);
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);
    }

    void noOtherRoadLeavesARejectedCharacter() {
        // A paste the filter does not see (the box's own paste: middle click, old menus) and a
        // text set by the program are cleaned all the same.
        QLineEdit* latDeg = Box("latDegreesBox");
        QGuiApplication::clipboard()->setText(QStringLiteral("1a2"));
        latDeg->paste();
        QVERIFY(!latDeg->text().contains(u'a'));
        QVERIFY(!latDeg->text().isEmpty());
        latDeg->setText(QStringLiteral("4#"));
        QCOMPARE(latDeg->text(), QStringLiteral("4"));
        Box("nameBox")->setText(QStringLiteral("sita 3"));
        QCOMPARE(Box("nameBox")->text(), QStringLiteral("SITA "));
        // Only the user's own edit gets the message, once it has finished.
        QTRY_COMPARE(boxes_.shown.size(), 1);
        // Every call queued before this marker has run: no second message is on its way.
        bool drained = false;
        QMetaObject::invokeMethod(qApp, [&drained] { drained = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(drained);
        ExpectOneMessage(kNumbersOnly, QMessageBox::Critical);
    }

    void placeBoxesAreNotFiltered() {
        QLineEdit* city = Box("cityBox");
        QTest::keyClicks(city, QStringLiteral("St. John's 2"));
        QCOMPARE(city->text(), QStringLiteral("St. John's 2"));
        QVERIFY(boxes_.shown.isEmpty());
    }

    // ---- coordinate search ----

    void searchNeedsEveryPlaceBox_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter City"
                                   << "cityBox";
        QTest::newRow("city empty") << ""
                                    << "Delhi"
                                    << "India"
                                    << "Please Enter City"
                                    << "cityBox";
        QTest::newRow("state empty") << "Pune"
                                     << ""
                                     << "India"
                                     << "Please Enter State"
                                     << "stateBox";
        QTest::newRow("country empty") << "Pune"
                                       << "Maharashtra"
                                       << ""
                                       << "Please Enter Country"
                                       << "countryBox";
    }
    void searchNeedsEveryPlaceBox() {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Box("cityBox")->setText(city);
        Box("stateBox")->setText(state);
        Box("countryBox")->setText(country);
        Box("nameBox")->setFocus();
        Click(Control<QPushButton>("coordinatesSearchButton"));
        ExpectOneMessage(message, QMessageBox::Information);
        QCOMPARE(QApplication::focusWidget(), Box(focus.toLatin1().constData()));
        QVERIFY(browser_.opened.isEmpty());
    }

    void searchAsksForThePlacesCoordinates() {
        QTest::keyClicks(Box("cityBox"), QStringLiteral("Pune"));
        QTest::keyClicks(Box("stateBox"), QStringLiteral("Maharashtra"));
        QTest::keyClicks(Box("countryBox"), QStringLiteral("India"));
        Click(Control<QPushButton>("coordinatesSearchButton"));
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(browser_.opened.size(), 1);
        const QString query = QStringLiteral("Pune Maharashtra India Latitude Longitude");
        QCOMPARE(browser_.opened[0], WebSearchUrl(query, config::kCoordinatesSite));
        const QString sent =
            QUrlQuery(browser_.opened[0]).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
        QVERIFY2(sent.startsWith(query + u' '), qPrintable(sent));
        QVERIFY(sent.contains(config::kCoordinatesSite));
        // Nothing on the form changes.
        QVERIFY(Box("latDegreesBox")->text().isEmpty());
        QCOMPARE(Box("cityBox")->text(), QStringLiteral("Pune"));
    }

    void searchTakesBlanksAsTyped() {
        Box("cityBox")->setText(QStringLiteral(" "));
        Box("stateBox")->setText(QStringLiteral("Goa "));
        Box("countryBox")->setText(QStringLiteral("India"));
        Click(Control<QPushButton>("coordinatesSearchButton"));
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(browser_.opened.size(), 1);
        QCOMPARE(browser_.opened[0], WebSearchUrl(QStringLiteral("  Goa  India Latitude Longitude"),
                                                  config::kCoordinatesSite));
    }

    void searchCannotBeSteeredByThePlaceText() {
        QTest::keyClicks(Box("cityBox"), QStringLiteral("A&B#top"));
        QTest::keyClicks(Box("stateBox"), QStringLiteral("x?y=1"));
        QTest::keyClicks(Box("countryBox"), QStringLiteral("100%"));
        Click(Control<QPushButton>("coordinatesSearchButton"));
        QCOMPARE(browser_.opened.size(), 1);
        const QUrl url = browser_.opened[0];
        QVERIFY(url.isValid());
        QVERIFY(!url.hasFragment());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 1);  // no smuggled parameter
        QVERIFY(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded)
                    .startsWith(QStringLiteral("A&B#top x?y=1 100% Latitude Longitude")));
        const QByteArray sent = url.toEncoded();
        QVERIFY2(sent.contains("%26") && sent.contains("%23") && sent.contains("%3F") &&
                     sent.contains("%25"),
                 sent.constData());
        QCOMPARE(sent.count('#'), 0);
        QCOMPARE(url.host(), QUrl(config::kSearchEngine).host());
    }

    // ---- what the pipeline reads ----

    void currentEntriesReflectTheControls() {
        QTest::keyClicks(Box("nameBox"), QStringLiteral("rama"));
        Control<QComboBox>("monthList")->setCurrentIndex(7);
        Control<QComboBox>("dayList")->setCurrentIndex(14);
        Control<QComboBox>("yearList")->setCurrentIndex(89);
        Control<QComboBox>("hourList")->setCurrentIndex(10);
        Control<QComboBox>("minuteList")->setCurrentIndex(30);
        Control<QComboBox>("secondList")->setCurrentIndex(59);
        QTest::keyClicks(Box("latDegreesBox"), QStringLiteral("28"));
        QTest::keyClicks(Box("latMinutesBox"), QStringLiteral("39"));
        QTest::keyClicks(Box("lonDegreesBox"), QStringLiteral("77"));
        QTest::keyClicks(Box("lonMinutesBox"), QStringLiteral("13"));
        Click(Control<QRadioButton>("southOption"));
        Click(Control<QRadioButton>("westOption"));
        Click(Control<QCheckBox>("daylightBox"));
        Control<QComboBox>("zoneList")->setCurrentIndex(34);
        QTest::keyClicks(Box("cityBox"), QStringLiteral("New Delhi"));
        QTest::keyClicks(Box("stateBox"), QStringLiteral("Delhi"));
        QTest::keyClicks(Box("countryBox"), QStringLiteral("India"));

        // The request read from the controls' values: list positions as numbers.
        BirthRequest expected;
        expected.name = "RAMA";
        expected.year = 1990;
        expected.month = 8;
        expected.day = 15;
        expected.hour = 10;
        expected.minute = 30;
        expected.second = 59;
        expected.latitude = {28, 39, false};
        expected.longitude = {77, 13, false};
        expected.daylight = true;
        expected.zone = ZoneListEntry{34};
        expected.city = "New Delhi";
        expected.state = "Delhi";
        expected.country = "India";
        QVERIFY(form_->CurrentRequest() == expected);
        // Each option pair holds exactly one selection.
        QVERIFY(!Control<QRadioButton>("northOption")->isChecked());
        Click(Control<QRadioButton>("northOption"));
        QVERIFY(!Control<QRadioButton>("southOption")->isChecked());
        QVERIFY(form_->CurrentRequest().latitude.north);
    }

    void focusFollowsTheFailedEntry() {
        const struct {
            EntryField field;
            const char* box;
        } fields[] = {{EntryField::Name, "nameBox"},
                      {EntryField::LatDeg, "latDegreesBox"},
                      {EntryField::LatMin, "latMinutesBox"},
                      {EntryField::LonDeg, "lonDegreesBox"},
                      {EntryField::LonMin, "lonMinutesBox"}};
        // A place is on the form (with none at all, the City box is where to start).
        Box("cityBox")->setText(QStringLiteral("Delhi"));
        for (const auto& f : fields) {
            Box("cityBox")->setFocus();
            form_->FocusField(f.field);
            QCOMPARE(QApplication::focusWidget(), Box(f.box));
        }
    }

    // ---- commands ----

    void menusHoldTheirEntries() {
        QStringList bar;
        for (QAction* a : form_->menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", QString(config::kPromotionMenuText)}));

        auto entries = [](QMenu* menu) {
            QStringList all;
            for (QAction* a : menu->actions())
                all << (a->isSeparator() ? QStringLiteral("-")
                                         : a->objectName() + u'=' + a->text());
            return all;
        };
        const QList<QAction*> top = form_->menuBar()->actions();
        QCOMPARE(entries(top[0]->menu()),
                 (QStringList{"getChartAction=Get My Ghati Lagna", "exitAction=E&xit"}));
        QCOMPARE(entries(top[1]->menu()),
                 (QStringList{"onlineHelpAction=&Online Help", "visitUsAction=&Visit Us Online",
                              "-", "checkUpdateAction=Check for Software &Update", "-",
                              "aboutAction=&About Software"}));
        QCOMPARE(top[2]->objectName(), QStringLiteral("donateAction"));
        QCOMPARE(top[3]->objectName(), QStringLiteral("makeMoneyAction"));
        QVERIFY(!top[2]->menu());
        QVERIFY(!top[3]->menu());
    }

    void commandsReachTheProgram() {
        QSignalSpy chart(form_.get(), &EntryForm::chartRequested);
        QSignalSpy exit(form_.get(), &EntryForm::exitRequested);
        QSignalSpy about(form_.get(), &EntryForm::aboutRequested);
        Click(Control<QPushButton>("getChartButton"));
        Action("getChartAction")->trigger();
        QCOMPARE(chart.size(), 2);
        Action("aboutAction")->trigger();
        QCOMPARE(about.size(), 1);
        Action("exitAction")->trigger();
        QCOMPARE(exit.size(), 1);
        // The close box asks the program to end; the form itself stays until it does.
        QVERIFY(!form_->close());
        QCOMPARE(exit.size(), 2);
        QVERIFY(form_->isVisible());
        QCOMPARE(chart.size() + about.size(), 3);
        QVERIFY(browser_.opened.isEmpty());
    }

    void closingWhileExitingIsLetThrough() {
        int requests = 0;
        connect(form_.get(), &EntryForm::exitRequested, form_.get(), [&] {
            ++requests;
            form_->close();  // the program ending closes its windows
        });
        Action("exitAction")->trigger();
        QCOMPARE(requests, 1);
        QVERIFY(!form_->isVisible());
        // From the close box: one request, no second round from the program's own close.
        form_->show();
        form_->close();
        QCOMPARE(requests, 2);
    }

    void linksOpenTheirPages() {
        const auto site = [](const QString& base, const QString& path) {
            return QUrl(base + path);
        };
        Action("onlineHelpAction")->trigger();
        Action("visitUsAction")->trigger();
        Action("checkUpdateAction")->trigger();
        Action("donateAction")->trigger();
        Action("makeMoneyAction")->trigger();
        Click(Control<QLabel>("forumLink"));
        Click(Control<QLabel>("coBrandLink"));
        Click(Control<QLabel>("fullBrandLink"));
        const QList<QUrl> expected = {
            site(config::kProductSite, config::kOnlineHelpPath),
            QUrl(config::kMakerHome),
            site(config::kProductSite, config::kDownloadPath),
            site(config::kMakerHelpSite, config::kDonatePath),
            site(config::kMakerHelpSite, config::kFullBrandPath),
            QUrl(config::kMakerHome),
            site(config::kMakerHelpSite, config::kCoBrandPath),
            site(config::kMakerHelpSite, config::kFullBrandPath)};
        QCOMPARE(browser_.opened, expected);
        // In the band the front label is the one a click reaches.
        QWidget* band = Control<QGroupBox>("promotionBand");
        QCOMPARE(band->childAt(Control<QLabel>("coBrandLink")->geometry().center()),
                 Control<QLabel>("coBrandLink"));
        QCOMPARE(Control<QLabel>("forumLink")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(Control<QLabel>("coBrandLink")->font().underline());
    }

    // ---- look ----

    void controlsKeepTheirPlacesAndGrowWithTheirTexts() {
        // The design's widths are the least the layouts give.
        const struct {
            const char* control;
            int twips;
        } widths[] = {{"nameBox", 3615}, {"zoneList", 4335}, {"lonDegreesBox", 495},
                      {"cityBox", 1935}, {"monthList", 1695}, {"getChartButton", 9585}};
        for (const auto& w : widths)
            QVERIFY2(Control<QWidget>(w.control)->width() >= Px(w.twips), w.control);
        // Rows and columns as designed: personal details left of the place details, the
        // zone, latitude and longitude frames below them left to right, the button last.
        auto at = [&](const char* name) {
            QWidget* w = Control<QWidget>(name);
            return QRect(w->mapTo(form_.get(), QPoint(0, 0)), w->size());
        };
        QVERIFY(at("personalFrame").right() < at("placeFrame").left() + 2);
        QVERIFY(at("zoneFrame").top() >= at("personalFrame").bottom() - 1);
        QVERIFY(at("latitudeFrame").right() < at("longitudeFrame").left() + 2);
        QVERIFY(at("getChartButton").top() > at("zoneFrame").bottom());
        QVERIFY(at("promotionBand").top() > at("getChartButton").bottom());
        QCOMPARE(Control<QPushButton>("coordinatesSearchButton")->text(),
                 QStringLiteral("Click for Latitude && Longitude"));
        QCOMPARE(Control<QGroupBox>("personalFrame")->title(), QStringLiteral("Personal Details"));
        QVERIFY(Control<QGroupBox>("inputPanel")->title().isEmpty());

        // A longer caption (a translation) widens its frame, cutting nothing (see below).
        const int frameWidth = Control<QWidget>("personalFrame")->width();
        Control<QLabel>("dateCaption")->setText(QStringLiteral("Geburtsdatum des Kindes (Tag)"));
        Control<QGroupBox>("zoneFrame")->setTitle(QStringLiteral("Zeitzone und Sommerzeit"));
        QCoreApplication::processEvents();  // the layouts learn the new sizes
        form_->adjustSize();
        QCoreApplication::processEvents();
        QVERIFY(Control<QWidget>("personalFrame")->width() > frameWidth);
        // The window can be made larger by the user.
        form_->resize(form_->width() + 200, form_->height() + 100);
        QCoreApplication::processEvents();
        QVERIFY(Control<QWidget>("getChartButton")->width() > Px(9585));

        // Inside every frame, nothing overlaps and nothing sticks out (the two promotional
        // labels share their place on purpose).
        for (QGroupBox* frame : form_->findChildren<QGroupBox*>()) {
            QList<QWidget*> kids;
            for (QObject* o : frame->children()) {
                auto* w = qobject_cast<QWidget*>(o);
                if (w && !w->isWindow() && w->isVisibleTo(frame) &&
                    w->objectName() != QStringLiteral("fullBrandLink"))
                    kids << w;
            }
            for (int i = 0; i < kids.size(); ++i) {
                QVERIFY2(frame->rect().contains(kids[i]->geometry()),
                         qPrintable(kids[i]->objectName()));
                for (int j = i + 1; j < kids.size(); ++j) {
                    // Neighbouring frames share their one-pixel edge.
                    const QRect common = kids[i]->geometry() & kids[j]->geometry();
                    QVERIFY2(common.width() <= 1 || common.height() <= 1,
                             qPrintable(kids[i]->objectName() + " / " + kids[j]->objectName()));
                }
            }
        }
        // Captions fit their text.
        for (QLabel* label : form_->findChildren<QLabel*>()) {
            if (label->wordWrap()) continue;
            QVERIFY2(label->width() >= label->sizeHint().width(),
                     qPrintable(label->objectName()));
        }
    }

    void fontsFollowTheForm() {
        QVERIFY(Control<QPushButton>("getChartButton")->font().bold());
        QVERIFY(!Control<QPushButton>("coordinatesSearchButton")->font().bold());
        QVERIFY(Control<QGroupBox>("placeFrame")->font().bold());
        QVERIFY(!Box("cityBox")->font().bold());
        QVERIFY(!Control<QLabel>("cityCaption")->font().bold());
        const QFont headline = Control<QLabel>("headline")->font();
        QVERIFY(headline.bold());
        QCOMPARE(headline.pointSizeF(), 9.75);
        QCOMPARE(Box("nameBox")->font().pointSizeF(), 8.25);
        QVERIFY(Control<QLabel>("coBrandLink")->font().bold());
        QVERIFY(Control<QLabel>("fullBrandLink")->font().bold());
    }

    // ---- keys ----

    void digitsTypedIntoAListSelectTheNumberTyped() {
        const struct {
            const char* list;
            int start;  // position selected before
            const char* keys;
            const char* shown;
        } rows[] = {
            {"dayList", 14, "1", "1"},       // 15 selected: Qt's own search would give 16
            {"hourList", 14, "2", "2"},      // not 20
            {"minuteList", 0, "15", "15"},   // not 19
            {"yearList", 0, "1990", "1990"},
            {"secondList", 30, "7", "7"},
        };
        for (const auto& r : rows) {
            QComboBox* list = Control<QComboBox>(r.list);
            list->setCurrentIndex(r.start);
            list->setFocus();
            QTest::keyClicks(list, QString::fromLatin1(r.keys));
            QCOMPARE(list->currentText(), QString::fromLatin1(r.shown));
        }
        QVERIFY(boxes_.shown.isEmpty());
    }

    void digitsTypedIntoTheOpenListMarkTheNumber() {
        QComboBox* day = Control<QComboBox>("dayList");
        day->setFocus();
        day->showPopup();
        QTRY_VERIFY(day->view()->isVisible());
        QTest::keyClicks(day->view(), QStringLiteral("15"));
        QCOMPARE(day->view()->currentIndex().data().toString(), QStringLiteral("15"));
        QTest::keyClick(day->view(), Qt::Key_Return);
        QTRY_COMPARE(day->currentText(), QStringLiteral("15"));
    }

    void enterAndCtrlReturnAskForTheChart() {
        QSignalSpy asked(form_.get(), &EntryForm::chartRequested);
        const struct {
            const char* box;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } presses[] = {{"nameBox", Qt::Key_Return, {}},
                       {"stateBox", Qt::Key_Return, {}},
                       {"latMinutesBox", Qt::Key_Enter, {}},
                       {"lonDegreesBox", Qt::Key_Return, {}},
                       {"cityBox", Qt::Key_Return, Qt::ControlModifier}};
        int count = 0;
        for (const auto& p : presses) {
            Box(p.box)->setFocus();
            QTest::keyClick(Box(p.box), p.key, p.modifiers);
            QVERIFY2(asked.size() == ++count, p.box);
        }
        QVERIFY(boxes_.shown.isEmpty());  // no "Only Numbers" for Enter
        QCOMPARE(Control<QPushButton>("getChartButton")->text(),
                 QStringLiteral("&Get My Ghati Lagna"));
    }

    void aChartWithoutAPlaceStartsAtTheCityBox() {
        form_->FocusField(EntryField::LonDeg);
        QTRY_VERIFY(Box("cityBox")->hasFocus());
        QLabel* warning = Control<QLabel>("placeWarning");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(),
                 QStringLiteral("Pick the place of birth from the City box's list, "
                                "or type its coordinates"));
        // With a place typed, the focus goes to the box the check names.
        Box("latDegreesBox")->setFocus();
        QTest::keyClicks(Box("latDegreesBox"), QStringLiteral("28"));
        QVERIFY(!warning->isVisible());
        form_->FocusField(EntryField::LonDeg);
        QTRY_VERIFY(Box("lonDegreesBox")->hasFocus());
    }
};

QTEST_MAIN(EntryFormTest)
#include "entry_form_test.moc"
