// The City box's place lookup on the real entry form (offscreen): typing offers the atlas's
// places and the user's own, choosing one fills the form and the zone for the birth moment,
// and later changes of the date follow the place unless the zone was picked by hand.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "astro/zone_table.h"
#include "chart/chart_outcome.h"
#include "records/record_store.h"
#include "ui/entry_form.h"
#include "recording_services.h"
#include "ui/place_lookup.h"
#include "ui/records_menu.h"
#include "ui/place_search_popup.h"
#include "ui/place_suggestions.h"

using namespace kalodaya;
using namespace kalodaya::ui;

class PlaceLookupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    Services services_ = DesktopServices();
    std::unique_ptr<EntryForm> form_;

    template <typename T>
    T* Control(const char* name) {
        T* control = form_->findChild<T*>(QString::fromLatin1(name));
        if (!control) qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Control<QComboBox>(name); }
    QAbstractItemView* Popup() { return form_->Places()->Popup()->Completer()->popup(); }
    QString Line() { return Control<QLabel>("zoneLine")->text(); }

    // The birth moment as a program sets it (no zone update follows).
    void SetMoment(int year, int month, int day, int hour, int minute) {
        List("yearList")->setCurrentIndex(year - 1901);
        List("monthList")->setCurrentIndex(month - 1);
        List("dayList")->setCurrentIndex(day - 1);
        List("hourList")->setCurrentIndex(hour);
        List("minuteList")->setCurrentIndex(minute);
    }

    // Types into the City box as a user does and returns the popup's lines.
    QStringList TypeCity(const QString& text) {
        QLineEdit* city = Box("cityBox");
        city->setFocus();
        city->selectAll();
        QTest::keyClick(city, Qt::Key_Delete);
        QTest::keyClicks(city, text);
        QStringList lines;
        const QAbstractItemModel* model = Popup()->model();
        for (int row = 0; model && row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }

    // Clicks the popup's line that starts with `start`.
    void Choose(const QString& start) {
        QAbstractItemView* list = Popup();
        QVERIFY(list->isVisible());
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (!index.data().toString().startsWith(start)) continue;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
            QVERIFY(!list->isVisible());
            return;
        }
        QFAIL(qPrintable("no line " + start));
    }

    // A user's pick in a list, through the keyboard (Home: the first entry).
    void PickFirst(const char* list) {
        List(list)->setFocus();
        QTest::keyClick(List(list), Qt::Key_Home);
    }

private slots:
    void initTestCase() {
        // A user in India: its places lead the popup.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::India));
        QVERIFY(home_.isValid());
        const QString db = home_.filePath(QStringLiteral("records.sqlite"));
        qputenv("KALODAYA_RECORDS_DB", db.toUtf8());
        records::Place own;
        own.name = "Chenkalady Farm";
        own.country = "Sri Lanka";
        own.latitude = {7, 47, true};
        own.longitude = {81, 36, true};
        own.ianaZone = "Asia/Colombo";
        QVERIFY(records::RecordStore::Open(db.toStdString()).SavePlace(own));
    }
    void init() {
        form_ = std::make_unique<EntryForm>(services_);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QTRY_VERIFY_WITH_TIMEOUT(form_->Places()->SourcesReady(), 20000);
        Box("nameBox")->setText(QStringLiteral("RAMA"));
    }
    void cleanup() { form_.reset(); }

    void typingOffersTheAtlasThenTheUsersOwnPlaces() {
        QVERIFY(TypeCity(QStringLiteral("c")).isEmpty());
        QVERIFY2(!Popup()->isVisible(), "one letter is not enough");
        const QStringList lines = TypeCity(QStringLiteral("chen"));
        QVERIFY(Popup()->isVisible());
        QVERIFY(lines.size() >= 2);
        QCOMPARE(lines.front(),
                 QStringLiteral("Chennai, Tamil Nadu, India — 13°05′ N 80°17′ E — Asia/Kolkata"));
        QCOMPARE(lines.back(), QStringLiteral("Chenkalady Farm, Sri Lanka — 07°47′ N 81°36′ E — "
                                              "Asia/Colombo — your own place"));
        QVERIFY2(Popup()->width() > Box("cityBox")->width(), "lines are not cut to the box");
        QVERIFY2(Box("cityBox")->hasFocus(), "typing goes on in the box");
        QTest::keyClick(Popup(), Qt::Key_N);
        QCOMPARE(Box("cityBox")->text(), QStringLiteral("chenn"));
    }

    void theUsersCountryLeadsOnlyWhenKnown() {
        const PlaceSources& sources = form_->Places()->Popup()->Sources();
        QVERIFY(sources.atlas);
        const auto first = [&](const char* typed, const char* country) {
            const auto found = SuggestPlaces(typed, sources, country);
            return found.empty() ? std::string() : found.front().name;
        };
        QCOMPARE(first("chen", ""), std::string("Chengdu"));  // 13.6 million
        QCOMPARE(first("chen", "IN"), std::string("Chennai"));
        QCOMPARE(first("chen, China", "IN"), std::string("Chengdu"));
        const auto world = SuggestPlaces("york", sources, "IN");
        QCOMPARE(world.size(), kAtlasSuggestions);
        QCOMPARE(world.front().name, std::string("York"));  // no York in India
    }

    void theTypedCityLeadsThePopup() {
        const struct {
            const char* typed;
            const char* line;
        } cases[] = {
            {"Madras", "Chennai, Tamil Nadu, India"},
            {"Calcutta", "Kolkata, West Bengal, India"},
            {"Poona", "Pune, Maharashtra, India"},
            {"Gurugram", "Gurgaon, Haryana, India"},
            {"Munchen", "Munich, Bavaria, Germany"},
            {"Wien", "Vienna, Vienna, Austria"},
            {"Praha", "Prague, Prague, Czechia"},
            {"Napoli", "Naples, Campania, Italy"},
            {"Milano", "Milan, Lombardy, Italy"},
            {"Leningrad", "Saint Petersburg, St.-Petersburg, Russia"},
            {"Seoul, South Korea", "Seoul, Seoul, South Korea"},
            {"Kinshasa, DR Congo", "Kinshasa, Kinshasa, Democratic Republic of the Congo"},
            {"Edinburgh, Scotland", "Edinburgh, Scotland, United Kingdom"},
        };
        for (const auto& c : cases) {
            const QStringList lines = TypeCity(QString::fromUtf8(c.typed));
            QVERIFY2(!lines.isEmpty(), c.typed);
            QVERIFY2(lines.front().startsWith(QString::fromUtf8(c.line) + QStringLiteral(" — ")),
                     qPrintable(QString::fromUtf8(c.typed) + ": " + lines.front()));
        }
        // The user's country leads only among equally good matches: in the United States
        // "Madras" is Madras, Oregon, then Chennai.
        const PlaceSources& sources = form_->Places()->Popup()->Sources();
        const auto us = SuggestPlaces("Madras", sources, "US");
        QVERIFY(us.size() >= 2);
        QCOMPARE(us[0].text.substr(0, 16), std::string("Madras, Oregon, "));
        QCOMPARE(us[1].name, std::string("Chennai"));
    }

    void choosingFillsThePlaceTheZoneAndTheLine() {
        SetMoment(1990, 8, 15, 10, 30);
        List("zoneList")->setCurrentIndex(3);
        Control<QCheckBox>("daylightBox")->setChecked(true);
        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        QCOMPARE(Box("cityBox")->text(), QStringLiteral("Chennai"));
        QCOMPARE(Box("stateBox")->text(), QStringLiteral("Tamil Nadu"));
        QCOMPARE(Box("countryBox")->text(), QStringLiteral("India"));
        QCOMPARE(Box("latDegreesBox")->text() + ":" + Box("latMinutesBox")->text(),
                 QStringLiteral("13:5"));
        QCOMPARE(Box("lonDegreesBox")->text() + ":" + Box("lonMinutesBox")->text(),
                 QStringLiteral("80:17"));
        QVERIFY(Control<QRadioButton>("northOption")->isChecked());
        QVERIFY(Control<QRadioButton>("eastOption")->isChecked());
        QCOMPARE(List("zoneList")->currentIndex(), 34);
        QVERIFY(!Control<QCheckBox>("daylightBox")->isChecked());
        QCOMPARE(Line(), QStringLiteral("Asia/Kolkata on 15 August 1990 at 10:30: UTC+05:30 (IST)"));
        QVERIFY(Control<QLabel>("zoneLine")->isVisible());

        const BirthRequest entries = form_->CurrentRequest();
        QVERIFY(entries.atlasPlace);
        QCOMPARE(entries.atlasPlace->geonamesId.value_or(0), 1264527);
        QVERIFY(entries.latitude == (Latitude{13, 5, true}));
        QVERIFY(RequestChart(entries).Computed());

        // What the boxes show afterwards, typed or set, is what the request holds.
        Box("latDegreesBox")->clear();
        QTest::keyClicks(Box("latDegreesBox"), QStringLiteral("14"));
        Box("latMinutesBox")->setText(QString());
        const Latitude changed = form_->CurrentRequest().latitude;
        QCOMPARE(changed.degrees, std::optional(14));
        QCOMPARE(changed.minutes, std::optional<int>());
    }

    void aDateChangeFollowsThePlace() {
        SetMoment(1990, 6, 15, 12, 0);
        TypeCity(QStringLiteral("london"));
        Choose(QStringLiteral("London, England"));
        QCOMPARE(List("zoneList")->currentIndex(), 16);  // BST
        PickFirst("monthList");                          // January
        QCOMPARE(List("zoneList")->currentIndex(), 29);  // GMT
        QCOMPARE(Line(), QStringLiteral("Europe/London on 15 January 1990 at 12:00: UTC+00:00 (GMT)"));
    }

    void anExactEntryOnlyWhileTheOffsetNeedsIt() {
        QComboBox* zone = List("zoneList");
        SetMoment(1990, 6, 15, 8, 0);
        TypeCity(QStringLiteral("kathmandu"));
        Choose(QStringLiteral("Kathmandu"));
        QCOMPARE(zone->count(), kZoneCount + 1);
        QCOMPARE(zone->currentIndex(), kZoneCount);
        QCOMPARE(zone->currentText(), QStringLiteral("Exact offset: UTC+05:45 (Asia/Kathmandu)"));
        const BirthRequest entries = form_->CurrentRequest();
        QVERIFY(entries.zone == ZoneSelection(ExactOffset{5 * 3600 + 45 * 60}));
        const ChartOutcome outcome = RequestChart(entries);
        QVERIFY(outcome.Computed());
        QCOMPARE(outcome.result.request.birth.zone, (ZoneOffset{-5, -45}));

        PickFirst("yearList");  // 1901: Kathmandu's own mean time, +05:41
        QCOMPARE(zone->currentText(),
                 QStringLiteral("Exact offset: UTC+05:41 LMT (Asia/Kathmandu)"));
        QVERIFY(Line().contains(QStringLiteral("before standard time: the birthplace's local mean time")));

        SetMoment(1980, 6, 15, 8, 0);
        QTest::keyClick(List("dayList"), Qt::Key_Down);  // 16 June 1980: +05:30, Nepal's own
        QCOMPARE(zone->currentText(), QStringLiteral("Exact offset: UTC+05:30 (Asia/Kathmandu)"));

        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        QCOMPARE(zone->currentIndex(), 34);
        QCOMPARE(zone->count(), kZoneCount);
        QVERIFY(std::holds_alternative<ZoneListEntry>(form_->CurrentRequest().zone));
    }

    // Bombay before 1955: Indian Standard Time chosen, Bombay Time offered as the last entry.
    void bombayTimeIsASecondChoice() {
        QComboBox* zone = List("zoneList");
        SetMoment(1950, 6, 1, 10, 0);
        TypeCity(QStringLiteral("mumbai"));
        Choose(QStringLiteral("Mumbai"));
        QCOMPARE(zone->currentIndex(), 34);
        QCOMPARE(zone->count(), kZoneCount + 1);
        QCOMPARE(zone->itemText(kZoneCount), QStringLiteral("Bombay Time UTC+04:51"));
        QVERIFY2(Line().contains(QStringLiteral("Bombay kept Bombay Time (UTC+04:51) until 1955")),
                 qPrintable(Line()));

        zone->setFocus();
        QTest::keyClick(zone, Qt::Key_End);
        QCOMPARE(zone->currentIndex(), kZoneCount);
        const BirthRequest entries = form_->CurrentRequest();
        QVERIFY(entries.zone == ZoneSelection(ExactOffset{4 * 3600 + 51 * 60}));
        QVERIFY(entries.atlasPlace && entries.atlasPlace->cityTimeUsed);
        QVERIFY2(Line().contains(QStringLiteral("This chart assumes Bombay Time")), qPrintable(Line()));
        QVERIFY2(!Line().contains(QStringLiteral("picked by hand")), qPrintable(Line()));
        const ChartOutcome outcome = RequestChart(entries);
        QVERIFY(outcome.Computed());
        QCOMPARE(outcome.result.request.birth.zone, (ZoneOffset{-4, -51}));

        // 1960: no city time any more; the entry goes and the database's zone comes back.
        List("yearList")->setFocus();
        for (int i = 0; i < 10; ++i) QTest::keyClick(List("yearList"), Qt::Key_Down);
        QCOMPARE(zone->count(), kZoneCount);
        QCOMPARE(zone->currentIndex(), 34);
    }

    void aZonePickedByHandStands() {
        SetMoment(1990, 8, 15, 10, 30);
        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        PickFirst("zoneList");
        QCOMPARE(List("zoneList")->currentIndex(), 0);
        QTest::keyClick(List("hourList"), Qt::Key_Down);
        QCOMPARE(List("zoneList")->currentIndex(), 0);
        QCOMPARE(Line(), QStringLiteral("Asia/Kolkata on 15 August 1990 at 11:30: UTC+05:30 (IST) — "
                                        "zone picked by hand; the atlas would pick Indian Time, "
                                        "IST, +5.3"));
        // Choosing a place again is asking for its zone.
        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        QCOMPARE(List("zoneList")->currentIndex(), 34);
    }

    void coordinatesTypedByHandLeaveTheZoneAndTypingTheCityLetsGo() {
        SetMoment(1990, 6, 15, 12, 0);
        TypeCity(QStringLiteral("london"));
        Choose(QStringLiteral("London, England"));
        const QString line = Line();
        QLineEdit* lat = Box("latDegreesBox");
        lat->selectAll();
        QTest::keyClicks(lat, QStringLiteral("52"));
        QCOMPARE(List("zoneList")->currentIndex(), 16);
        QCOMPARE(Line(), line);

        Box("cityBox")->setFocus();
        QTest::keyClick(Box("cityBox"), Qt::Key_X);
        QVERIFY(Line().isEmpty());
        QVERIFY(!form_->CurrentRequest().atlasPlace);
        PickFirst("monthList");
        QCOMPARE(List("zoneList")->currentIndex(), 16);  // no place to follow
    }

    void theUsersOwnPlaceWithItsZone() {
        SetMoment(1990, 8, 15, 10, 30);
        TypeCity(QStringLiteral("chenk"));
        Choose(QStringLiteral("Chenkalady Farm"));
        QCOMPARE(Box("countryBox")->text(), QStringLiteral("Sri Lanka"));
        QCOMPARE(Box("latDegreesBox")->text() + ":" + Box("latMinutesBox")->text(), QStringLiteral("7:47"));
        // Sri Lanka's +05:30 is its own clock, not the list's "Indian Time".
        QCOMPARE(List("zoneList")->currentText(),
                 QStringLiteral("Exact offset: UTC+05:30 (Asia/Colombo)"));
        QVERIFY(Line().startsWith(QStringLiteral("Asia/Colombo on 15 August 1990 at 10:30: UTC+05:30")));
        QVERIFY(!form_->CurrentRequest().atlasPlace->geonamesId);
    }

    // ---- the place the boxes hold ----

    void coordinatesOfAnotherPlaceAreNamedUntilTheUserTakesCharge() {
        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        QLabel* warning = Control<QLabel>("placeWarning");
        const QString stale = QStringLiteral(
            "Coordinates and zone are still those of Chennai, India: pick Hampi from the list or "
            "type its coordinates");
        const struct {
            const char* step;
            QString city;  // typed, the popup closed with Esc; null: the step acts otherwise
            const char* option;
            QString shown;  // empty: no warning
        } steps[] = {
            {"another city typed", QStringLiteral("Hampi"), nullptr, stale},
            {"the place's own name again", QStringLiteral("chennai"), nullptr, {}},
            {"the City box emptied", QStringLiteral(""), nullptr, {}},
            {"another city again", QStringLiteral("Hampi"), nullptr, stale},
            {"a hemisphere set by hand", QString(), "southOption", {}},
            {"a city after the user's own coordinates", QStringLiteral("Pune"), nullptr, {}},
        };
        for (const auto& s : steps) {
            if (s.option) {
                Control<QRadioButton>(s.option)->click();
            } else {
                TypeCity(s.city);
                if (Popup()->isVisible()) QTest::keyClick(Popup(), Qt::Key_Escape);
            }
            QVERIFY2(warning->isVisible() == !s.shown.isEmpty(), s.step);
            if (!s.shown.isEmpty()) QCOMPARE(warning->text(), s.shown);
        }
    }

    void anOwnPlaceIsKeptOnlyWithItsOwnCoordinates() {
        kalodaya::ui::testing::RecordingBoxes boxes(services_);
        auto store = records::RecordStore::Open(
            home_.filePath(QStringLiteral("saving.sqlite")).toStdString());
        auto kept = [&] {
            const auto found = store.SearchPlaces("Hampi");
            return found && !found->empty();
        };
        SetMoment(1990, 8, 15, 10, 30);
        TypeCity(QStringLiteral("chen"));
        Choose(QStringLiteral("Chennai"));
        TypeCity(QStringLiteral("Hampi"));
        if (Popup()->isVisible()) QTest::keyClick(Popup(), Qt::Key_Escape);
        RecordsMenu(*form_, store, services_).Save();
        QVERIFY2(!kept(), "Hampi kept with Chennai's coordinates");

        // Hampi's own coordinates typed: the name and the coordinates now belong together.
        const std::pair<const char*, QString> typed[] = {{"latDegreesBox", QStringLiteral("15")},
                                                         {"latMinutesBox", QStringLiteral("20")},
                                                         {"lonDegreesBox", QStringLiteral("76")},
                                                         {"lonMinutesBox", QStringLiteral("28")}};
        for (const auto& [box, text] : typed) {
            Box(box)->selectAll();
            QTest::keyClicks(Box(box), text);
        }
        RecordsMenu(*form_, store, services_).Save();
        QVERIFY(kept());
        QVERIFY(boxes.shown.isEmpty());
    }

    void theAtlasZoneCarriesItsOwnDaylightHour() {
        // London in June: the atlas's zone is British Summer Time already.
        SetMoment(1990, 6, 15, 12, 0);
        TypeCity(QStringLiteral("london"));
        Choose(QStringLiteral("London, England"));
        QCheckBox* daylight = Control<QCheckBox>("daylightBox");
        QVERIFY(daylight->isChecked());
        QVERIFY2(!daylight->isEnabled(), "the box could add a second hour");
        const BirthRequest entries = form_->CurrentRequest();
        QVERIFY(!entries.daylight);
        const ChartOutcome outcome = RequestChart(entries);
        QVERIFY(outcome.Computed());
        QCOMPARE(outcome.result.request.birth.zone, (ZoneOffset{-1, 0}));

        // Winter: the box follows the atlas.
        PickFirst("monthList");
        QVERIFY(!daylight->isChecked());
        QVERIFY(!daylight->isEnabled());
        // A zone picked by hand gives the box back to the user, clear.
        PickFirst("zoneList");
        QVERIFY(daylight->isEnabled());
        QVERIFY(!daylight->isChecked());

        // Letting go of the place (typing another city) does the same.
        SetMoment(1990, 6, 15, 12, 0);
        TypeCity(QStringLiteral("london"));
        Choose(QStringLiteral("London, England"));
        QVERIFY(daylight->isChecked());
        Box("cityBox")->setFocus();
        QTest::keyClick(Box("cityBox"), Qt::Key_X);
        QVERIFY(daylight->isEnabled());
        QVERIFY(!daylight->isChecked());
        QVERIFY(!form_->CurrentRequest().daylight);
    }
};

QTEST_MAIN(PlaceLookupTest)
#include "place_lookup_test.moc"
