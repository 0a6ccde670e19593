#pragma once
// The file and print dialogs of printing and exporting go through here, so tests can answer
// them instead of blocking on a modal dialog.
#include <QString>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace kalodaya::ui::print {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The file the user chose to save to, starting from `suggested`; empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
    // The platform's print dialog on `printer`; true when the user chose to print.
    virtual bool ConfirmPrint(QWidget* parent, QPrinter& printer) = 0;
};

// The real dialogs.
PrintDialogs& DesktopPrintDialogs();

// The file a print to a file goes to unless the user picks another: the printer's document
// name (the chart's tidy NAME-YYYY-MM-DD, as Export PDF names it) in the user's documents
// folder; the dialog's own file box is set to it where the platform's dialog has one.
QString PrintFileSuggestion(const QPrinter& printer);
void SuggestPrintFile(QPrintDialog& dialog, const QPrinter& printer);

}  // namespace kalodaya::ui::print
