#include "ui/entry_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <utility>

#include "base/tables.h"
#include "astro/zone_table.h"
#include "base/entry_rules.h"
#include "ui/coordinate_boxes.h"
#include "ui/key_filters.h"
#include "ui/link_label.h"
#include "ui/message_boxes.h"
#include "ui/place_lookup.h"
#include "ui/product_config.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "ui/wrap_button.h"

namespace kalodaya::ui {
namespace {

// The form's client area in twips: as wide as the input panel, down to the promotional band.
constexpr int kClientWidth = 9825;
constexpr int kClientHeight = 5895;

QString Rgb(const QColor& c) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Slate panels, lists, options and boxes with white text; white buttons; frames with their
// caption on the top edge.
QString FormStyleSheet() {
    const QString slate = Rgb(kSlate);
    const QString edge = QStringLiteral("rgb(140, 140, 205)");
    return QStringLiteral(
               "QWidget#formClient { background-color: %1; }"
               "QGroupBox { background-color: %1; color: white; border: 2px groove %2;"
               "  margin-top: 7px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               "  left: 7px; padding: 0px 2px; color: white; background-color: %1; }"
               "QLabel { color: white; background-color: %1; }"
               "QLineEdit { color: white; background-color: %1; border: 2px inset %2;"
               "  padding: 0px 1px; selection-background-color: rgb(0, 0, 128);"
               "  selection-color: white; }"
               "QComboBox { color: white; background-color: %1; border: 2px inset %2;"
               "  padding: 0px 2px; combobox-popup: 0; }"
               "QComboBox QAbstractItemView { color: white; background-color: %1;"
               "  selection-background-color: rgb(0, 0, 128); selection-color: white;"
               "  border: 1px solid black; }"
               "QCheckBox, QRadioButton { color: white; background-color: %1; }"
               "QRadioButton::indicator { width: 10px; height: 10px; border-radius: 6px;"
               "  border: 1px solid %2; background-color: %1; }"
               "QRadioButton::indicator:checked { background-color: qradialgradient(cx: 0.5,"
               "  cy: 0.5, radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 white, stop: 0.45 white,"
               "  stop: 0.55 %1, stop: 1 %1); }"
               "QPushButton { color: black; background-color: white; border: 2px outset"
               "  rgb(200, 200, 200); }"
               "QPushButton:pressed { border-style: inset; }"
               "QPushButton:focus { border-color: rgb(120, 120, 120); }")
        .arg(slate, edge);
}

template <typename Widget, typename... Args>
Widget* Place(QWidget* parent, const char* name, QRect twips, const QFont& font, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twips);
    widget->setFont(font);
    return widget;
}

// A caption label; it grows to the right where the face in use is wider than the one the
// twip sizes were made for, so a caption is never cut off.
QLabel* Caption(QWidget* parent, const char* name, const char* text, QRect twips,
                const QFont& font) {
    auto* label = Place<QLabel>(parent, name, twips, font, QString::fromLatin1(text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QSize hint = label->sizeHint();
    label->resize(std::max(twips.width(), hint.width()), std::max(twips.height(), hint.height()));
    return label;
}

QComboBox* PickList(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* list = Place<QComboBox>(parent, name, twips, font);
    list->setEditable(false);
    list->setMaxVisibleItems(8);
    return list;
}

QLineEdit* TextBox(QWidget* parent, const char* name, QRect twips, const QFont& font,
                   int maxLength = 0) {
    auto* box = Place<QLineEdit>(parent, name, twips, font);
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption, QRect twips) {
    auto* frame = Place<QGroupBox>(parent, name, twips, Verdana(8.25, true),
                                   QString::fromLatin1(caption));
    return frame;
}

LinkLabel* PromotionLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                          bool bold) {
    auto* label = Place<LinkLabel>(parent, name, twips, Verdana(8.25, bold, true), text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);  // the front label hides the one behind it
    return label;
}

}  // namespace

EntryForm::EntryForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("entryForm"));
    setWindowTitle(QStringLiteral("Kalodaya v1.20"));
    BuildMenus();
    BuildControls();
    SetTabOrder();
    LoadLists();
    BuildPlaceLookup();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CenterOnScreen();
    nameBox->setFocus();
}

void EntryForm::BuildMenus() {
    auto action = [this](QWidget* owner, const char* name, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        owner->addAction(a);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(action(file, "getChartAction", QStringLiteral("Get My Ghati Lagna")),
            &QAction::triggered, this, &EntryForm::chartRequested);
    connect(action(file, "exitAction", QStringLiteral("E&xit")), &QAction::triggered, this,
            &EntryForm::RequestExit);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(action(help, "onlineHelpAction", QStringLiteral("&Online Help")), &QAction::triggered,
            this, [] { OpenOnlineHelp(); });
    connect(action(help, "visitUsAction", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [] { OpenHomePage(); });
    help->addSeparator();
    connect(action(help, "checkUpdateAction", QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, [] { OpenDownloadPage(); });
    help->addSeparator();
    connect(action(help, "aboutAction", QStringLiteral("&About Software")), &QAction::triggered,
            this, &EntryForm::aboutRequested);

    connect(action(menuBar(), "donateAction", QStringLiteral("&Donate")), &QAction::triggered, this,
            [] { OpenDonatePage(); });
    connect(action(menuBar(), "makeMoneyAction", config::kPromotionMenuText), &QAction::triggered,
            this, [] { OpenFullBrandPage(); });
}

void EntryForm::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("formClient"));
    client->setAttribute(Qt::WA_StyledBackground);
    client->setFixedSize(Px(kClientWidth), Px(kClientHeight));
    client->setStyleSheet(FormStyleSheet());
    setCentralWidget(client);

    const QFont plain = Verdana(8.25);
    const QFont bold = Verdana(8.25, true);

    forumLink = PromotionLabel(client, "forumLink", config::kForumPromotion,
                               TwipRect(-15, 120, 9840, 465), false);
    connect(forumLink, &LinkLabel::clicked, this, [] { OpenHomePage(); });

    auto* headline = Place<QLabel>(
        client, "headline", TwipRect(720, 600, 8370, 600), Verdana(9.75, true),
        QStringLiteral("Know more about the importance of self in terms of fame, power, "
                       "authority and status with Kalodaya"));
    headline->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    headline->setWordWrap(true);
    headline->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));

    // The input panel.
    QGroupBox* panel = Frame(client, "inputPanel", "", TwipRect(0, 1200, 9825, 3975));

    QGroupBox* personal =
        Frame(panel, "personalFrame", "Personal Details", TwipRect(120, 240, 5175, 1815));
    Caption(personal, "nameCaption", "Name", TwipRect(120, 525, 1110, 195), plain);
    nameBox = TextBox(personal, "nameBox", TwipRect(1320, 480, 3615, 285), plain);
    InstallKeyFilter(nameBox, KeyFilterKind::Letters);
    Caption(personal, "dateCaption", "Date of Birth", TwipRect(120, 900, 1110, 195), plain);
    monthList = PickList(personal, "monthList", TwipRect(1320, 840, 1695, 315), plain);
    dayList = PickList(personal, "dayList", TwipRect(3180, 840, 735, 315), plain);
    yearList = PickList(personal, "yearList", TwipRect(4080, 840, 855, 315), plain);
    Caption(personal, "timeCaption", "Time of Birth", TwipRect(120, 1260, 1110, 195), plain);
    hourList = PickList(personal, "hourList", TwipRect(1320, 1200, 735, 315), plain);
    minuteList = PickList(personal, "minuteList", TwipRect(2280, 1200, 735, 315), plain);
    secondList = PickList(personal, "secondList", TwipRect(3180, 1200, 735, 315), plain);
    Caption(personal, "timeFormatCaption", "HH:MM:SS", TwipRect(4080, 1320, 900, 195), plain);

    QGroupBox* place = Frame(panel, "placeFrame", "Place Details", TwipRect(5280, 240, 4455, 1815));
    Caption(place, "cityCaption", "City", TwipRect(120, 480, 690, 195), plain);
    cityBox = TextBox(place, "cityBox", TwipRect(840, 480, 1935, 285), plain);
    Caption(place, "stateCaption", "State", TwipRect(120, 840, 690, 195), plain);
    stateBox = TextBox(place, "stateBox", TwipRect(840, 840, 1935, 285), plain);
    Caption(place, "countryCaption", "Country", TwipRect(120, 1200, 690, 195), plain);
    countryBox = TextBox(place, "countryBox", TwipRect(840, 1200, 1935, 285), plain);
    coordinatesSearchButton =
        Place<WrapButton>(place, "coordinatesSearchButton", TwipRect(2880, 480, 1455, 1035), plain,
                          QStringLiteral("Click for Latitude && Longitude"));
    connect(coordinatesSearchButton, &QPushButton::clicked, this,
            &EntryForm::SearchCoordinatesOnline);

    QGroupBox* zone = Frame(panel, "zoneFrame", "Zone", TwipRect(120, 2040, 5175, 975));
    daylightBox = Place<QCheckBox>(zone, "daylightBox", TwipRect(2040, 120, 2415, 375), plain,
                                   QStringLiteral("Daylight Saving Time"));
    zoneList = PickList(zone, "zoneList", TwipRect(120, 480, 4335, 315), plain);

    // Latitude and longitude: the same arrangement in two frames.
    struct CoordinateFrame {
        const char* frame;
        const char* caption;
        QRect rect;
        const char* degBox;
        int degLength;
        const char* minBox;
        const char* degLabel;
        const char* minLabel;
        const char* options[2];
        const char* optionText[2];
        int optionWidth;
        QLineEdit** deg;
        QLineEdit** min;
        QRadioButton** option;
    };
    const CoordinateFrame frames[] = {
        {"latitudeFrame",
         "Latitude",
         TwipRect(5280, 2040, 2295, 975),
         "latDegreesBox",
         entry_rules::kLatDegreeDigits,
         "latMinutesBox",
         "latDegreesCaption",
         "latMinutesCaption",
         {"northOption", "southOption"},
         {"North", "South"},
         855,
         &latDegreesBox,
         &latMinutesBox,
         latitudeOptions},
        {"longitudeFrame",
         "Longitude",
         TwipRect(7560, 2040, 2175, 975),
         "lonDegreesBox",
         entry_rules::kLonDegreeDigits,
         "lonMinutesBox",
         "lonDegreesCaption",
         "lonMinutesCaption",
         {"eastOption", "westOption"},
         {"East", "West"},
         735,
         &lonDegreesBox,
         &lonMinutesBox,
         longitudeOptions},
    };
    for (const CoordinateFrame& f : frames) {
        QGroupBox* box = Frame(panel, f.frame, f.caption, f.rect);
        *f.deg = TextBox(box, f.degBox, TwipRect(120, 240, 495, 285), plain, f.degLength);
        *f.min = TextBox(box, f.minBox, TwipRect(720, 240, 495, 285), plain,
                         entry_rules::kMinuteDigits);
        InstallKeyFilter(*f.deg, KeyFilterKind::Numbers);
        InstallKeyFilter(*f.min, KeyFilterKind::Numbers);
        Caption(box, f.degLabel, "Deg", TwipRect(195, 600, 345, 195), plain);
        Caption(box, f.minLabel, "Min", TwipRect(825, 600, 285, 195), plain);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < 2; ++i) {
            f.option[i] = Place<QRadioButton>(box, f.options[i],
                                              TwipRect(1320, 240 + 240 * i, f.optionWidth, 255),
                                              plain, QString::fromLatin1(f.optionText[i]));
            group->addButton(f.option[i], i);
        }
        f.option[0]->setChecked(true);
    }

    getChartButton = Place<QPushButton>(panel, "getChartButton", TwipRect(120, 3240, 9585, 495),
                                        bold, QStringLiteral("Get My Ghati Lagna"));
    connect(getChartButton, &QPushButton::clicked, this, &EntryForm::chartRequested);

    // The promotional band: coBrandLink lies in front of fullBrandLink.
    QGroupBox* band = Frame(client, "promotionBand", "", TwipRect(0, 5160, 9825, 735));
    fullBrandLink = PromotionLabel(band, "fullBrandLink", config::kFullBrandPromotion,
                                   TwipRect(120, 120, 9585, 495), true);
    coBrandLink = PromotionLabel(band, "coBrandLink", config::kCoBrandPromotion,
                                 TwipRect(120, 120, 9585, 495), true);
    coBrandLink->raise();
    connect(fullBrandLink, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    connect(coBrandLink, &LinkLabel::clicked, this, [] { OpenCoBrandPage(); });
}

void EntryForm::SetTabOrder() {
    QWidget* order[] = {nameBox,
                        monthList,
                        dayList,
                        yearList,
                        hourList,
                        minuteList,
                        secondList,
                        cityBox,
                        stateBox,
                        countryBox,
                        coordinatesSearchButton,
                        zoneList,
                        daylightBox,
                        latDegreesBox,
                        latMinutesBox,
                        latitudeOptions[0],
                        latitudeOptions[1],
                        lonDegreesBox,
                        lonMinutesBox,
                        longitudeOptions[0],
                        longitudeOptions[1],
                        getChartButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// The load handler: fills the lists and selects their first entries.
void EntryForm::LoadLists() {
    auto text = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    for (std::string_view month : kMonthNames) monthList->addItem(text(month));
    for (const ZoneEntry& zone : kZoneTable) zoneList->addItem(text(zone.listText));
    auto numbers = [](QComboBox* list, int first, int last) {
        for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    };
    numbers(dayList, 1, 31);
    numbers(yearList, entry_rules::kFirstYear, entry_rules::kLastYear);
    numbers(hourList, 0, 23);
    numbers(minuteList, 0, 59);
    numbers(secondList, 0, 59);
    for (QComboBox* list :
         {monthList, dayList, yearList, hourList, minuteList, secondList, zoneList})
        list->setCurrentIndex(0);
}

void EntryForm::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// Each list's positions count from its first value (day 1, the first year, hour 0...).
BirthRequest EntryForm::CurrentRequest() const {
    BirthRequest r;
    r.name = nameBox->text().toStdString();
    r.month = monthList->currentIndex() + 1;
    r.day = dayList->currentIndex() + 1;
    r.year = entry_rules::kFirstYear + yearList->currentIndex();
    r.hour = hourList->currentIndex();
    r.minute = minuteList->currentIndex();
    r.second = secondList->currentIndex();
    r.latitude = {BoxValue(*latDegreesBox), BoxValue(*latMinutesBox),
                  latitudeOptions[0]->isChecked()};
    r.longitude = {BoxValue(*lonDegreesBox), BoxValue(*lonMinutesBox),
                   longitudeOptions[0]->isChecked()};
    r.daylight = daylightBox->isChecked();
    if (const int zone = zoneList->currentIndex(); zone >= 0)
        r.zone = ZoneListEntry{zone};
    else
        r.zone = NoZone{};
    r.city = cityBox->text().toStdString();
    r.state = stateBox->text().toStdString();
    r.country = countryBox->text().toStdString();
    if (placeLookup_) placeLookup_->CompleteRequest(r);
    return r;
}

// An exact offset goes into the zone list's extra entry, which the place lookup keeps (it
// adds the offset to CurrentRequest); a saved place counts as typed, not as chosen.
void EntryForm::ShowRequest(const BirthRequest& r, const QString& exactZoneLabel) {
    nameBox->setText(QString::fromStdString(r.name));
    const std::pair<QComboBox*, int> lists[] = {{monthList, r.month - 1},
                                                {dayList, r.day - 1},
                                                {yearList, r.year - entry_rules::kFirstYear},
                                                {hourList, r.hour},
                                                {minuteList, r.minute},
                                                {secondList, r.second}};
    for (const auto& [list, position] : lists)
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    placeLookup_->ShowPlace(r);
    daylightBox->setChecked(r.daylight);
    placeLookup_->Forget();
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone))
        placeLookup_->ShowExactEntry(*exact, exactZoneLabel);
    else if (const auto* entry = std::get_if<ZoneListEntry>(&r.zone))
        placeLookup_->ShowZoneEntry(entry->position);
    else
        placeLookup_->ShowZoneEntry(-1);
}

void EntryForm::FocusField(EntryField field) {
    QLineEdit* box = nameBox;
    switch (field) {
        case EntryField::Name:
            box = nameBox;
            break;
        case EntryField::LatDeg:
            box = latDegreesBox;
            break;
        case EntryField::LatMin:
            box = latMinutesBox;
            break;
        case EntryField::LonDeg:
            box = lonDegreesBox;
            break;
        case EntryField::LonMin:
            box = lonMinutesBox;
            break;
    }
    box->setFocus(Qt::OtherFocusReason);
}

// The coordinate search: a web search for the place's latitude and longitude.
void EntryForm::SearchCoordinatesOnline() {
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{cityBox, "Please Enter City"},
                    {stateBox, "Please Enter State"},
                    {countryBox, "Please Enter Country"}};
    // Only a box without any character is empty: blanks count as an entry.
    for (const auto& r : required) {
        if (!r.box->text().isEmpty()) continue;
        Messages().Show(this, {QString::fromLatin1(r.message), QMessageBox::Information,
                               QMessageBox::Ok});
        r.box->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString query = cityBox->text() + u' ' + stateBox->text() + u' ' + countryBox->text() +
                          QStringLiteral(" Latitude Longitude");
    SearchWeb(query, config::kCoordinatesSite);
}

// The place lookup on the City box, and its line under the zone box, across the input panel
// between the frames and the button.
void EntryForm::BuildPlaceLookup() {
    zoneLine = Place<QLabel>(getChartButton->parentWidget(), "zoneLine",
                             TwipRect(120, 3015, 9585, 225), Verdana(8.25));
    zoneLine->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));
    PlaceControls controls;
    controls.city = cityBox;
    controls.state = stateBox;
    controls.country = countryBox;
    controls.latDeg = latDegreesBox;
    controls.latMin = latMinutesBox;
    controls.lonDeg = lonDegreesBox;
    controls.lonMin = lonMinutesBox;
    controls.latitude = {latitudeOptions[0], latitudeOptions[1]};
    controls.longitude = {longitudeOptions[0], longitudeOptions[1]};
    controls.zone = zoneList;
    controls.daylight = daylightBox;
    controls.zoneLine = zoneLine;
    controls.moment = {monthList, dayList, yearList, hourList, minuteList, secondList};
    placeLookup_ = new PlaceLookup(controls, [this] { return CurrentRequest(); }, this);
}

void EntryForm::RequestExit() {
    if (exiting_) return;
    exiting_ = true;
    emit exitRequested();
    exiting_ = false;
}

void EntryForm::closeEvent(QCloseEvent* event) {
    if (exiting_) {  // the program is ending and closes its windows
        event->accept();
        return;
    }
    event->ignore();
    RequestExit();
}

}  // namespace kalodaya::ui
