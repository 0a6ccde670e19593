#pragma once
// The results window's choice of chart style: a list of the three styles, remembered between
// sessions, and the view that draws the chosen style's chart.
#include <QComboBox>
#include <QWidget>
#include <array>

#include "chart/chart_layout.h"
#include "ui/chart_drawing/chart_drawing.h"

namespace kalodaya::ui {

// The stored choice (QSettings) and its key.
inline constexpr const char* kChartStyleOrganisation = "Kalodaya";
inline constexpr const char* kChartStyleApplication = "kalodaya";
inline constexpr const char* kChartStyleKey = "chart/style";
ChartStyle StoredChartStyle();
void StoreChartStyle(ChartStyle style);

// Draws one layout in the window's colours and faces, filling the widget.
class ChartLayoutView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartLayoutView(QWidget* parent);
    void SetLayout(const ChartLayout& layout);
    const ChartLayout& Layout() const { return layout_; }

    // `centre` (the window's own centre texts) is kept over the middle the layout leaves free,
    // and hidden in a style without one.
    void SetCentre(QWidget* centre);
    // The chart's square in the widget, and the middle the layout leaves free (empty if none).
    QRectF Square() const;
    QRect Centre() const;
    // The window's design faces for the chart.
    static ChartFonts Fonts(double devicePixelRatio = 1);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceCentre();

    ChartLayout layout_;
    QWidget* centre_ = nullptr;
};

class ChartStylePanel : public QObject {
    Q_OBJECT
  public:
    static inline const QString kChooserName = QStringLiteral("chartStyleList");
    static inline const QString kViewName = QStringLiteral("chartLayoutView");

    // `chart` is the window's chart area, which the view fills at whatever size it has; the
    // list belongs to `page`, whose layout places it.
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
    std::array<ChartLayout, kChartStyleCount> layouts_;
};

}  // namespace kalodaya::ui
