#include "ui/print/print_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kalodaya::ui::print {
namespace {

class RealPrintDialogs final : public PrintDialogs {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
    bool ConfirmPrint(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        // One chart, two pages: ranges and selections would only get in the way.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

PrintDialogs& DesktopPrintDialogs() {
    static RealPrintDialogs real;
    return real;
}

}  // namespace kalodaya::ui::print
