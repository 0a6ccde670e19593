#include "ui/results_window.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "base/tables.h"
#include "profile/sign_profile.h"
#include "ui/cell_label.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/link_label.h"
#include "ui/print/chart_print_actions.h"
#include "ui/product_config.h"
#include "ui/profile_text_box.h"
#include "ui/standard_palette.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"

namespace kalodaya::ui {
namespace {

// The window's client area and the default font of its unnamed-font labels.
constexpr int kClientWidth = 12735, kClientHeight = 8670;
QFont DefaultFont() {
    return NamedFont(QStringLiteral("MS Sans Serif"), 8.25);
}

QString Q(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void SetTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    w->setPalette(p);
}

void FillBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                 const QFont& font, const QColor& color, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(caption, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColor(label, color);
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

// A caption sized to its text: at `left`, or centred on `centre` when left is negative.
QLabel* AddSizedCaption(QWidget* parent, const QString& name, const QString& caption, int left,
                        int centre, int top, const QFont& font, const QColor& color) {
    QLabel* label = AddLabel(parent, name, caption, QRect(), font, color, Qt::AlignHCenter);
    const QSize size = label->sizeHint();
    const int x = left >= 0 ? Px(left) : Px(centre) - size.width() / 2;
    label->setGeometry(x, Px(top), size.width(), size.height());
    return label;
}

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                    const QColor& background, const QColor& captionColor) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(Verdana(8.25, true));
    FillBackground(box, background);
    SetTextColor(box, captionColor);
    box->setGeometry(rect);
    return box;
}

// A rectangle of the chart: a one-pixel white outline, one pixel wider and taller than its
// twip size so that the edges of neighbouring cells fall on the same line.
QFrame* AddShape(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    SetTextColor(shape, Qt::white);
    const QRect r = TwipRect(left, top, width, height);
    shape->setGeometry(r.x(), r.y(), r.width() + 1, r.height() + 1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shape;
}

// The fixed square chart: column and row edges of the 4 x 4 grid, each sign's grid square,
// and the design positions of its three labels.
constexpr int kColumnEdges[] = {120, 2085, 4050, 6015, 7980};
constexpr int kRowEdges[] = {135, 1815, 3495, 5175, 6855};
constexpr int kCellWidth = 1965, kCellHeight = 1680;

struct SignCell {
    const char* contentName;
    int row, column;
    int contentX, contentY;
    int markerX, markerY;
    int houseX, houseY;
};

constexpr SignCell kSignCells[kSignCount] = {
    {"ariesCell", 0, 1, 2280, 240, 3600, 240, 3880, 150},
    {"taurusCell", 0, 2, 4200, 240, 5520, 240, 5800, 120},
    {"geminiCell", 0, 3, 6120, 240, 7440, 240, 7800, 120},
    {"cancerCell", 1, 3, 6120, 1920, 7440, 1920, 7800, 1800},
    {"leoCell", 2, 3, 6120, 3600, 7440, 3600, 7800, 3480},
    {"virgoCell", 3, 3, 6120, 5280, 7440, 5280, 7800, 5160},
    {"libraCell", 3, 2, 4200, 5280, 5520, 5280, 5880, 5160},
    {"scorpioCell", 3, 1, 2160, 5280, 3600, 5280, 3840, 5160},
    {"sagittariusCell", 3, 0, 240, 5280, 1560, 5280, 1920, 5160},
    {"capricornCell", 2, 0, 240, 3600, 1560, 3600, 1800, 3480},
    {"aquariusCell", 1, 0, 240, 1920, 1560, 1920, 1800, 1800},
    {"piscesCell", 0, 0, 240, 240, 1560, 240, 1800, 120},
};

constexpr int kContentWidth = 1305, kContentHeight = 1500;
constexpr int kMarkerWidth = 405;
constexpr int kHouseWidth = 285, kHouseHeight = 240;

// The planet table: row k shows planet(k) beside PlanetName(index).
struct PlanetRow {
    int nameIndex;
    const char* caption;
};
constexpr PlanetRow kPlanetRows[kBodyCount] = {
    {0, "Surya/Sun"},        {1, "Chandra/Moon"}, {2, "Budha/Mercury"}, {3, "Shukra/Venus"},
    {4, "Mangala/Mars"},     {5, "Guru/Jupiter"}, {6, "Shani/Saturn"},  {10, "Rahu/North Node"},
    {11, "Ketu/South node"}, {16, "Asc/Lagna"},
};

// The birth details: caption, value control and row.
struct DetailRow {
    const char* caption;
    const char* value;
    std::string BirthDetailsTexts::*text;  // the detail it shows
    int top;
};
constexpr DetailRow kDetailRows[] = {
    {"Date of Birth :", "birthDate", &BirthDetailsTexts::dob, 600},
    {"Time of Birth :", "birthTime", &BirthDetailsTexts::tob, 900},
    {"Longitude :", "longitudeValue", &BirthDetailsTexts::longitude, 1200},
    {"Latitude   :", "latitudeValue", &BirthDetailsTexts::latitude, 1500},
    {"City :", "cityValue", &BirthDetailsTexts::city, 1800},
    {"State :", "stateValue", &BirthDetailsTexts::state, 2100},
    {"Country :", "countryValue", &BirthDetailsTexts::country, 2400},
};

// The profile grid of the details page. A caption (the profile's own, kProfileCaptions) with a
// left position is left-aligned there; the others are centred on their column. Each value sits
// 240 below its caption.
constexpr int kColumnCentres[] = {1800, 5800, 9700};
constexpr int kColumnWidths[] = {3360, 3900, 4000};
struct ProfileFact {
    const char* captionName;
    const char* value;
    int array;  // the profile value it shows (ProfileArray)
    int column;
    int top;
    int left;  // -1: centred
};
using A = ProfileArray;
constexpr ProfileFact kProfileFacts[] = {
    {"vedicNameCaption", "vedicName", A::VedicName, 1, 240, 5280},
    {"rulingPlanetCaption", "rulingPlanet", A::RulingPlanet, 0, 840, 1440},
    {"compatibleWithCaption", "compatibleWith", A::CompatibleWith, 1, 960, -1},
    {"notCompatibleWithCaption", "notCompatibleWith", A::NotCompatibleWith, 2, 840, -1},
    {"symbolCaption", "symbol", A::Symbol, 0, 1440, -1},
    {"natureCaption", "nature", A::Nature, 1, 1440, -1},
    {"colourCaption", "colour", A::Color, 2, 1440, -1},
    {"typeOfSignCaption", "typeOfSign", A::TypeOfSign, 0, 2040, -1},
    {"genderCaption", "gender", A::Gender, 1, 2040, -1},
    {"bestPeriodOfActivityCaption", "bestPeriodOfActivity", A::BestPeriodOfActivity, 2, 2040, -1},
    {"barrenCaption", "barren", A::Barren, 0, 2640, -1},
    {"casteCaption", "caste", A::Caste, 1, 2640, -1},
    {"positionCaption", "position", A::Position, 2, 2640, -1},
    {"constituentCharacterCaption", "constituentCharacter", A::ConstituentCharacter, 0, 3240, -1},
    {"luckyDaysCaption", "luckyDays", A::LuckyDays, 1, 3240, -1},
    {"luckyNumbersCaption", "luckyNumbers", A::LuckyNumbers, 2, 3240, -1},
    {"bestDirectionCaption", "bestDirection", A::BestDirection, 0, 3840, -1},
    {"luckyColoursCaption", "luckyColours", A::LuckyColors, 1, 3840, -1},
    {"luckyGemstoneCaption", "luckyGemstone", A::LuckyGemstone, 2, 3840, -1},
    {"partOfTheBodyCaption", "partOfTheBody", A::PartOfTheBody, 0, 4440, -1},
    {"physiqueCaption", "physique", A::Physique, 1, 4440, -1},
    {"englishNameCaption", "englishName", A::EnglishName, 2, 4440, -1},
};

// The five interpretive texts, in tab order; their headings are the profile's captions.
struct TextBoxPlace {
    const char* headingName;
    const char* box;
    int array;  // the profile text it shows (ProfileArray)
    int headingTop;
    int left, top, width;
};
constexpr TextBoxPlace kTextBoxes[] = {
    {"looksHeading", "looksText", A::LooksText, 5040, 120, 5280, 3735},
    {"natureHeading", "natureText", A::NatureText, 5040, 3960, 5280, 4215},
    {"careerAndFinanceHeading", "careerAndFinanceText", A::CareerAndFinanceText, 5040, 8280, 5280,
     3615},
    {"healthHeading", "healthText", A::HealthText, 6120, 6240, 6360, 5655},
    {"loveAndDomesticLifeHeading", "loveAndDomesticLifeText", A::LoveAndDomesticLifeText, 6120, 120,
     6360, 6015},
};
constexpr int kTextBoxHeight = 735;

}  // namespace

ResultsWindow::ResultsWindow(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("resultsWindow"));
    setWindowTitle(kCaption);
    setFont(DefaultFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, kSlate);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(Px(kClientWidth), Px(kClientHeight));

    BuildHeader();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("resultsTabs"));
    tabs_->setGeometry(TwipRect(240, 960, 12255, 7680));
    // The tab captions in the desktop's own colours, readable on the light tabs.
    tabs_->tabBar()->setPalette(StandardPalette());
    for (const QString& caption : {kChartTab, kDetailsTab}) {
        auto* page = new QWidget;
        // Each page holds a canvas whose origin is the tab control's own top-left corner,
        // so the controls keep their positions whatever height the style gives the tab row.
        auto* canvas = new QWidget(page);
        canvas->setObjectName(QStringLiteral("canvas"));
        canvases_.append(canvas);
        tabs_->addTab(page, caption);
    }
    BuildChartPage(canvases_[0]);
    BuildProfilePage(canvases_[1]);
    tabs_->installEventFilter(this);
    if (auto* stack = tabs_->findChild<QStackedWidget*>()) stack->installEventFilter(this);
    PlaceTabCanvases();

    printActions_ = new print::ChartPrintActions(services_, this);
    connect(stylePanel_, &ChartStylePanel::StyleChosen, printActions_,
            &print::ChartPrintActions::SetChartStyle);
    addActions(printActions_->Actions());
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ResultsWindow::SetPageTexts(print::ChartPageTexts texts) {
    stylePanel_->SetLayouts(texts.layouts);
    texts.chartStyle = stylePanel_->Style();
    printActions_->SetTexts(std::move(texts));
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show ||
        type == QEvent::LayoutRequest)
        PlaceTabCanvases();
    return QWidget::eventFilter(watched, event);
}

void ResultsWindow::PlaceTabCanvases() {
    for (QWidget* canvas : canvases_) {
        QWidget* page = canvas->parentWidget();
        const QPoint origin = page->mapTo(tabs_, QPoint(0, 0));
        canvas->setGeometry(-origin.x(), -origin.y(), tabs_->width(), tabs_->height());
    }
}

void ResultsWindow::BuildHeader() {
    AddLabel(this, QStringLiteral("significanceTitle"),
             QStringLiteral("Significance of Ghati Lagna"), TwipRect(240, 120, 2655, 195),
             Verdana(8.25, true, true), kCyan);
    AddLabel(this, QStringLiteral("significanceLine"),
             QStringLiteral("Ghati Lagna signifies the importance of self in terms of fame, power, "
                            "authority and status"),
             TwipRect(240, 360, 8760, 195), Verdana(8.25, true), Qt::white);
    AddLabel(this, QStringLiteral("lagnaSignCaption"),
             QStringLiteral("Ghati Lagna Present In Sign"), TwipRect(240, 703, 2715, 195),
             Verdana(8.25, true), kCyan, Qt::AlignRight);
    QLabel* sign = AddLabel(this, QStringLiteral("lagnaSign"), QStringLiteral("lagnaSign"),
                            TwipRect(3120, 680, 3105, 240),
                            NamedFont(QStringLiteral("MS Sans Serif"), 9.75, true), kYellow);
    profileLabels_.emplace_back(sign, ProfileArray::EnglishName);
    AddLabel(this, QStringLiteral("promotionLine"), config::kResultsPromotion,
             TwipRect(8880, 0, 3690, 240), Verdana(9.75, true, true), Qt::white);
    auto* site = new LinkLabel(config::kMakerSiteCaption, this);
    site->setObjectName(QStringLiteral("makerSiteLink"));
    site->setFont(Verdana(9.75, true, true));
    SetTextColor(site, Qt::white);
    site->setGeometry(TwipRect(9600, 240, 2565, 240));
    connect(site, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });
}

void ResultsWindow::BuildChartPage(QWidget* page) {
    auto* background = new QFrame(page);
    background->setObjectName(QStringLiteral("chartBackground"));
    FillBackground(background, Qt::white);
    background->setGeometry(TwipRect(120, 360, 8415, 7215));

    QGroupBox* chart = AddFrame(background, QStringLiteral("chartFrame"), QStringLiteral("Hora"),
                                TwipRect(150, 140, 8115, 6945), kSlate, Qt::white);
    BuildChart(chart);
    chart->setVisible(true);
    chart->raise();
    // The style list sits beside the pages' tabs, shown with the chart's page.
    stylePanel_ = new ChartStylePanel(this, TwipRect(4560, 990, 2640, 330), chart);
    connect(tabs_, &QTabWidget::currentChanged, stylePanel_->Chooser(),
            [this](int index) { stylePanel_->Chooser()->setVisible(index == 0); });

    BuildPlanetTable(page);
    BuildDetails(page);
}

void ResultsWindow::BuildChart(QWidget* chart) {
    AddShape(chart, QStringLiteral("chartOutline"), 100, 120, 7890, 6750);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignCell& cell = kSignCells[sign];
        AddShape(chart, QStringLiteral("signSquare%1").arg(84 + sign), kColumnEdges[cell.column],
                 kRowEdges[cell.row], kCellWidth, kCellHeight);
    }
    AddShape(chart, QStringLiteral("centreSquare"), 2085, 1815, 3930, 3355);

    const QFont markerFont = Verdana(9, true);
    const QFont houseFont = NamedFont(QStringLiteral("Courier New"), 9.75, true);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const SignCell& cell = kSignCells[sign];
        const int cellRight = kColumnEdges[cell.column + 1];
        const int cellBottom = kRowEdges[cell.row + 1];

        auto* content = new CellLabel(chart);
        content->setObjectName(QString::fromLatin1(cell.contentName));
        content->setText(QString::fromLatin1(cell.contentName));
        content->setFont(DefaultFont());
        SetTextColor(content, Qt::white);
        content->setGeometry(TwipRect(cell.contentX, cell.contentY, kContentWidth, kContentHeight));
        signCells_[sign] = content;

        // The markers run down from their corner to the foot of the cell.
        auto* marker = new CellLabel(chart);
        marker->setObjectName(QStringLiteral("marker%1").arg(sign));
        marker->setText(QStringLiteral("A12"));
        marker->setFont(markerFont);
        SetTextColor(marker, kCyan);
        marker->setGeometry(
            TwipRect(cell.markerX, cell.markerY, kMarkerWidth, cellBottom - cell.markerY - 30));
        markers_[sign] = marker;

        QLabel* house =
            AddLabel(chart, QStringLiteral("houseNumber%1").arg(sign), QString::number(sign + 1),
                     QRect(), houseFont, Qt::white, Qt::AlignHCenter);
        house->setGeometry(TwipRect(cell.houseX, cell.houseY,
                                    std::min(kHouseWidth, cellRight - cell.houseX), kHouseHeight));
        house->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    auto* centre = new LinkLabel(config::kChartCentreCaption, chart);
    centre->setObjectName(QStringLiteral("centreLink"));
    centre->setFont(NamedFont(QStringLiteral("Arial"), 15.75, true, true, true));
    SetTextColor(centre, Qt::white);
    centre->setAlignment(Qt::AlignCenter);
    centre->setGeometry(TwipRect(2400, 3360, 3420, 360));
    connect(centre, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });
}

void ResultsWindow::BuildPlanetTable(QWidget* page) {
    QGroupBox* table =
        AddFrame(page, QStringLiteral("planetTable"), QStringLiteral("Vedic Planetary Position"),
                 TwipRect(8640, 3240, 3495, 4335), Qt::white, kLavender);
    for (int k = 0; k < kBodyCount; ++k) {
        const int top = 360 + 390 * k;
        AddLabel(table, QStringLiteral("planetCaption%1").arg(kPlanetRows[k].nameIndex),
                 QString::fromLatin1(kPlanetRows[k].caption), TwipRect(120, top, 1785, 270),
                 Verdana(8.25, true), kLavender);
        QLabel* value =
            AddLabel(table, QStringLiteral("planetValue%1").arg(k), QStringLiteral("planet"),
                     TwipRect(1920, top, 1455, 270), Verdana(9.75), Qt::white);
        FillBackground(value, kSlate);
        planetValues_[k] = value;
    }
}

void ResultsWindow::BuildDetails(QWidget* page) {
    QGroupBox* details =
        AddFrame(page, QStringLiteral("detailsFrame"), QStringLiteral("Your Details"),
                 TwipRect(8640, 360, 3490, 2775), Qt::white, kLavender);
    name_ = AddLabel(details, QStringLiteral("personName"), QStringLiteral("personName"),
                     TwipRect(120, 240, 3285, 240), Verdana(9.75, true), kLavender);
    for (const DetailRow& row : kDetailRows) {
        AddSizedCaption(details, QString(), QString::fromLatin1(row.caption), 120, 0, row.top,
                        DefaultFont(), kLavender);
        QLabel* value =
            AddLabel(details, QString::fromLatin1(row.value), QString::fromLatin1(row.value),
                     TwipRect(1440, row.top, 2055, 195), Verdana(8.25, true), kLavender);
        details_.emplace_back(value, row.text);
    }
    details->raise();
}

void ResultsWindow::BuildProfilePage(QWidget* page) {
    auto* profilePanel = new QFrame(page);
    profilePanel->setObjectName(QStringLiteral("profilePanel"));
    FillBackground(profilePanel, kSlate);
    profilePanel->setGeometry(TwipRect(120, 360, 12015, 7215));

    const QFont captionFont = Verdana(8.25, true);
    for (const ProfileFact& fact : kProfileFacts) {
        const int centre = kColumnCentres[fact.column];
        QLabel* caption = AddSizedCaption(profilePanel, QString::fromLatin1(fact.captionName),
                                          Q(kProfileCaptions[fact.array]), fact.left, centre,
                                          fact.top, captionFont, kCyan);
        const bool vedic = QLatin1String(fact.value) == QLatin1String("vedicName");
        const int valueCentre = fact.left >= 0 ? caption->geometry().center().x() : Px(centre);
        const int width = Px(kColumnWidths[fact.column]);
        QLabel* value =
            AddLabel(profilePanel, QString::fromLatin1(fact.value), QString::fromLatin1(fact.value),
                     QRect(valueCentre - width / 2, Px(fact.top + 240), width, Px(240)),
                     vedic ? NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true) : DefaultFont(),
                     vedic ? kYellow : Qt::white, Qt::AlignHCenter);
        profileLabels_.emplace_back(value, fact.array);
    }

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QWidget* previous = nullptr;
    for (const TextBoxPlace& place : kTextBoxes) {
        AddSizedCaption(profilePanel, QString::fromLatin1(place.headingName),
                        Q(kProfileCaptions[place.array]), -1, place.left + place.width / 2,
                        place.headingTop, captionFont, kCyan);
        auto* box = new ProfileTextBox(profilePanel);
        box->setObjectName(QString::fromLatin1(place.box));
        box->setPlainText(QString::fromLatin1(place.box));
        QPalette p = StandardPalette();
        p.setColor(QPalette::Base, buttonFace);
        p.setColor(QPalette::Text, Qt::black);
        box->setPalette(p);
        box->setGeometry(TwipRect(place.left, place.top, place.width, kTextBoxHeight));
        profileBoxes_.emplace_back(box, place.array);
        if (previous) setTabOrder(previous, box);
        previous = box;
    }
}

void ResultsWindow::Present(const ResultTexts& view) {
    for (int k = 0; k < kBodyCount; ++k) planetValues_[k]->setText(Q(view.planet[k]));
    for (int sign = 0; sign < kSignCount; ++sign) {
        signCells_[sign]->setText(Q(view.signCells[sign]));
        markers_[sign]->setText(Q(view.markers[sign]));
    }
    name_->setText(Q(view.details.name));
    for (const auto& [label, text] : details_) label->setText(Q(view.details.*text));

    if (view.profileSign) {
        for (const auto& [label, array] : profileLabels_) label->setText(Q(view.profile[array]));
        for (const auto& [box, array] : profileBoxes_) box->setPlainText(Q(view.profile[array]));
    }
    tabs_->setCurrentIndex(0);
}

}  // namespace kalodaya::ui
