#include "ui/chart_drawing/chart_style_panel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QSettings>

#include "ui/ui_style.h"

namespace kalodaya::ui {
namespace {

constexpr std::array<const char*, kChartStyleCount> kStyleCaptions = {
    QT_TRANSLATE_NOOP("kalodaya::ui::ChartStylePanel", "South Indian chart"),
    QT_TRANSLATE_NOOP("kalodaya::ui::ChartStylePanel", "North Indian chart"),
    QT_TRANSLATE_NOOP("kalodaya::ui::ChartStylePanel", "East Indian chart")};

// Before the first chart each style shows its empty cells.
std::array<ChartLayout, kChartStyleCount> EmptyLayouts() {
    ChartResult nothing;
    nothing.bodySign.fill(-1);
    std::array<ChartLayout, kChartStyleCount> layouts;
    for (int style = 0; style < kChartStyleCount; ++style)
        layouts[style] = LayOutChart(nothing, ResultTexts{}, static_cast<ChartStyle>(style));
    return layouts;
}

QSettings StyleSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kChartStyleOrganisation,
                     kChartStyleApplication);
}

}  // namespace

ChartStyle StoredChartStyle() {
    const QString name = StyleSettings().value(kChartStyleKey).toString();
    return ChartStyleNamed(name.toStdString()).value_or(ChartStyle::South);
}

void StoreChartStyle(ChartStyle style) {
    QSettings settings = StyleSettings();
    settings.setValue(kChartStyleKey, QString::fromLatin1(NameOfChartStyle(style)));
    settings.sync();
}

ChartLayoutView::ChartLayoutView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartLayoutView::SetLayout(const ChartLayout& layout) {
    layout_ = layout;
    PlaceCentre();
    update();
}

void ChartLayoutView::SetCentre(QWidget* centre) {
    centre_ = centre;
    centre_->setParent(this);
    PlaceCentre();
}

QRectF ChartLayoutView::Square() const {
    // The South Indian grid fills the widget, its last lines on the widget's last pixels; the
    // other styles keep a margin round their squares.
    const QRectF frame = layout_.style == ChartStyle::South ? QRectF(rect()).adjusted(0, 0, -1, -1)
                                                            : QRectF(rect()).adjusted(6, 6, -6, -6);
    return ChartSquare(frame, layout_.style);
}

QRect ChartLayoutView::Centre() const {
    if (!layout_.centre) return {};
    return MapUnitRect(Square(), *layout_.centre).toAlignedRect();
}

ChartFonts ChartLayoutView::Fonts(double devicePixelRatio) {
    // The bodies in the window's default face, the markers in bold Verdana, the numbers in
    // bold Courier New; one-pixel lines. A chart that must shrink goes down to 6 points, on a
    // screen of twice the pixels to 4 (still more of the screen's pixels than 6 points at
    // 100 %), so that long names (Tamil "செவ்வாய்") stay whole in a small window.
    const double smallest = devicePixelRatio >= 1.5 ? 4 : 6;
    return {NamedFont(QStringLiteral("MS Sans Serif"), 8.25), Verdana(9, true),
            NamedFont(QStringLiteral("Courier New"), 9.75, true), smallest, 1};
}

void ChartLayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kSlate);
    DrawChartLayout(painter, Square(), layout_, {kSlate, Qt::white, Qt::white, kCyan, Qt::white},
                    Fonts(devicePixelRatioF()));
}

void ChartLayoutView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceCentre();
}

void ChartLayoutView::PlaceCentre() {
    if (!centre_) return;
    const QRect centre = Centre().adjusted(1, 1, 0, 0);  // inside its outline
    centre_->setVisible(!centre.isEmpty());
    centre_->setGeometry(centre);
}

ChartStylePanel::ChartStylePanel(QWidget* page, QWidget* chart)
    : QObject(page),
      chooser_(new QComboBox(page)),
      view_(new ChartLayoutView(chart)),
      layouts_(EmptyLayouts()) {
    chooser_->setObjectName(kChooserName);
    for (const char* caption : kStyleCaptions) chooser_->addItem(QCoreApplication::translate("kalodaya::ui::ChartStylePanel", caption));
    chooser_->setCurrentIndex(static_cast<int>(StoredChartStyle()));
    view_->setObjectName(kViewName);
    view_->setGeometry(chart->rect());
    chart->installEventFilter(this);
    connect(chooser_, &QComboBox::activated, this, [this](int index) {
        const auto style = static_cast<ChartStyle>(index);
        StoreChartStyle(style);
        Show();
        emit StyleChosen(style);
    });
    Show();
}

ChartStyle ChartStylePanel::Style() const {
    return static_cast<ChartStyle>(chooser_->currentIndex());
}

void ChartStylePanel::SetStyle(ChartStyle style) {
    chooser_->setCurrentIndex(static_cast<int>(style));
    Show();
}

void ChartStylePanel::SetLayouts(const std::array<ChartLayout, kChartStyleCount>& layouts) {
    layouts_ = layouts;
    Show();
}

bool ChartStylePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->parentWidget() && event->type() == QEvent::Resize)
        view_->setGeometry(view_->parentWidget()->rect());
    return QObject::eventFilter(watched, event);
}

void ChartStylePanel::Show() {
    const ChartStyle style = Style();
    view_->SetLayout(layouts_[static_cast<int>(style)]);
    view_->setGeometry(view_->parentWidget()->rect());
}

}  // namespace kalodaya::ui
