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

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kalodaya v1.20"));
    BuildMenus();
    BuildControls();
    SetTabOrder();
    LoadLists();
    BuildPlaceLookup();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CenterOnScreen();
    txtName->setFocus();
}

void FrmMain::BuildMenus() {
    auto action = [this](QWidget* owner, const char* name, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        owner->addAction(a);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(action(file, "mnuNext", QStringLiteral("Get My Ghati Lagna")), &QAction::triggered,
            this, &FrmMain::chartRequested);
    connect(action(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &FrmMain::RequestExit);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(action(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            [] { OpenOnlineHelp(); });
    connect(action(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [] { OpenHomePage(); });
    help->addSeparator();
    connect(action(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, [] { OpenDownloadPage(); });
    help->addSeparator();
    connect(action(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            &FrmMain::aboutRequested);

    connect(action(menuBar(), "mnuDonate", QStringLiteral("&Donate")), &QAction::triggered, this,
            [] { OpenDonatePage(); });
    connect(action(menuBar(), "mkmoney", config::kPromotionMenuText), &QAction::triggered, this,
            [] { OpenFullBrandPage(); });
}

void FrmMain::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("formClient"));
    client->setAttribute(Qt::WA_StyledBackground);
    client->setFixedSize(Px(kClientWidth), Px(kClientHeight));
    client->setStyleSheet(FormStyleSheet());
    setCentralWidget(client);

    const QFont plain = Verdana(8.25);
    const QFont bold = Verdana(8.25, true);

    Label61 = PromotionLabel(client, "Label61", config::kForumPromotion,
                             TwipRect(-15, 120, 9840, 465), false);
    connect(Label61, &LinkLabel::clicked, this, [] { OpenHomePage(); });

    auto* headline = Place<QLabel>(
        client, "Label2", TwipRect(720, 600, 8370, 600), Verdana(9.75, true),
        QStringLiteral("Know more about the importance of self in terms of fame, power, "
                       "authority and status with Kalodaya"));
    headline->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    headline->setWordWrap(true);
    headline->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));

    // The input panel.
    QGroupBox* frame1 = Frame(client, "Frame1", "", TwipRect(0, 1200, 9825, 3975));

    QGroupBox* personal =
        Frame(frame1, "Frame6", "Personal Details", TwipRect(120, 240, 5175, 1815));
    Caption(personal, "Label13", "Name", TwipRect(120, 525, 1110, 195), plain);
    txtName = TextBox(personal, "txtName", TwipRect(1320, 480, 3615, 285), plain);
    InstallKeyFilter(txtName, KeyFilterKind::Letters);
    Caption(personal, "Label5", "Date of Birth", TwipRect(120, 900, 1110, 195), plain);
    cboMonth = PickList(personal, "cboMonth", TwipRect(1320, 840, 1695, 315), plain);
    cboDate = PickList(personal, "cboDate", TwipRect(3180, 840, 735, 315), plain);
    cboYear = PickList(personal, "cboYear", TwipRect(4080, 840, 855, 315), plain);
    Caption(personal, "Label1", "Time of Birth", TwipRect(120, 1260, 1110, 195), plain);
    cboHH = PickList(personal, "cboHH", TwipRect(1320, 1200, 735, 315), plain);
    cboMM = PickList(personal, "cboMM", TwipRect(2280, 1200, 735, 315), plain);
    cboSS = PickList(personal, "cboSS", TwipRect(3180, 1200, 735, 315), plain);
    Caption(personal, "Label12", "HH:MM:SS", TwipRect(4080, 1320, 900, 195), plain);

    QGroupBox* place = Frame(frame1, "Frame2", "Place Details", TwipRect(5280, 240, 4455, 1815));
    Caption(place, "Label54", "City", TwipRect(120, 480, 690, 195), plain);
    txtMCity = TextBox(place, "txtMCity", TwipRect(840, 480, 1935, 285), plain);
    Caption(place, "Label55", "State", TwipRect(120, 840, 690, 195), plain);
    txtMState = TextBox(place, "txtMState", TwipRect(840, 840, 1935, 285), plain);
    Caption(place, "Label4", "Country", TwipRect(120, 1200, 690, 195), plain);
    txtMCountry = TextBox(place, "txtMCountry", TwipRect(840, 1200, 1935, 285), plain);
    cmdBrowser = Place<WrapButton>(place, "cmdBrowser", TwipRect(2880, 480, 1455, 1035), plain,
                                   QStringLiteral("Click for Latitude && Longitude"));
    connect(cmdBrowser, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);

    QGroupBox* zone = Frame(frame1, "fraZone", "Zone", TwipRect(120, 2040, 5175, 975));
    chkDST = Place<QCheckBox>(zone, "chkDST", TwipRect(2040, 120, 2415, 375), plain,
                              QStringLiteral("Daylight Saving Time"));
    cmbTimeZone = PickList(zone, "cmbTimeZone", TwipRect(120, 480, 4335, 315), plain);

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
        {"Frame3", "Latitude", TwipRect(5280, 2040, 2295, 975), "txtLatD", entry_rules::kLatDegreeDigits, "txtLatM",
         "Label7", "Label9", {"optLat0", "optLat1"}, {"North", "South"}, 855, &txtLatD, &txtLatM,
         optLat},
        {"Frame4", "Longitude", TwipRect(7560, 2040, 2175, 975), "txtLonD", entry_rules::kLonDegreeDigits, "txtLonM",
         "Label6", "Label8", {"optLong0", "optLong1"}, {"East", "West"}, 735, &txtLonD,
         &txtLonM, optLong},
    };
    for (const CoordinateFrame& f : frames) {
        QGroupBox* box = Frame(frame1, f.frame, f.caption, f.rect);
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

    cmdRashi = Place<QPushButton>(frame1, "cmdRashi", TwipRect(120, 3240, 9585, 495), bold,
                                  QStringLiteral("Get My Ghati Lagna"));
    connect(cmdRashi, &QPushButton::clicked, this, &FrmMain::chartRequested);

    // The promotional band: lblCobrand lies in front of lblFullBrand.
    QGroupBox* frame5 = Frame(client, "Frame5", "", TwipRect(0, 5160, 9825, 735));
    lblFullBrand = PromotionLabel(frame5, "lblFullBrand", config::kFullBrandPromotion,
                                  TwipRect(120, 120, 9585, 495), true);
    lblCobrand = PromotionLabel(frame5, "lblCobrand", config::kCoBrandPromotion,
                                TwipRect(120, 120, 9585, 495), true);
    lblCobrand->raise();
    connect(lblFullBrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    connect(lblCobrand, &LinkLabel::clicked, this, [] { OpenCoBrandPage(); });
}

void FrmMain::SetTabOrder() {
    QWidget* order[] = {txtName,  cboMonth,  cboDate,     cboYear,    cboHH,      cboMM,
                        cboSS,    txtMCity,  txtMState,   txtMCountry, cmdBrowser, cmbTimeZone,
                        chkDST,   txtLatD,   txtLatM,     optLat[0],  optLat[1],  txtLonD,
                        txtLonM,  optLong[0], optLong[1], cmdRashi};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// The load handler: fills the lists and selects their first entries.
void FrmMain::LoadLists() {
    auto text = [](std::string_view s) {
        return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    };
    for (std::string_view month : kMonthNames) cboMonth->addItem(text(month));
    for (const ZoneEntry& zone : kZoneTable) cmbTimeZone->addItem(text(zone.listText));
    auto numbers = [](QComboBox* list, int first, int last) {
        for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    };
    numbers(cboDate, 1, 31);
    numbers(cboYear, entry_rules::kFirstYear, entry_rules::kLastYear);
    numbers(cboHH, 0, 23);
    numbers(cboMM, 0, 59);
    numbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS, cmbTimeZone})
        list->setCurrentIndex(0);
}

void FrmMain::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// Each list's positions count from its first value (day 1, the first year, hour 0...).
BirthRequest FrmMain::CurrentRequest() const {
    BirthRequest r;
    r.name = txtName->text().toStdString();
    r.month = cboMonth->currentIndex() + 1;
    r.day = cboDate->currentIndex() + 1;
    r.year = entry_rules::kFirstYear + cboYear->currentIndex();
    r.hour = cboHH->currentIndex();
    r.minute = cboMM->currentIndex();
    r.second = cboSS->currentIndex();
    r.latitude = {BoxValue(*txtLatD), BoxValue(*txtLatM), optLat[0]->isChecked()};
    r.longitude = {BoxValue(*txtLonD), BoxValue(*txtLonM), optLong[0]->isChecked()};
    r.daylight = chkDST->isChecked();
    if (const int zone = cmbTimeZone->currentIndex(); zone >= 0)
        r.zone = ZoneListEntry{zone};
    else
        r.zone = NoZone{};
    r.city = txtMCity->text().toStdString();
    r.state = txtMState->text().toStdString();
    r.country = txtMCountry->text().toStdString();
    if (placeLookup_) placeLookup_->CompleteRequest(r);
    return r;
}

// An exact offset goes into the zone list's extra entry, which the place lookup keeps (it
// adds the offset to CurrentRequest); a saved place counts as typed, not as chosen.
void FrmMain::ShowRequest(const BirthRequest& r, const QString& exactZoneLabel) {
    txtName->setText(QString::fromStdString(r.name));
    const std::pair<QComboBox*, int> lists[] = {
        {cboMonth, r.month - 1}, {cboDate, r.day - 1}, {cboYear, r.year - entry_rules::kFirstYear},
        {cboHH, r.hour},         {cboMM, r.minute},    {cboSS, r.second}};
    for (const auto& [list, position] : lists)
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    placeLookup_->ShowPlace(r);
    chkDST->setChecked(r.daylight);
    placeLookup_->Forget();
    if (const auto* exact = std::get_if<ExactOffset>(&r.zone))
        placeLookup_->ShowExactEntry(*exact, exactZoneLabel);
    else if (const auto* entry = std::get_if<ZoneListEntry>(&r.zone))
        placeLookup_->ShowZoneEntry(entry->position);
    else
        placeLookup_->ShowZoneEntry(-1);
}

void FrmMain::FocusField(EntryField field) {
    QLineEdit* box = txtName;
    switch (field) {
        case EntryField::Name: box = txtName; break;
        case EntryField::LatDeg: box = txtLatD; break;
        case EntryField::LatMin: box = txtLatM; break;
        case EntryField::LonDeg: box = txtLonD; break;
        case EntryField::LonMin: box = txtLonM; break;
    }
    box->setFocus(Qt::OtherFocusReason);
}

// The coordinate search: a web search for the place's latitude and longitude.
void FrmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtMCity, "Please Enter City"},
                    {txtMState, "Please Enter State"},
                    {txtMCountry, "Please Enter Country"}};
    // Only a box without any character is empty: blanks count as an entry.
    for (const auto& r : required) {
        if (!r.box->text().isEmpty()) continue;
        Messages().Show(this, {QString::fromLatin1(r.message), QMessageBox::Information,
                               QMessageBox::Ok});
        r.box->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString query = txtMCity->text() + u' ' + txtMState->text() + u' ' +
                          txtMCountry->text() + QStringLiteral(" Latitude Longitude");
    SearchWeb(query, config::kCoordinatesSite);
}

// The place lookup on the City box, and its line under the zone box, across the input panel
// between the frames and the button.
void FrmMain::BuildPlaceLookup() {
    lblZoneLine = Place<QLabel>(cmdRashi->parentWidget(), "lblZoneLine",
                                TwipRect(120, 3015, 9585, 225), Verdana(8.25));
    lblZoneLine->setStyleSheet(QStringLiteral("color: %1;").arg(Rgb(kLightYellow)));
    PlaceControls controls;
    controls.city = txtMCity;
    controls.state = txtMState;
    controls.country = txtMCountry;
    controls.latDeg = txtLatD;
    controls.latMin = txtLatM;
    controls.lonDeg = txtLonD;
    controls.lonMin = txtLonM;
    controls.latitude = {optLat[0], optLat[1]};
    controls.longitude = {optLong[0], optLong[1]};
    controls.zone = cmbTimeZone;
    controls.daylight = chkDST;
    controls.zoneLine = lblZoneLine;
    controls.moment = {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS};
    placeLookup_ = new PlaceLookup(controls, [this] { return CurrentRequest(); }, this);
}

void FrmMain::RequestExit() {
    if (exiting_) return;
    exiting_ = true;
    emit exitRequested();
    exiting_ = false;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (exiting_) {  // the program is ending and closes its windows
        event->accept();
        return;
    }
    event->ignore();
    RequestExit();
}

}  // namespace kalodaya::ui
