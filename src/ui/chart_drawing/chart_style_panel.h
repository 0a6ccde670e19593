#pragma once
// The results window's choice of chart style: a list of the three styles, remembered between
// sessions, and a view that draws the North and East Indian charts over the window's own
// South Indian chart.
#include <QComboBox>
#include <QWidget>
#include <array>

#include "chart/chart_layout.h"

namespace kalodaya::ui {

// The stored choice (QSettings) and its key.
inline constexpr const char* kChartStyleOrganisation = "Kalodaya";
inline constexpr const char* kChartStyleApplication = "kalodaya";
inline constexpr const char* kChartStyleKey = "chart/style";
ChartStyle StoredChartStyle();
void StoreChartStyle(ChartStyle style);

// Draws one layout in the window's colours, filling the widget.
class ChartLayoutView : public QWidget {
    Q_OBJECT
public:
    explicit ChartLayoutView(QWidget* parent);
    void SetLayout(const ChartLayout& layout);
    const ChartLayout& Layout() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartLayout layout_;
};

class ChartStylePanel : public QObject {
    Q_OBJECT
public:
    static inline const QString kChooserName = QStringLiteral("chartStyleList");
    static inline const QString kViewName = QStringLiteral("chartLayoutView");

    // `chart` is the window's South Indian chart, which the view covers (at whatever size the
    // chart has) for the other styles; the list belongs to `page`, whose layout places it.
    ChartStylePanel(QWidget* page, QWidget* chart);

    ChartStyle Style() const;
    void SetStyle(ChartStyle style);
    void SetLayouts(const std::array<ChartLayout, kChartStyleCount>& layouts);
    QComboBox* Chooser() const { return chooser_; }
    ChartLayoutView* View() const { return view_; }

signals:
    void StyleChosen(ChartStyle style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QComboBox* chooser_;
    ChartLayoutView* view_;
    std::array<ChartLayout, kChartStyleCount> layouts_{};
};

}  // namespace kalodaya::ui
