#pragma once
// "Print…", "Export PDF…" and "Export Image…" of the results window: one set of actions,
// shown in the window's context menu and in the frame's File menu.
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "ui/print/chart_page_texts.h"
#include "ui/services.h"

class QAction;
class QPrinter;
class QWidget;

namespace kalodaya::ui::print {

class ChartPrintActions : public QObject {
    Q_OBJECT
public:
    // The actions are parented to `window`, which also parents the dialogs. They stay disabled
    // until a chart is given.
    ChartPrintActions(Services& services, QWidget* window);

    void SetTexts(ChartPageTexts texts);
    // The style the pages draw their chart in from now on.
    void SetChartStyle(ChartStyle style);
    const std::optional<ChartPageTexts>& Texts() const { return texts_; }

    QAction* PrintAction() const { return print_; }
    QAction* ExportPdfAction() const { return exportPdf_; }
    QAction* ExportImageAction() const { return exportImage_; }
    QList<QAction*> Actions() const { return {print_, exportPdf_, exportImage_}; }

    // Both pages on `printer` as it is set up; false when it could not be printed on.
    bool PrintOn(QPrinter& printer) const;

private:
    void Print();
    void Export(bool pdf);

    Services& services_;
    QWidget* window_;
    QAction* print_;
    QAction* exportPdf_;
    QAction* exportImage_;
    std::optional<ChartPageTexts> texts_;
};

}  // namespace kalodaya::ui::print
