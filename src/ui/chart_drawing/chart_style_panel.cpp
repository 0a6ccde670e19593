#include "ui/chart_drawing/chart_style_panel.h"

#include <QEvent>
#include <QPainter>
#include <QSettings>

#include "ui/chart_drawing/chart_drawing.h"
#include "ui/ui_style.h"

namespace kalodaya::ui {
namespace {

constexpr std::array<const char*, kChartStyleCount> kStyleCaptions = {
    "South Indian chart", "North Indian chart", "East Indian chart"};

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
    update();
}

void ChartLayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kSlate);
    const QRectF frame = QRectF(rect()).adjusted(6, 6, -6, -6);
    DrawChartLayout(painter, ChartSquare(frame, layout_.style), layout_,
                    {kSlate, Qt::white, Qt::white, kCyan, Qt::white},
                    Verdana(9).family());
}

ChartStylePanel::ChartStylePanel(QWidget* page, QWidget* chart)
    : QObject(page), chooser_(new QComboBox(page)), view_(new ChartLayoutView(chart)) {
    chooser_->setObjectName(kChooserName);
    for (const char* caption : kStyleCaptions) chooser_->addItem(QString::fromLatin1(caption));
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
    // The South Indian chart is the window's own; the others cover it.
    const ChartStyle style = Style();
    view_->SetLayout(layouts_[static_cast<int>(style)]);
    view_->setGeometry(view_->parentWidget()->rect());
    view_->setVisible(style != ChartStyle::South);
    view_->raise();
}

}  // namespace kalodaya::ui
