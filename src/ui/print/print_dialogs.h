#pragma once
// The file and print dialogs of printing and exporting go through here, so tests can answer
// them instead of blocking on a modal dialog.
#include <QString>

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

}  // namespace kalodaya::ui::print
