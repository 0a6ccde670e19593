#pragma once
// The results window: the chart page (the chart in the chosen style, planet table, birth details, the
// birth's facts and the range of birth times) and the details page (the birth-time windows and
// the ghati lagna sign's profile). It computes nothing: Present() copies the texts of one
// chart into its controls. Qt layouts place everything, so the window grows with longer texts
// and fits a short screen by standing its panels side by side.
#include <QCoreApplication>
#include <QWidget>

#include "chart/present_panels.h"
#include "chart/result_texts.h"
#include "ui/services.h"

class QTabWidget;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class QGroupBox;
class QGridLayout;

namespace kalodaya::ui {

namespace print {
class ChartPrintActions;
struct ChartPageTexts;
}  // namespace print

class ChartStylePanel;

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    // The window's title, as the program has always spelt it; Caption() in the program's language.
    static constexpr const char* kCaption =
        QT_TRANSLATE_NOOP("kalodaya::ui::ResultsWindow", "Divitional chart");
    static QString Caption() {
        return QCoreApplication::translate("kalodaya::ui::ResultsWindow", kCaption);
    }
    static inline const QString kChartTab = QStringLiteral("Ghati Lagna - Chart");
    static inline const QString kDetailsTab = QStringLiteral("Ghati Lagna Details");
    // How long the uncertainty box waits after the last change before asking for the range.
    static constexpr int kUncertaintyPauseMs = 300;

    explicit ResultsWindow(Services& services, QWidget* parent = nullptr);

    // Writes every text of `view` and `panels` into the window and selects the chart tab. The
    // profile controls are written only when the view holds a profile.
    void Present(const ResultTexts& view, const ResultPanelTexts& panels = {});

    QTabWidget* Tabs() const { return tabs_; }
    QSpinBox* UncertaintyBox() const { return uncertainty_; }
    // Shows the minutes without announcing a change (the chart already holds them).
    void SetUncertaintyMinutes(int minutes);

    // Print and export: the actions (in the window's context menu; the frame puts them in its
    // File menu) work on the pages given here.
    void SetPageTexts(print::ChartPageTexts texts);
    print::ChartPrintActions* PrintActions() const { return printActions_; }
    ChartStylePanel* StylePanel() const { return stylePanel_; }

signals:
    // The user changed how uncertain the birth time is (and paused): the chart's range is to be
    // recomputed.
    void uncertaintyChanged(int minutes);

private:
    QWidget* BuildHeader();
    QWidget* BuildChartPage();
    QWidget* BuildChart();
    QGroupBox* BuildPlanetTable();
    QGroupBox* BuildDetails();
    QGroupBox* BuildFacts();
    QGroupBox* BuildUncertainty();
    QWidget* BuildProfilePage();
    void PresentFacts(const ResultPanelTexts& panels);
    void PresentRange(const ResultPanelTexts& panels);

    Services& services_;
    QTabWidget* tabs_ = nullptr;
    QWidget* chartPage_ = nullptr;
    QWidget* profileScroll_ = nullptr;
    print::ChartPrintActions* printActions_ = nullptr;
    ChartStylePanel* stylePanel_ = nullptr;

    // The controls Present writes, kept as they are built.
    std::array<QLabel*, kBodyCount> planetValues_{};
    QWidget* chartCentre_ = nullptr;  // the chart's middle, which the style panel places
    QLabel* name_ = nullptr;
    std::vector<std::pair<QLabel*, std::string BirthDetailsTexts::*>> details_;
    // Profile controls with the profile value each shows.
    std::vector<std::pair<QLabel*, int>> profileLabels_;
    std::vector<std::pair<QPlainTextEdit*, int>> profileBoxes_;

    QLabel* ghatiLagnaWindow_ = nullptr;
    QLabel* classicComparison_ = nullptr;
    QGridLayout* factsGrid_ = nullptr;
    QLabel* clockNotes_ = nullptr;
    QLabel* windowsCaption_ = nullptr;
    std::array<QLabel*, 4> windowLines_{};  // ghati lagna, ascendant, Moon, whole chart
    std::array<QLabel*, 2> settingsLines_{};  // calculation settings, classic ghati lagna
    QSpinBox* uncertainty_ = nullptr;
    QLabel* rangeCaption_ = nullptr;
    QTableWidget* rangeTable_ = nullptr;
};

}  // namespace kalodaya::ui
