#pragma once
// The results window: the chart page (square fixed-sign chart, planet table,
// birth details) and the details page (the ghati lagna sign's profile). It computes nothing:
// Present() copies the texts of one request into its controls.
#include <QWidget>

#include "chart/result_texts.h"
#include "ui/services.h"

class QTabWidget;
class QLabel;
class QPlainTextEdit;

namespace kalodaya::ui {

namespace print {
class ChartPrintActions;
struct ChartPageTexts;
}  // namespace print

class ChartStylePanel;

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Divitional chart");
    static inline const QString kChartTab = QStringLiteral("Ghati Lagna - Chart");
    static inline const QString kDetailsTab = QStringLiteral("Ghati Lagna Details");

    explicit ResultsWindow(Services& services, QWidget* parent = nullptr);

    // Writes every text of `view` into the window and selects the chart tab. The profile
    // controls are written only when the view holds a profile.
    void Present(const ResultTexts& view);

    QTabWidget* Tabs() const { return tabs_; }

    // Print and export: the actions (in the window's context menu; the frame puts them in its
    // File menu) work on the pages given here.
    void SetPageTexts(print::ChartPageTexts texts);
    print::ChartPrintActions* PrintActions() const { return printActions_; }
    ChartStylePanel* StylePanel() const { return stylePanel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildHeader();
    void BuildChartPage(QWidget* page);
    void BuildChart(QWidget* chartFrame);
    void BuildPlanetTable(QWidget* page);
    void BuildDetails(QWidget* page);
    void BuildProfilePage(QWidget* page);
    void PlaceTabCanvases();

    Services& services_;
    QTabWidget* tabs_ = nullptr;
    QList<QWidget*> canvases_;
    print::ChartPrintActions* printActions_ = nullptr;
    ChartStylePanel* stylePanel_ = nullptr;

    // The controls Present writes, kept as they are built.
    std::array<QLabel*, kBodyCount> planetValues_{};
    std::array<QLabel*, kSignCount> signCells_{};
    std::array<QLabel*, kSignCount> markers_{};
    QLabel* name_ = nullptr;
    std::vector<std::pair<QLabel*, std::string BirthDetailsTexts::*>> details_;
    // Profile controls with the profile value each shows.
    std::vector<std::pair<QLabel*, int>> profileLabels_;
    std::vector<std::pair<QPlainTextEdit*, int>> profileBoxes_;
};

}  // namespace kalodaya::ui
