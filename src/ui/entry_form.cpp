#include "ui/entry_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCalendarWidget>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <utility>

#include "base/tables.h"
#include "astro/zone_table.h"
#include "base/entry_rules.h"
#include "records/record.h"
#include "ui/coordinate_boxes.h"
#include "ui/key_filters.h"
#include "ui/link_label.h"
#include "ui/message_boxes.h"
#include "ui/number_typing.h"
#include "ui/place_lookup.h"
#include "ui/product_config.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "ui/wrap_button.h"

namespace kalodaya::ui {
namespace {

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
               // A list that cannot be changed now (the classic calculation's own ayanamsa
               // and node) shows greyed.
               "QComboBox:disabled { color: rgb(175, 175, 215); border-style: solid; }"
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
               "QPushButton:focus { border: 2px solid rgb(255, 200, 0); }"
               // Keyboard focus shows on every control, on the slate as on the white buttons.
               "QLineEdit:focus, QComboBox:focus { border: 2px solid rgb(255, 255, 0); }"
               "QCheckBox:focus, QRadioButton:focus { color: rgb(255, 255, 0); }")
        .arg(slate, edge);
}

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, const QFont& font, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    if (*name) widget->setObjectName(QString::fromLatin1(name));
    widget->setFont(font);
    return widget;
}

// A caption: as wide as its text, however wide the face in use makes it.
QLabel* Caption(QWidget* parent, const char* name, const char* text, const QFont& font) {
    auto* label = Make<QLabel>(parent, name, font, QCoreApplication::translate("kalodaya::ui::EntryForm", text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A list or a box at least as wide as the design made it (`twips`); both grow with their text.
QComboBox* PickList(QWidget* parent, const char* name, int twips, const QFont& font) {
    auto* list = Make<QComboBox>(parent, name, font);
    list->setEditable(false);
    list->setMaxVisibleItems(8);
    list->setMinimumWidth(Px(twips));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

QLineEdit* TextBox(QWidget* parent, const char* name, int twips, const QFont& font,
                   int maxLength = 0) {
    auto* box = Make<QLineEdit>(parent, name, font);
    if (maxLength > 0) box->setMaxLength(maxLength);
    box->setMinimumWidth(Px(twips));
    return box;
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption) {
    return Make<QGroupBox>(parent, name, Verdana(8.25, true),
                           QCoreApplication::translate("kalodaya::ui::EntryForm", caption));
}

// The inner margins of a frame: 120 twips at the sides and foot, the caption's line on top.
template <typename Layout>
Layout* FrameLayout(QGroupBox* frame, int spacingTwips = 60) {
    auto* layout = new Layout(frame);
    layout->setContentsMargins(Px(120), Px(240), Px(120), Px(105));
    layout->setSpacing(Px(spacingTwips));
    return layout;
}

LinkLabel* PromotionLabel(QWidget* parent, const char* name, const QString& text, bool bold) {
    auto* label = Make<LinkLabel>(parent, name, Verdana(8.25, bold, true), text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);  // the front label hides the one behind it
    return label;
}

}  // namespace

EntryForm::EntryForm(Services& services, Language language, QWidget* parent)
    : QMainWindow(parent), services_(services), language_(language) {
    setObjectName(QStringLiteral("entryForm"));
    setWindowTitle(QStringLiteral("Kalodaya v1.20"));
    BuildMenus();
    BuildControls();
    SetTabOrder();
    ConnectEnter();
    LoadLists();
    BuildPlaceLookup();
    {
        QSettings settings = FormSettings();
        ShowCalculation(RememberedCalculation(settings));
    }
    // The layouts give the form its size; the user may make it larger.
    adjustSize();
    setMinimumSize(sizeHint());
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

    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("kalodaya::ui::EntryForm", "&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* getChart = action(file, "getChartAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "Get My Ghati Lagna"));
    getChart->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return),
                            QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(getChart,
            &QAction::triggered, this, &EntryForm::chartRequested);
    connect(action(file, "exitAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "E&xit")), &QAction::triggered, this,
            &EntryForm::RequestExit);

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("kalodaya::ui::EntryForm", "&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(action(help, "onlineHelpAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "&Online Help")), &QAction::triggered,
            this, [this] { OpenOnlineHelp(*services_.browser); });
    connect(action(help, "visitUsAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "&Visit Us Online")), &QAction::triggered,
            this, [this] { OpenHomePage(*services_.browser); });
    help->addSeparator();
    connect(action(help, "checkUpdateAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "Check for Software &Update")),
            &QAction::triggered, this, [this] { OpenDownloadPage(*services_.browser); });
    help->addSeparator();
    connect(action(help, "aboutAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "&About Software")), &QAction::triggered,
            this, &EntryForm::aboutRequested);

    connect(action(menuBar(), "donateAction", QCoreApplication::translate("kalodaya::ui::EntryForm", "&Donate")), &QAction::triggered, this,
            [this] { OpenDonatePage(*services_.browser); });
    connect(action(menuBar(), "makeMoneyAction", config::Shown(config::kPromotionMenuText)), &QAction::triggered,
            this, [this] { OpenFullBrandPage(*services_.browser); });
}

void EntryForm::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("formClient"));
    client->setAttribute(Qt::WA_StyledBackground);
    client->setStyleSheet(FormStyleSheet());
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, Px(120), 0, 0);
    column->setSpacing(Px(60));

    const QFont plain = Verdana(8.25);
    const QFont bold = Verdana(8.25, true);

    forumLink = PromotionLabel(client, "forumLink", config::Shown(config::kForumPromotion), false);
    connect(forumLink, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });
    column->addWidget(forumLink);

    auto* headline = Make<QLabel>(
        client, "headline", Verdana(9.75, true),
        tr("Know more about the importance of self in terms of fame, power, authority and "
           "status with Kalodaya"));
    headline->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    headline->setWordWrap(true);
    headline->setContentsMargins(Px(720), 0, Px(720), 0);
    headline->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));
    column->addWidget(headline);

    // The input panel: personal and place details above, zone and coordinates below, then
    // the notes about the place and the button.
    QGroupBox* panel = Frame(client, "inputPanel", "");
    column->addWidget(panel, 1);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(Px(120), Px(240), Px(120), Px(120));
    grid->setSpacing(0);

    QGroupBox* personal = Frame(panel, "personalFrame", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Personal Details"));
    auto* personalGrid = FrameLayout<QGridLayout>(personal);
    personalGrid->setHorizontalSpacing(Px(90));
    personalGrid->addWidget(Caption(personal, "nameCaption", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Name"), plain), 0, 0);
    nameBox = TextBox(personal, "nameBox", 3615, plain);
    InstallKeyFilter(nameBox, KeyFilterKind::Letters, *services_.messages);
    personalGrid->addWidget(nameBox, 0, 1);
    personalGrid->addWidget(Caption(personal, "dateCaption", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Date of Birth"), plain), 1, 0);
    monthList = PickList(personal, "monthList", 1695, plain);
    dayList = PickList(personal, "dayList", 735, plain);
    yearList = PickList(personal, "yearList", 855, plain);
    BuildDateBox(personal);
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(Px(165));
    for (QWidget* w : {static_cast<QWidget*>(monthList), static_cast<QWidget*>(dayList),
                       static_cast<QWidget*>(yearList), static_cast<QWidget*>(dateBox),
                       static_cast<QWidget*>(calendarButton)})
        dateRow->addWidget(w);
    dateRow->setSpacing(Px(105));
    dateRow->setStretch(0, 1);
    personalGrid->addLayout(dateRow, 1, 1);
    personalGrid->addWidget(Caption(personal, "timeCaption", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Time of Birth"), plain), 2, 0);
    hourList = PickList(personal, "hourList", 735, plain);
    minuteList = PickList(personal, "minuteList", 735, plain);
    secondList = PickList(personal, "secondList", 735, plain);
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(Px(165));
    for (QWidget* w : {static_cast<QWidget*>(hourList), static_cast<QWidget*>(minuteList),
                       static_cast<QWidget*>(secondList)})
        timeRow->addWidget(w);
    timeRow->addWidget(Caption(personal, "timeFormatCaption", "HH:MM:SS", plain));
    timeRow->addStretch(1);
    nowButton = Make<QPushButton>(personal, "nowButton", plain, QCoreApplication::translate("kalodaya::ui::EntryForm", "&Now"));
    nowButton->setToolTip(QCoreApplication::translate("kalodaya::ui::EntryForm", "Today's date and the time now"));
    nowButton->setMinimumWidth(Px(735));
    connect(nowButton, &QPushButton::clicked, this, &EntryForm::FillNow);
    timeRow->addWidget(nowButton);
    personalGrid->addLayout(timeRow, 2, 1);
    // How far either side of the entered time the birth may have been: the results window
    // shows the chart's intervals over those birth times.
    auto* uncertaintyCaption = Make<QLabel>(personal, "uncertaintyCaption", plain, QCoreApplication::translate("kalodaya::ui::EntryForm", "Uncertain by"));
    personalGrid->addWidget(uncertaintyCaption, 3, 0);
    uncertaintyBox = Make<QSpinBox>(personal, "uncertaintyBox", plain);
    uncertaintyBox->setRange(0, records::kLongestUncertaintyMinutes);
    uncertaintyBox->setPrefix(QStringLiteral("\u00B1 "));
    uncertaintyBox->setSuffix(QCoreApplication::translate("kalodaya::ui::EntryForm", " minutes"));
    uncertaintyBox->setToolTip(QCoreApplication::translate("kalodaya::ui::EntryForm", "How many minutes before or after the entered time the birth "
                                  "may have been (0: the time is exact)"));
    uncertaintyCaption->setBuddy(uncertaintyBox);
    auto* uncertaintyRow = new QHBoxLayout;
    uncertaintyRow->addWidget(uncertaintyBox);
    uncertaintyRow->addStretch(1);
    personalGrid->addLayout(uncertaintyRow, 3, 1);
    personalGrid->setColumnStretch(1, 1);
    grid->addWidget(personal, 0, 0);

    QGroupBox* place = Frame(panel, "placeFrame", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Place Details"));
    auto* placeGrid = FrameLayout<QGridLayout>(place);
    placeGrid->setHorizontalSpacing(Px(90));
    const struct {
        const char* caption;
        const char* captionName;
        const char* box;
        QLineEdit** edit;
    } placeRows[] = {{QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "City"), "cityCaption", "cityBox", &cityBox},
                     {QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "State"), "stateCaption", "stateBox", &stateBox},
                     {QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Country"), "countryCaption", "countryBox", &countryBox}};
    for (int row = 0; row < 3; ++row) {
        placeGrid->addWidget(Caption(place, placeRows[row].captionName, placeRows[row].caption,
                                     plain),
                             row, 0);
        *placeRows[row].edit = TextBox(place, placeRows[row].box, 1935, plain);
        placeGrid->addWidget(*placeRows[row].edit, row, 1);
    }
    coordinatesSearchButton = Make<WrapButton>(place, "coordinatesSearchButton", plain,
                                               QCoreApplication::translate("kalodaya::ui::EntryForm", "Click for Latitude && Longitude"));
    coordinatesSearchButton->setMinimumSize(Px(1455), Px(900));
    connect(coordinatesSearchButton, &QPushButton::clicked, this,
            &EntryForm::SearchCoordinatesOnline);
    placeGrid->addWidget(coordinatesSearchButton, 0, 2, 3, 1);
    placeGrid->setColumnStretch(1, 1);
    grid->addWidget(place, 0, 1, 1, 2);

    QGroupBox* zone = Frame(panel, "zoneFrame", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Zone"));
    auto* zoneColumn = FrameLayout<QVBoxLayout>(zone, 30);
    daylightBox =
        Make<QCheckBox>(zone, "daylightBox", plain, QCoreApplication::translate("kalodaya::ui::EntryForm", "Daylight Saving Time"));
    zoneColumn->addWidget(daylightBox, 0, Qt::AlignRight);
    zoneList = PickList(zone, "zoneList", 4335, plain);
    zoneColumn->addWidget(zoneList);
    grid->addWidget(zone, 1, 0);

    // Latitude and longitude: the same arrangement in two frames.
    struct CoordinateFrame {
        const char* frame;
        const char* caption;
        const char* degBox;
        int degLength;
        const char* minBox;
        const char* degLabel;
        const char* minLabel;
        const char* options[2];
        const char* optionText[2];
        QLineEdit** deg;
        QLineEdit** min;
        QRadioButton** option;
    };
    const CoordinateFrame frames[] = {
        {"latitudeFrame", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Latitude"), "latDegreesBox", entry_rules::kLatDegreeDigits,
         "latMinutesBox", "latDegreesCaption", "latMinutesCaption", {"northOption", "southOption"},
         {QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "North"), QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "South")}, &latDegreesBox, &latMinutesBox, latitudeOptions},
        {"longitudeFrame", QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Longitude"), "lonDegreesBox", entry_rules::kLonDegreeDigits,
         "lonMinutesBox", "lonDegreesCaption", "lonMinutesCaption", {"eastOption", "westOption"},
         {QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "East"), QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "West")}, &lonDegreesBox, &lonMinutesBox, longitudeOptions},
    };
    int frameColumn = 1;
    for (const CoordinateFrame& f : frames) {
        QGroupBox* box = Frame(panel, f.frame, f.caption);
        auto* boxGrid = FrameLayout<QGridLayout>(box, 0);
        boxGrid->setHorizontalSpacing(Px(105));
        *f.deg = TextBox(box, f.degBox, 495, plain, f.degLength);
        *f.min = TextBox(box, f.minBox, 495, plain, entry_rules::kMinuteDigits);
        for (QLineEdit* edit : {*f.deg, *f.min}) {
            edit->setMaximumWidth(Px(495) + edit->fontMetrics().horizontalAdvance(u'0'));
            InstallKeyFilter(edit, KeyFilterKind::Numbers, *services_.messages);
        }
        boxGrid->addWidget(*f.deg, 0, 0);
        boxGrid->addWidget(*f.min, 0, 1);
        boxGrid->addWidget(Caption(box, f.degLabel, QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Deg"), plain), 1, 0, Qt::AlignHCenter);
        boxGrid->addWidget(Caption(box, f.minLabel, QT_TRANSLATE_NOOP("kalodaya::ui::EntryForm", "Min"), plain), 1, 1, Qt::AlignHCenter);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < 2; ++i) {
            f.option[i] = Make<QRadioButton>(box, f.options[i], plain,
                                             QCoreApplication::translate("kalodaya::ui::EntryForm", f.optionText[i]));
            group->addButton(f.option[i], i);
            boxGrid->addWidget(f.option[i], i, 2);
        }
        f.option[0]->setChecked(true);
        boxGrid->setColumnStretch(2, 1);
        grid->addWidget(box, 1, frameColumn++);
    }

    // Under the frames: the zone line and the warning about stale coordinates, each wrapping
    // over as many lines as its text needs; then the button.
    for (QLabel** line : {&zoneLine, &placeWarning}) {
        *line = Make<QLabel>(panel, line == &zoneLine ? "zoneLine" : "placeWarning", plain);
        (*line)->setWordWrap(true);
        (*line)->setTextFormat(Qt::PlainText);
        (*line)->setContentsMargins(0, Px(15), 0, Px(15));
    }
    zoneLine->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));
    placeWarning->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(Rgb(kYellow)));
    placeWarning->hide();
    QGroupBox* calculation = Frame(panel, "calculationFrame", "");
    calculation->setTitle(QCoreApplication::translate("kalodaya::ui::EntryForm", "Calculation"));
    calculation->setLayout(BuildCalculation(calculation));
    grid->addWidget(calculation, 2, 0, 1, 3);
    grid->addWidget(zoneLine, 3, 0, 1, 3);
    grid->addWidget(placeWarning, 4, 0, 1, 3);

    getChartButton = Make<QPushButton>(panel, "getChartButton", bold,
                                       QCoreApplication::translate("kalodaya::ui::EntryForm", "&Get My Ghati Lagna"));
    getChartButton->setMinimumHeight(Px(495));
    connect(getChartButton, &QPushButton::clicked, this, &EntryForm::chartRequested);
    grid->addWidget(getChartButton, 5, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    // The promotional band: coBrandLink lies in front of fullBrandLink.
    QGroupBox* band = Frame(client, "promotionBand", "");
    auto* bandGrid = new QGridLayout(band);
    bandGrid->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
    fullBrandLink = PromotionLabel(band, "fullBrandLink", config::Shown(config::kFullBrandPromotion), true);
    coBrandLink = PromotionLabel(band, "coBrandLink", config::Shown(config::kCoBrandPromotion), true);
    bandGrid->addWidget(fullBrandLink, 0, 0);
    bandGrid->addWidget(coBrandLink, 0, 0);
    coBrandLink->raise();
    connect(fullBrandLink, &LinkLabel::clicked, this,
            [this] { OpenFullBrandPage(*services_.browser); });
    connect(coBrandLink, &LinkLabel::clicked, this,
            [this] { OpenCoBrandPage(*services_.browser); });
    column->addWidget(band);
}

// Enter in a box computes the chart, as the button does. The City box keeps Enter for its
// popup of places.
void EntryForm::ConnectEnter() {
    for (QLineEdit* box : {nameBox, stateBox, countryBox, latDegreesBox, latMinutesBox,
                           lonDegreesBox, lonMinutesBox})
        connect(box, &QLineEdit::returnPressed, this, &EntryForm::chartRequested);
    // The spin box takes its typed value before its own line edit reports Enter.
    if (auto* typed = uncertaintyBox->findChild<QLineEdit*>())
        connect(typed, &QLineEdit::returnPressed, this, &EntryForm::chartRequested);
}

void EntryForm::SetTabOrder() {
    QWidget* order[] = {nameBox,
                        monthList,
                        dayList,
                        yearList,
                        dateBox,
                        calendarButton,
                        hourList,
                        minuteList,
                        secondList,
                        nowButton,
                        uncertaintyBox,
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
                        calculationList,
                        ayanamsaList,
                        nodeList,
                        sunriseList,
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
    for (QComboBox* list : {dayList, yearList, hourList, minuteList, secondList})
        InstallNumberTyping(list);
    for (QComboBox* list :
         {monthList, dayList, yearList, hourList, minuteList, secondList, zoneList})
        list->setCurrentIndex(0);
    for (QComboBox* list : {monthList, dayList, yearList})
        connect(list, &QComboBox::currentIndexChanged, this, &EntryForm::SyncDateBox);
    SyncDateBox();
}

// The date box: the date as text, YYYY-MM-DD, within the years of the year list; the button
// beside it opens a calendar.
void EntryForm::BuildDateBox(QWidget* parent) {
    const QFont plain = Verdana(8.25);
    dateBox = TextBox(parent, "dateBox", 1200, plain, 10);
    dateBox->setPlaceholderText(QCoreApplication::translate("kalodaya::ui::EntryForm", "YYYY-MM-DD"));
    dateBox->setToolTip(QCoreApplication::translate("kalodaya::ui::EntryForm", "The date of birth as YYYY-MM-DD"));
    // The typed date counts once the box is left or Enter is pressed (then the chart is asked
    // for with it): a date half typed ("1975-02-3" on the way to "1975-02-30") never reaches
    // the lists.
    connect(dateBox, &QLineEdit::editingFinished, this, &EntryForm::OnDateTyped);
    connect(dateBox, &QLineEdit::returnPressed, this, [this] {
        OnDateTyped();
        emit chartRequested();
    });

    calendarButton = Make<QPushButton>(parent, "calendarButton", plain, QStringLiteral("\u25BE"));
    calendarButton->setToolTip(QCoreApplication::translate("kalodaya::ui::EntryForm", "Pick the date of birth from a calendar"));
    calendarButton->setMinimumWidth(Px(300));
    connect(calendarButton, &QPushButton::clicked, this, &EntryForm::ShowCalendar);
    dateCalendar = new QCalendarWidget(this);
    dateCalendar->setObjectName(QStringLiteral("dateCalendar"));
    dateCalendar->setWindowFlags(Qt::Popup);
    dateCalendar->setDateRange(QDate(entry_rules::kFirstYear, 1, 1),
                               QDate(entry_rules::kLastYear, 12, 31));
    dateCalendar->setGridVisible(true);
    for (auto signal : {&QCalendarWidget::clicked, &QCalendarWidget::activated})
        connect(dateCalendar, signal, this, [this](QDate date) {
            dateCalendar->hide();
            SelectDate(date);
            SyncDateBox();
        });
}

// The lists hold a date that exists: the date box shows it. Any other (31 February, no
// month) leaves the box as it was: the entry checks speak of the lists.
void EntryForm::SyncDateBox() {
    if (!dateBox) return;
    const QDate date(entry_rules::kFirstYear + yearList->currentIndex(),
                     monthList->currentIndex() + 1, dayList->currentIndex() + 1);
    if (!date.isValid() || monthList->currentIndex() < 0) return;
    dateBox->setText(date.toString(QStringLiteral("yyyy-MM-dd")));
}

// A date typed in the date box selects it in the lists (which the place lookup follows as it
// follows a date picked there). The box then shows the lists' date in full, also in place of a
// text that is no date of the lists' years, which changes nothing.
void EntryForm::OnDateTyped() {
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    const auto match = form.match(dateBox->text());
    const QDate date = match.hasMatch() ? QDate(match.captured(1).toInt(),
                                                match.captured(2).toInt(),
                                                match.captured(3).toInt())
                                        : QDate();
    const QDate listed(entry_rules::kFirstYear + yearList->currentIndex(),
                       monthList->currentIndex() + 1, dayList->currentIndex() + 1);
    if (date.isValid() && date != listed && date.year() >= entry_rules::kFirstYear &&
        date.year() <= entry_rules::kLastYear)
        SelectDate(date);
    SyncDateBox();
}

// The date typed, picked from the calendar or taken from the clock is the user's pick, as one
// in the lists is: a place chosen from the atlas follows it with its zone.
void EntryForm::SelectDate(const QDate& date) {
    monthList->setCurrentIndex(date.month() - 1);
    dayList->setCurrentIndex(date.day() - 1);
    yearList->setCurrentIndex(date.year() - entry_rules::kFirstYear);
    emit yearList->activated(yearList->currentIndex());
}

// The calendar opens under the date box on the lists' date (or on the box's nearest date
// when the lists hold none that exists).
void EntryForm::ShowCalendar() {
    const QDate listed(entry_rules::kFirstYear + yearList->currentIndex(),
                       monthList->currentIndex() + 1, dayList->currentIndex() + 1);
    if (listed.isValid()) dateCalendar->setSelectedDate(listed);
    dateCalendar->adjustSize();
    dateCalendar->move(dateBox->mapToGlobal(QPoint(0, dateBox->height())));
    dateCalendar->show();
    dateCalendar->setFocus(Qt::PopupFocusReason);
}

void EntryForm::FillNow() {
    const QDateTime now = services_.now();
    const QDate date = now.date();
    if (date.year() < entry_rules::kFirstYear || date.year() > entry_rules::kLastYear) return;
    const QTime time = now.time();
    const std::pair<QComboBox*, int> lists[] = {
        {hourList, time.hour()}, {minuteList, time.minute()}, {secondList, time.second()}};
    for (const auto& [list, position] : lists) list->setCurrentIndex(position);
    SelectDate(date);
}

// The calculation's lists: each entry holds its setting's name. The classic ephemeris has its
// own ayanamsa and mean node, so those two lists show them and cannot be changed then.
QLayout* EntryForm::BuildCalculation(QWidget* parent) {
    const QFont plain = Verdana(8.25);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(Px(120), Px(240), Px(120), Px(105));
    row->setSpacing(Px(90));
    auto list = [&](const char* name, std::initializer_list<std::pair<QString, std::string_view>> items) {
        QComboBox* l = PickList(parent, name, 1200, plain);
        for (const auto& [text, setting] : items)
            l->addItem(text, QString::fromLatin1(setting.data(), qsizetype(setting.size())));
        connect(l, &QComboBox::activated, this, &EntryForm::OnCalculationPicked);
        return l;
    };
    calculationList = list("calculationList",
                           {{QCoreApplication::translate("kalodaya::ui::EntryForm", "Classic"), SettingName(EphemerisKind::Classic)},
                            {QCoreApplication::translate("kalodaya::ui::EntryForm", "Modern (Swiss Ephemeris)"), SettingName(EphemerisKind::Modern)}});
    ayanamsaList = list("ayanamsaList",
                        {{QCoreApplication::translate("kalodaya::ui::EntryForm", "Classic"), SettingName(AyanamsaKind::Classic)},
                         {QCoreApplication::translate("kalodaya::ui::EntryForm", "Lahiri"), SettingName(AyanamsaKind::Lahiri)},
                         {QCoreApplication::translate("kalodaya::ui::EntryForm", "Raman"), SettingName(AyanamsaKind::Raman)},
                         {QCoreApplication::translate("kalodaya::ui::EntryForm", "KP (Krishnamurti)"), SettingName(AyanamsaKind::Krishnamurti)},
                         {QCoreApplication::translate("kalodaya::ui::EntryForm", "True Chitra"), SettingName(AyanamsaKind::TrueChitra)}});
    nodeList = list("nodeList", {{QCoreApplication::translate("kalodaya::ui::EntryForm", "Mean"), SettingName(NodeKind::Mean)},
                                 {QCoreApplication::translate("kalodaya::ui::EntryForm", "True"), SettingName(NodeKind::True)}});
    sunriseList = list("sunriseList",
                       {{QCoreApplication::translate("kalodaya::ui::EntryForm", "Classic (upper limb, refraction)"), SettingName(SunriseKind::Classic)},
                        {QCoreApplication::translate("kalodaya::ui::EntryForm", "Hindu (disc centre, no refraction)"), SettingName(SunriseKind::Hindu)}});
    const std::pair<const char*, QString> captions[] = {
        {"ayanamsaCaption", QCoreApplication::translate("kalodaya::ui::EntryForm", "Ayanamsa")}, {"nodeCaption", QCoreApplication::translate("kalodaya::ui::EntryForm", "Node")},
        {"sunriseCaption", QCoreApplication::translate("kalodaya::ui::EntryForm", "Sunrise")}};
    row->addWidget(calculationList, 2);
    QComboBox* lists[] = {ayanamsaList, nodeList, sunriseList};
    for (int i = 0; i < 3; ++i) {
        auto* caption = Make<QLabel>(parent, captions[i].first, plain, captions[i].second);
        caption->setBuddy(lists[i]);
        row->addWidget(caption);
        row->addWidget(lists[i], i == 2 ? 2 : 1);
    }
    return row;
}

void EntryForm::ShowCalculation(const CalculationSettings& settings) {
    auto select = [](QComboBox* list, std::string_view name) {
        list->setCurrentIndex(
            list->findData(QString::fromLatin1(name.data(), qsizetype(name.size()))));
    };
    select(calculationList, SettingName(settings.ephemeris));
    select(ayanamsaList, SettingName(settings.ayanamsa));
    select(nodeList, SettingName(settings.node));
    select(sunriseList, SettingName(settings.sunrise));
    const bool modern = settings.IsModern();
    ayanamsaList->setEnabled(modern);
    nodeList->setEnabled(modern);
    // The classic ayanamsa belongs to the classic ephemeris alone.
    if (auto* model = qobject_cast<QStandardItemModel*>(ayanamsaList->model()))
        model->item(0)->setEnabled(!modern);
}

CalculationSettings EntryForm::CurrentCalculation() const {
    auto named = [](const QComboBox* list, auto reader, auto fallback) {
        return reader(list->currentData().toString().toStdString()).value_or(fallback);
    };
    CalculationSettings s;
    s.ephemeris = named(calculationList, EphemerisNamed, EphemerisKind::Classic);
    s.ayanamsa = named(ayanamsaList, AyanamsaNamed, DefaultAyanamsa(s.ephemeris));
    s.node = named(nodeList, NodeNamed, NodeKind::Mean);
    s.sunrise = named(sunriseList, SunriseNamed, SunriseKind::Classic);
    return s;
}

// A choice in the calculation's lists: another ephemeris brings its own ayanamsa and the mean
// node (as the request readers do); the choice is kept for the next run.
void EntryForm::OnCalculationPicked() {
    CalculationSettings s = CurrentCalculation();
    if (sender() == calculationList || SettingsConflict(s)) {
        const auto sunrise = s.sunrise;
        s = {s.ephemeris, DefaultAyanamsa(s.ephemeris), NodeKind::Mean, sunrise};
    }
    ShowCalculation(s);
    QSettings settings = FormSettings();
    RememberCalculation(settings, s);
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
    r.uncertaintyMinutes = uncertaintyBox->value();
    r.settings = CurrentCalculation();
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
    uncertaintyBox->setValue(r.uncertaintyMinutes);
    ShowCalculation(r.settings);
    daylightBox->setChecked(r.daylight);
    placeLookup_->Forget();
    placeLookup_->HoldPlaceOf(r);
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone))
        placeLookup_->ShowExactEntry(*exact, exactZoneLabel);
    else if (const auto* entry = std::get_if<ZoneListEntry>(&r.zone))
        placeLookup_->ShowZoneEntry(entry->position);
    else
        placeLookup_->ShowZoneEntry(-1);
}

void EntryForm::ClearEntries() {
    for (QLineEdit* box : {nameBox, cityBox, stateBox, countryBox, latDegreesBox, latMinutesBox,
                           lonDegreesBox, lonMinutesBox})
        box->clear();
    for (QComboBox* list : {monthList, dayList, yearList, hourList, minuteList, secondList})
        list->setCurrentIndex(0);
    placeLookup_->Forget();
    placeLookup_->ShowZoneEntry(0);
    uncertaintyBox->setValue(0);
    daylightBox->setChecked(false);
    latitudeOptions[0]->setChecked(true);
    longitudeOptions[0]->setChecked(true);
    nameBox->setFocus(Qt::OtherFocusReason);
}

void EntryForm::ShowStartEntries() {
    const QDateTime now = services_.now();
    const QDate today = now.date();
    if (today.year() >= entry_rules::kFirstYear && today.year() <= entry_rules::kLastYear) {
        monthList->setCurrentIndex(today.month() - 1);
        dayList->setCurrentIndex(today.day() - 1);
        yearList->setCurrentIndex(today.year() - entry_rules::kFirstYear);
    }
    QSettings settings = FormSettings();
    ShowZone(RememberedZone(settings).value_or(ZoneOfClock(now)));
    // A record opened since may have shown its own calculation: the user's choice again.
    ShowCalculation(RememberedCalculation(settings));
}

void EntryForm::ShowZone(const FormZone& zone) {
    if (const auto* exact = std::get_if<ExactOffset>(&zone.zone))
        placeLookup_->ShowExactEntry(*exact, zone.exactLabel);
    else if (const auto* entry = std::get_if<ZoneListEntry>(&zone.zone))
        placeLookup_->ShowZoneEntry(entry->position);
}

FormZone EntryForm::CurrentZone() const {
    FormZone zone{CurrentRequest().zone, {}};
    if (std::holds_alternative<ExactOffset>(zone.zone)) zone.exactLabel = zoneList->currentText();
    return zone;
}

void EntryForm::FocusField(EntryField field) {
    // No place at all: the coordinates' message stands, and the City box is where to start.
    const bool placeEmpty = field != EntryField::Name && cityBox->text().trimmed().isEmpty() &&
                            latDegreesBox->text().isEmpty() && latMinutesBox->text().isEmpty() &&
                            lonDegreesBox->text().isEmpty() && lonMinutesBox->text().isEmpty();
    if (placeEmpty) {
        cityBox->setFocus(Qt::OtherFocusReason);
        placeLookup_->AskForPlace();
        return;
    }
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
        services_.messages->Show(this, {QString::fromLatin1(r.message), QMessageBox::Information,
                               QMessageBox::Ok});
        r.box->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString query = cityBox->text() + u' ' + stateBox->text() + u' ' + countryBox->text() +
                          QStringLiteral(" Latitude Longitude");
    SearchWeb(*services_.browser, query, config::kCoordinatesSite);
}

// The place lookup on the City box, and its line under the zone box, across the input panel
// between the frames and the button.
void EntryForm::BuildPlaceLookup() {
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
    controls.placeWarning = placeWarning;
    controls.moment = {monthList, dayList, yearList, hourList, minuteList, secondList};
    placeLookup_ =
        new PlaceLookup(controls, [this] { return CurrentRequest(); }, language_, this);
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
