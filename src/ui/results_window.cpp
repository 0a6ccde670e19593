#include "ui/results_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "base/tables.h"
#include "chart/time_windows.h"
#include "profile/sign_profile.h"
#include "records/record.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/column_flow_layout.h"
#include "ui/link_label.h"
#include "ui/print/chart_print_actions.h"
#include "ui/product_config.h"
#include "ui/profile_text_box.h"
#include "ui/results_language.h"
#include "ui/standard_palette.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"

namespace kalodaya::ui {
namespace {

// The default font of the window's unnamed-font labels.
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

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                 const QColor& color, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(caption, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    SetTextColor(label, color);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

// A text that wraps rather than widening its panel (translations run longer).
QLabel* NewWrappedLabel(QWidget* parent, const QString& name, const QFont& font,
                        const QColor& color, Qt::Alignment align = Qt::AlignLeft) {
    QLabel* label = NewLabel(parent, name, QString(), font, color, align);
    label->setWordWrap(true);
    return label;
}

// A framed panel whose preferred height is its design height: a short screen squeezes it
// towards what its rows need, a tall one spreads them out.
class Panel : public QGroupBox {
public:
    Panel(const QString& name, const QString& caption, const QColor& background,
          const QColor& captionColor, int preferredHeight = 0)
        : QGroupBox(caption), preferredHeight_(preferredHeight) {
        setObjectName(name);
        setFont(Verdana(8.25, true));
        FillBackground(this, background);
        SetTextColor(this, captionColor);
    }
    QSize sizeHint() const override {
        const QSize hint = QGroupBox::sizeHint();
        return QSize(hint.width(), std::max(hint.height(), preferredHeight_));
    }
    // Wrapped rows (a long settings line in Tamil takes three lines) need more height the
    // narrower the panel is: a panel of text rows asks for it, so that its flow never cuts a
    // row. The chart's panel shrinks with the window instead.
    void KeepWrappedRowsWhole() { keepWrappedRows_ = true; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QGroupBox::resizeEvent(event);
        if (!keepWrappedRows_ || layout() == nullptr || !layout()->hasHeightForWidth()) return;
        const int needed = layout()->totalHeightForWidth(width());
        if (needed != minimumHeight()) setMinimumHeight(needed);
    }

private:
    int preferredHeight_;
    bool keepWrappedRows_ = false;
};

// The chart's area: the style panel's view fills it and draws the chart.
class ChartArea : public QWidget {
public:
    explicit ChartArea(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("chartGrid"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return QSize(Px(7890), Px(6750)); }
    QSize minimumSizeHint() const override { return QSize(Px(2700), Px(2250)); }
};

// The chart's middle: its link keeps its design size while it fits, and shrinks when the
// chart does.
class CentreSquare : public QWidget {
public:
    explicit CentreSquare(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("centreSquare"));
    }
    void SetLink(QLabel* link) {
        link_ = link;
        linkFont_ = link->font();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (!link_) return;
        QFont font = linkFont_;
        const int room = width() - Px(240);
        while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(link_->text()) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        link_->setFont(font);
        // A caption still too wide at the smallest size (Tamil's in a small chart) breaks
        // between its words rather than being cut at the square's edges.
        link_->setWordWrap(QFontMetrics(font).horizontalAdvance(link_->text()) > room);
    }

private:
    QLabel* link_ = nullptr;
    QFont linkFont_;
};

// The side panels' area: as tall as the page, as wide as their columns need at that height; a
// page too narrow for them scrolls sideways (the first columns, the details and the planet
// table, stay in view).
class SideScroll : public QScrollArea {
public:
    SideScroll(QWidget* panels, ColumnFlowLayout* flow) : flow_(flow) {
        setObjectName(QStringLiteral("sideScroll"));
        setFrameShape(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setWidget(panels);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        // The page's own background shows through.
        viewport()->setAutoFillBackground(false);
        panels->setAutoFillBackground(false);
        panels->installEventFilter(this);
    }
    QSize sizeHint() const override { return flow_->sizeHint() + QSize(2, 2); }
    QSize minimumSizeHint() const override {
        // Room for the sideways scroll bar under the tallest panel.
        return flow_->minimumSize() + QSize(0, horizontalScrollBar()->sizeHint().height());
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QScrollArea::resizeEvent(event);
        Fit();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
            Fit();
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    void Fit() {
        // The sideways scroll bar, when it comes, takes its height from the panels'.
        const int height = viewport()->height();
        const int width = std::max(viewport()->width(), flow_->WidthFor(height));
        if (widget()->size() != QSize(width, height)) widget()->resize(width, height);
    }
    ColumnFlowLayout* flow_;
};

// The chart's page: the chart on the left, as wide as its design proportions allow at the
// page's height (less when the page is narrow), and the side panels in the width left over.
class ChartPage : public QWidget {
public:
    void SetParts(QWidget* chart, QWidget* side) {
        chart_ = chart;
        side_ = side;
    }
    QSize sizeHint() const override {
        const QSize chart = chart_->sizeHint(), side = side_->sizeHint();
        return QSize(chart.width() + kGap + side.width() + 2 * kMargin,
                     std::max(chart.height(), side.height()) + 2 * kMargin);
    }
    QSize minimumSizeHint() const override {
        const QSize chart = chart_->minimumSizeHint(), side = side_->minimumSizeHint();
        return QSize(chart.width() + kGap + side.width() + 2 * kMargin,
                     std::max(chart.height(), side.height()) + 2 * kMargin);
    }

    // The parts changed their sizes: so did the page.
    void PartsChanged() {
        side_->updateGeometry();
        updateGeometry();
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) updateGeometry();
        return QWidget::event(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
        const int least = chart_->minimumSizeHint().width();
        const int widest = room.width() - kGap - side_->minimumSizeHint().width();
        const int proportional = room.height() * 8415 / 7215;
        const int chartWidth = std::max(least, std::min({proportional, widest,
                                                         chart_->sizeHint().width()}));
        // No taller than its proportions either (the details page may make the window tall).
        const int chartHeight = std::max(chart_->minimumSizeHint().height(),
                                         std::min(room.height(), chartWidth * 7215 / 8415));
        chart_->setGeometry(room.x(), room.y(), chartWidth, chartHeight);
        side_->setGeometry(room.x() + chartWidth + kGap, room.y(),
                           std::max(0, room.width() - chartWidth - kGap), room.height());
    }

private:
    static constexpr int kMargin = Px(75), kGap = Px(105);
    QWidget* chart_ = nullptr;
    QWidget* side_ = nullptr;
};

// The details page scrolls when the window is short; otherwise it asks for the room its whole
// texts take.
class WholePageScroll : public QScrollArea {
public:
    // The page shares its width with `sibling` (the chart's page, the wider of the two).
    void SetSibling(QWidget* sibling) { sibling_ = sibling; }
    QSize sizeHint() const override {
        if (!widget()) return QScrollArea::sizeHint();
        // The texts wrap: their height at the width the window will have.
        const int width = std::max(widget()->sizeHint().width(),
                                   sibling_ ? sibling_->sizeHint().width() -
                                                  verticalScrollBar()->sizeHint().width()
                                            : 0);
        const int wrapped = widget()->heightForWidth(width);
        const int height = wrapped >= 0 ? wrapped : widget()->sizeHint().height();
        // A line's slack: the page's own width may come out a little narrower than asked.
        return QSize(width + verticalScrollBar()->sizeHint().width(),
                     height + fontMetrics().lineSpacing());
    }

private:
    QWidget* sibling_ = nullptr;
};

// The planet table's captions in body order.
constexpr const char* kPlanetCaptions[kBodyCount] = {
    "Surya/Sun",    "Chandra/Moon", "Budha/Mercury",   "Shukra/Venus",    "Mangala/Mars",
    "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};

// The birth details: caption, value control and the detail it shows.
struct DetailRow {
    const char* caption;
    const char* value;
    std::string BirthDetailsTexts::*text;
};
constexpr DetailRow kDetailRows[] = {
    {"Date of Birth :", "birthDate", &BirthDetailsTexts::dob},
    {"Time of Birth :", "birthTime", &BirthDetailsTexts::tob},
    {"Longitude :", "longitudeValue", &BirthDetailsTexts::longitude},
    {"Latitude   :", "latitudeValue", &BirthDetailsTexts::latitude},
    {"City :", "cityValue", &BirthDetailsTexts::city},
    {"State :", "stateValue", &BirthDetailsTexts::state},
    {"Country :", "countryValue", &BirthDetailsTexts::country},
};

// The profile grid of the details page: each fact's caption (the profile's own,
// kProfileCaptions) above its value, in three columns.
struct ProfileFact {
    const char* captionName;
    const char* value;
    int array;  // the profile value it shows (ProfileArray)
    int row, column;
};
using A = ProfileArray;
constexpr ProfileFact kProfileFacts[] = {
    {"vedicNameCaption", "vedicName", A::VedicName, 0, 1},
    {"rulingPlanetCaption", "rulingPlanet", A::RulingPlanet, 1, 0},
    {"compatibleWithCaption", "compatibleWith", A::CompatibleWith, 1, 1},
    {"notCompatibleWithCaption", "notCompatibleWith", A::NotCompatibleWith, 1, 2},
    {"symbolCaption", "symbol", A::Symbol, 2, 0},
    {"natureCaption", "nature", A::Nature, 2, 1},
    {"colourCaption", "colour", A::Color, 2, 2},
    {"typeOfSignCaption", "typeOfSign", A::TypeOfSign, 3, 0},
    {"genderCaption", "gender", A::Gender, 3, 1},
    {"bestPeriodOfActivityCaption", "bestPeriodOfActivity", A::BestPeriodOfActivity, 3, 2},
    {"barrenCaption", "barren", A::Barren, 4, 0},
    {"casteCaption", "caste", A::Caste, 4, 1},
    {"positionCaption", "position", A::Position, 4, 2},
    {"constituentCharacterCaption", "constituentCharacter", A::ConstituentCharacter, 5, 0},
    {"luckyDaysCaption", "luckyDays", A::LuckyDays, 5, 1},
    {"luckyNumbersCaption", "luckyNumbers", A::LuckyNumbers, 5, 2},
    {"bestDirectionCaption", "bestDirection", A::BestDirection, 6, 0},
    {"luckyColoursCaption", "luckyColours", A::LuckyColors, 6, 1},
    {"luckyGemstoneCaption", "luckyGemstone", A::LuckyGemstone, 6, 2},
    {"partOfTheBodyCaption", "partOfTheBody", A::PartOfTheBody, 7, 0},
    {"physiqueCaption", "physique", A::Physique, 7, 1},
    {"englishNameCaption", "englishName", A::EnglishName, 7, 2},
};

// The five interpretive texts in tab order, each with its place in six equal columns: three
// texts across the first row, two across the second (column / span is its place in the row).
struct TextBoxPlace {
    const char* headingName;
    const char* box;
    int array;  // the profile text it shows (ProfileArray)
    int row, column, span;
};
constexpr TextBoxPlace kTextBoxes[] = {
    {"looksHeading", "looksText", A::LooksText, 0, 0, 2},
    {"natureHeading", "natureText", A::NatureText, 0, 2, 2},
    {"careerAndFinanceHeading", "careerAndFinanceText", A::CareerAndFinanceText, 0, 4, 2},
    {"healthHeading", "healthText", A::HealthText, 1, 3, 3},
    {"loveAndDomesticLifeHeading", "loveAndDomesticLifeText", A::LoveAndDomesticLifeText, 1, 0,
     3},
};

// The window lines of the details page, in order, with their controls' names.
constexpr const char* kWindowLineNames[] = {"ghatiLagnaWindowLine", "ascendantWindow",
                                            "moonWindow", "chartWindow"};
// Under them on the details page: the calculation settings and a modern chart's classic ghati
// lagna.
constexpr const char* kSettingsLineNames[] = {"settingsLine", "classicComparisonLine"};

}  // namespace

ResultsWindow::ResultsWindow(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("resultsWindow"));
    setWindowTitle(Caption());
    setFont(DefaultFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, kSlate);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Px(240), Px(120), Px(240), Px(60));
    layout->setSpacing(Px(60));
    layout->addWidget(BuildHeader());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("resultsTabs"));
    // The tab captions in the desktop's own colours, readable on the light tabs.
    tabs_->tabBar()->setPalette(StandardPalette());
    tabs_->addTab(BuildChartPage(), kChartTab);
    tabs_->addTab(BuildProfilePage(), kDetailsTab);
    static_cast<WholePageScroll*>(profileScroll_)->SetSibling(chartPage_);
    // The style list sits beside the pages' tabs, shown with the chart's page.
    tabs_->setCornerWidget(stylePanel_->Chooser(), Qt::TopRightCorner);
    connect(tabs_, &QTabWidget::currentChanged, stylePanel_->Chooser(),
            [this](int index) { stylePanel_->Chooser()->setVisible(index == 0); });
    layout->addWidget(tabs_, 1);

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

QWidget* ResultsWindow::BuildHeader() {
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("header"));
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(Px(240));
    grid->setVerticalSpacing(Px(30));

    grid->addWidget(NewLabel(header, QStringLiteral("significanceTitle"),
                             QStringLiteral("Significance of Ghati Lagna"),
                             Verdana(8.25, true, true), kCyan),
                    0, 0);
    QLabel* line = NewLabel(header, QStringLiteral("significanceLine"),
                            QStringLiteral("Ghati Lagna signifies the importance of self in terms "
                                           "of fame, power, authority and status"),
                            Verdana(8.25, true), Qt::white);
    line->setWordWrap(true);
    grid->addWidget(line, 1, 0);

    auto* signRow = new QHBoxLayout;
    signRow->setSpacing(Px(165));
    signRow->addWidget(NewLabel(header, QStringLiteral("lagnaSignCaption"),
                                QStringLiteral("Ghati Lagna Present In Sign"), Verdana(8.25, true),
                                kCyan, Qt::AlignRight));
    QLabel* sign = NewLabel(header, QStringLiteral("lagnaSign"), QStringLiteral("lagnaSign"),
                            NamedFont(QStringLiteral("MS Sans Serif"), 9.75, true), kYellow);
    profileLabels_.emplace_back(sign, ProfileArray::EnglishName);
    signRow->addWidget(sign);
    signRow->addStretch(1);
    grid->addLayout(signRow, 2, 0);
    // Under the sign: the birth times it holds for, and a modern chart's classic ghati lagna.
    ghatiLagnaWindow_ = NewWrappedLabel(header, QStringLiteral("ghatiLagnaWindow"),
                                        Verdana(8.25), Qt::white);
    grid->addWidget(ghatiLagnaWindow_, 3, 0, 1, 2);
    classicComparison_ = NewWrappedLabel(header, QStringLiteral("classicComparison"),
                                         Verdana(8.25), kLightYellow);
    grid->addWidget(classicComparison_, 4, 0, 1, 2);
    ghatiLagnaWindow_->hide();
    classicComparison_->hide();

    grid->addWidget(NewLabel(header, QStringLiteral("promotionLine"), config::Shown(config::kResultsPromotion),
                             Verdana(9.75, true, true), Qt::white, Qt::AlignRight),
                    0, 1, Qt::AlignRight | Qt::AlignTop);
    auto* site = new LinkLabel(config::kMakerSiteCaption, header);
    site->setObjectName(QStringLiteral("makerSiteLink"));
    site->setFont(Verdana(9.75, true, true));
    SetTextColor(site, Qt::white);
    grid->addWidget(site, 1, 1, Qt::AlignRight | Qt::AlignTop);
    connect(site, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });
    grid->setColumnStretch(0, 1);
    return header;
}

QWidget* ResultsWindow::BuildChartPage() {
    auto* page = new ChartPage;
    chartPage_ = page;
    page->setObjectName(QStringLiteral("chartPage"));
    auto* background = new QFrame(page);
    background->setObjectName(QStringLiteral("chartBackground"));
    FillBackground(background, Qt::white);
    auto* backgroundLayout = new QVBoxLayout(background);
    backgroundLayout->setContentsMargins(Px(150), Px(140), Px(150), Px(120));
    auto* chart = new Panel(QStringLiteral("chartFrame"),
                            QCoreApplication::translate("kalodaya::ui::ResultsWindow", "Hora"), kSlate,
                            Qt::white);
    auto* chartLayout = new QVBoxLayout(chart);
    chartLayout->setContentsMargins(Px(100), Px(30), Px(120), Px(90));
    QWidget* grid = BuildChart();
    chartLayout->addWidget(grid);
    backgroundLayout->addWidget(chart);
    stylePanel_ = new ChartStylePanel(this, grid);
    stylePanel_->View()->SetCentre(chartCentre_);

    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("sidePanels"));
    auto* flow = new ColumnFlowLayout(side, Px(105));
    flow->addWidget(BuildDetails());
    flow->addWidget(BuildPlanetTable());
    flow->addWidget(BuildFacts());
    flow->addWidget(BuildUncertainty());
    auto* scroll = new SideScroll(side, flow);
    scroll->setParent(page);
    page->SetParts(background, scroll);
    return page;
}

QWidget* ResultsWindow::BuildChart() {
    auto* chart = new ChartArea(nullptr);
    auto* centre = new CentreSquare(chart);
    auto* centreLayout = new QVBoxLayout(centre);
    auto* link = new LinkLabel(config::Shown(config::kChartCentreCaption), centre);
    link->setObjectName(QStringLiteral("centreLink"));
    link->setFont(NamedFont(QStringLiteral("Arial"), 15.75, true, true, true));
    SetTextColor(link, Qt::white);
    link->setAlignment(Qt::AlignCenter);
    link->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    centreLayout->addWidget(link);
    centre->SetLink(link);
    connect(link, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.browser); });
    chartCentre_ = centre;
    return chart;
}

QGroupBox* ResultsWindow::BuildPlanetTable() {
    auto* table = new Panel(QStringLiteral("planetTable"), QStringLiteral("Vedic Planetary Position"),
                            Qt::white, kLavender, Px(4335));
    auto* grid = new QGridLayout(table);
    // Tight at its minimum (a short screen); its rows spread out to the design height.
    grid->setContentsMargins(Px(120), Px(45), Px(120), Px(45));
    grid->setHorizontalSpacing(Px(45));
    grid->setVerticalSpacing(Px(15));
    for (int k = 0; k < kBodyCount; ++k) {
        grid->addWidget(NewLabel(table, QStringLiteral("planetCaption%1").arg(k),
                                 QString::fromLatin1(kPlanetCaptions[k]), Verdana(8.25, true),
                                 kLavender),
                        k, 0);
        QLabel* value = NewLabel(table, QStringLiteral("planetValue%1").arg(k),
                                 QStringLiteral("planet"), Verdana(9.75), Qt::white);
        FillBackground(value, kSlate);
        value->setMinimumWidth(Px(1455));
        value->setIndent(Px(30));
        grid->addWidget(value, k, 1);
        grid->setRowStretch(k, 1);
        planetValues_[k] = value;
    }
    return table;
}

QGroupBox* ResultsWindow::BuildDetails() {
    auto* details = new Panel(QStringLiteral("detailsFrame"), QStringLiteral("Your Details"),
                              Qt::white, kLavender, Px(2775));
    auto* grid = new QGridLayout(details);
    grid->setContentsMargins(Px(120), Px(30), Px(120), Px(90));
    grid->setHorizontalSpacing(Px(120));
    grid->setVerticalSpacing(Px(15));
    name_ = NewLabel(details, QStringLiteral("personName"), QStringLiteral("personName"),
                     Verdana(9.75, true), kLavender);
    grid->addWidget(name_, 0, 0, 1, 2);
    int row = 1;
    for (const DetailRow& detail : kDetailRows) {
        grid->addWidget(NewLabel(details, QString(), QString::fromLatin1(detail.caption),
                                 DefaultFont(), kLavender),
                        row, 0);
        QLabel* value = NewLabel(details, QString::fromLatin1(detail.value),
                                 QString::fromLatin1(detail.value), Verdana(8.25, true), kLavender);
        value->setMinimumWidth(Px(2055));
        grid->addWidget(value, row, 1);
        grid->setRowStretch(row, 1);
        details_.emplace_back(value, detail.text);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return details;
}

QGroupBox* ResultsWindow::BuildFacts() {
    auto* facts = new Panel(QStringLiteral("factsFrame"), QCoreApplication::translate("kalodaya::ui::ResultsWindow", "Birth Time and Sunrise"), Qt::white,
                            kLavender);
    facts->KeepWrappedRowsWhole();
    auto* layout = new QVBoxLayout(facts);
    layout->setContentsMargins(Px(120), Px(30), Px(120), Px(90));
    layout->setSpacing(Px(45));
    factsGrid_ = new QGridLayout;
    factsGrid_->setHorizontalSpacing(Px(120));
    factsGrid_->setVerticalSpacing(Px(15));
    factsGrid_->setColumnStretch(1, 1);
    layout->addLayout(factsGrid_);
    clockNotes_ = NewWrappedLabel(facts, QStringLiteral("clockNotes"), DefaultFont(), kSlate);
    clockNotes_->hide();
    layout->addWidget(clockNotes_);
    layout->addStretch(1);
    facts->setMinimumWidth(Px(4800));
    facts->setMaximumWidth(Px(6000));
    return facts;
}

QGroupBox* ResultsWindow::BuildUncertainty() {
    auto* box = new Panel(QStringLiteral("uncertaintyFrame"), QCoreApplication::translate("kalodaya::ui::ResultsWindow", "Birth Time Range"), Qt::white,
                          kLavender);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(Px(120), Px(30), Px(120), Px(90));
    layout->setSpacing(Px(45));
    auto* row = new QHBoxLayout;
    QLabel* caption = NewLabel(box, QStringLiteral("uncertaintyCaption"),
                               Q(UncertaintyCaption()), DefaultFont(), kLavender);
    uncertainty_ = new QSpinBox(box);
    uncertainty_->setObjectName(QStringLiteral("uncertaintyMinutes"));
    uncertainty_->setRange(0, records::kLongestUncertaintyMinutes);
    uncertainty_->setPalette(StandardPalette());
    caption->setBuddy(uncertainty_);
    QLabel* unit = NewLabel(box, QStringLiteral("uncertaintyUnit"), Q(UncertaintyUnit()),
                            DefaultFont(), kLavender);
    row->addWidget(caption);
    row->addWidget(uncertainty_);
    row->addWidget(unit);
    row->addStretch(1);
    layout->addLayout(row);
    // A long range takes a moment to compute (a second or two for a whole day): the chart is
    // asked for once the user pauses, not for every step of the arrows.
    auto* pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(kUncertaintyPauseMs);
    connect(uncertainty_, &QSpinBox::valueChanged, pause, qOverload<>(&QTimer::start));
    connect(pause, &QTimer::timeout, this,
            [this] { emit uncertaintyChanged(uncertainty_->value()); });

    rangeCaption_ = NewWrappedLabel(box, QStringLiteral("rangeCaption"), DefaultFont(), kSlate);
    layout->addWidget(rangeCaption_);
    const auto rangeHeads = TimeRangeHeads();
    rangeTable_ = new QTableWidget(0, static_cast<int>(rangeHeads.size()), box);
    rangeTable_->setObjectName(QStringLiteral("rangeTable"));
    rangeTable_->setPalette(StandardPalette());
    QStringList heads;
    for (const std::string& head : rangeHeads) heads << QString::fromStdString(head);
    rangeTable_->setHorizontalHeaderLabels(heads);
    rangeTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rangeTable_->setSelectionMode(QAbstractItemView::NoSelection);
    rangeTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rangeTable_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rangeTable_->setMinimumHeight(Px(1200));
    layout->addWidget(rangeTable_, 1);
    rangeCaption_->hide();
    rangeTable_->hide();
    box->setMinimumWidth(Px(4800));
    return box;
}

QWidget* ResultsWindow::BuildProfilePage() {
    auto* scroll = new WholePageScroll;
    profileScroll_ = scroll;
    scroll->setObjectName(QStringLiteral("profileScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("profilePanel"));
    FillBackground(panel, kSlate);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
    layout->setSpacing(Px(120));

    const QFont captionFont = Verdana(8.25, true);
    // The birth times the chart holds for.
    // Its caption comes with the chart's texts.
    windowsCaption_ = NewLabel(panel, QStringLiteral("windowsCaption"), QString(), captionFont,
                               kCyan);
    layout->addWidget(windowsCaption_);
    for (std::size_t i = 0; i < windowLines_.size(); ++i) {
        windowLines_[i] = NewWrappedLabel(panel, QString::fromLatin1(kWindowLineNames[i]),
                                          DefaultFont(), Qt::white);
        layout->addWidget(windowLines_[i]);
    }
    for (std::size_t i = 0; i < settingsLines_.size(); ++i) {
        settingsLines_[i] = NewWrappedLabel(panel, QString::fromLatin1(kSettingsLineNames[i]),
                                            DefaultFont(), kLightYellow);
        layout->addWidget(settingsLines_[i]);
    }

    auto* factsGrid = new QGridLayout;
    factsGrid->setHorizontalSpacing(Px(240));
    factsGrid->setVerticalSpacing(Px(120));
    for (const ProfileFact& fact : kProfileFacts) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(NewLabel(panel, QString::fromLatin1(fact.captionName),
                                 Q(kProfileCaptions[fact.array]), captionFont, kCyan,
                                 Qt::AlignHCenter));
        const bool vedic = fact.array == A::VedicName;
        QLabel* value = NewWrappedLabel(
            panel, QString::fromLatin1(fact.value),
            vedic ? NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true) : DefaultFont(),
            vedic ? kYellow : Qt::white, Qt::AlignHCenter);
        value->setText(QString::fromLatin1(fact.value));
        cell->addWidget(value);
        factsGrid->addLayout(cell, fact.row, fact.column);
        profileLabels_.emplace_back(value, fact.array);
    }
    for (int column = 0; column < 3; ++column) factsGrid->setColumnStretch(column, 1);
    layout->addLayout(factsGrid);

    // Two rows of texts (three, then two) side by side; rows of boxes rather than one grid
    // with spans, as a grid gives spanning cells no height for their width.
    QHBoxLayout* textRows[2] = {new QHBoxLayout, new QHBoxLayout};
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    QWidget* previous = nullptr;
    for (const TextBoxPlace& place : kTextBoxes) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(Px(30));
        cell->addWidget(NewLabel(panel, QString::fromLatin1(place.headingName),
                                 Q(kProfileCaptions[place.array]), captionFont, kCyan,
                                 Qt::AlignHCenter));
        auto* box = new ProfileTextBox(panel);
        box->setObjectName(QString::fromLatin1(place.box));
        box->setPlainText(QString::fromLatin1(place.box));
        QPalette p = StandardPalette();
        p.setColor(QPalette::Base, buttonFace);
        p.setColor(QPalette::Text, Qt::black);
        box->setPalette(p);
        cell->addWidget(box);
        cell->addStretch(1);
        QHBoxLayout* row = textRows[place.row];
        row->setSpacing(Px(120));
        row->insertLayout(std::min(place.column / place.span, static_cast<int>(row->count())), cell,
                          1);
        profileBoxes_.emplace_back(box, place.array);
        if (previous) setTabOrder(previous, box);
        previous = box;
    }
    auto* texts = new QVBoxLayout;
    texts->setSpacing(Px(120));
    texts->addLayout(textRows[0]);
    texts->addLayout(textRows[1]);
    layout->addLayout(texts);
    layout->addStretch(1);
    scroll->setWidget(panel);
    return scroll;
}

void ResultsWindow::SetUncertaintyMinutes(int minutes) {
    const QSignalBlocker quiet(uncertainty_);
    uncertainty_->setValue(minutes);
}

void ResultsWindow::PresentFacts(const ResultPanelTexts& panels) {
    while (QLayoutItem* item = factsGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const LabelledLine& line : panels.facts) {
        factsGrid_->addWidget(NewLabel(clockNotes_->parentWidget(),
                                       QStringLiteral("factCaption%1").arg(row),
                                       Q(line.caption), DefaultFont(), kLavender),
                              row, 0, Qt::AlignTop);
        QLabel* value = NewWrappedLabel(clockNotes_->parentWidget(),
                                        QStringLiteral("factValue%1").arg(row), Verdana(8.25, true),
                                        kLavender);
        value->setText(Q(line.text));
        factsGrid_->addWidget(value, row, 1);
        ++row;
    }
    QStringList notes;
    for (const std::string& note : panels.clockNotes) notes << Q(note);
    clockNotes_->setText(notes.join(QLatin1Char('\n')));
    clockNotes_->setVisible(!notes.isEmpty());

    ghatiLagnaWindow_->setText(Q(panels.windows.ghatiLagna));
    ghatiLagnaWindow_->setVisible(!panels.windows.ghatiLagna.empty());
    classicComparison_->setText(Q(panels.classicComparison));
    classicComparison_->setVisible(!panels.classicComparison.empty());
    windowsCaption_->setText(Q(panels.windowsCaption));
    windowsCaption_->setVisible(!panels.windowsCaption.empty());
    const std::string* lines[] = {&panels.windows.ghatiLagna, &panels.windows.ascendant,
                                  &panels.windows.moon, &panels.windows.chart};
    for (std::size_t i = 0; i < windowLines_.size(); ++i) {
        windowLines_[i]->setText(Q(*lines[i]));
        windowLines_[i]->setVisible(!lines[i]->empty());
    }
    const std::string settings =
        panels.settings.empty() ? std::string() : panels.settingsCaption + " " + panels.settings;
    const std::string* settingsTexts[] = {&settings, &panels.classicComparison};
    for (std::size_t i = 0; i < settingsLines_.size(); ++i) {
        settingsLines_[i]->setText(Q(*settingsTexts[i]));
        settingsLines_[i]->setVisible(!settingsTexts[i]->empty());
    }
}

void ResultsWindow::PresentRange(const ResultPanelTexts& panels) {
    const bool shown = !panels.range.empty() || !panels.rangeError.empty();
    rangeCaption_->setText(Q(panels.rangeError.empty() ? panels.rangeCaption : panels.rangeError));
    rangeCaption_->setVisible(shown);
    rangeTable_->setVisible(!panels.range.empty());
    rangeTable_->setRowCount(static_cast<int>(panels.range.size()));
    QFont bold = rangeTable_->font();
    bold.setBold(true);
    for (int r = 0; r < static_cast<int>(panels.range.size()); ++r) {
        const TimeRangeRowTexts& row = panels.range[r];
        const std::string* cells[] = {&row.from, &row.to, &row.ghatiLagna, &row.ascendant,
                                      &row.moon};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(Q(*cells[c]));
            if (row.holdsBirth) {
                item->setFont(bold);
                item->setBackground(kLightYellow);
            }
            rangeTable_->setItem(r, c, item);
        }
        // The entered time's span is marked in the row's head as well as by its colour.
        rangeTable_->setVerticalHeaderItem(
            r, new QTableWidgetItem(row.holdsBirth ? QStringLiteral("\u25B6") : QString()));
    }
    FitTableToColumns(rangeTable_);
}

void ResultsWindow::Present(const ResultTexts& view, const ResultPanelTexts& panels) {
    for (int k = 0; k < kBodyCount; ++k) planetValues_[k]->setText(Q(view.planet[k]));
    name_->setText(Q(view.details.name));
    for (const auto& [label, text] : details_) label->setText(Q(view.details.*text));

    if (view.profileSign) {
        for (const auto& [label, array] : profileLabels_) label->setText(Q(view.profile[array]));
        for (const auto& [box, array] : profileBoxes_) box->setPlainText(Q(view.profile[array]));
    }
    PresentFacts(panels);
    PresentRange(panels);
    // The side panels sit in a scroll area, which does not pass their new sizes on by itself.
    static_cast<ChartPage*>(chartPage_)->PartsChanged();
    // A hidden page's nested layouts keep the heights of their old texts until shown: the
    // details page asks for the room of its new ones now.
    for (QLayout* nested : profileScroll_->findChildren<QLayout*>()) nested->invalidate();
    profileScroll_->updateGeometry();
    tabs_->setCurrentIndex(0);
}

}  // namespace kalodaya::ui
