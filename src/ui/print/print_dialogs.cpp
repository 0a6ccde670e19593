#include "ui/print/print_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
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
        SuggestPrintFile(dialog, printer);
        // One chart, two pages: ranges and selections would only get in the way.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

QString PrintFileSuggestion(const QPrinter& printer) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(printer.docName() + QStringLiteral(".pdf"));
}

void SuggestPrintFile(QPrintDialog& dialog, const QPrinter& printer) {
    // Qt's own dialog names its file box "filename" and fills it from the document name in
    // the working or home folder; a file the printer already has stays.
    if (!printer.outputFileName().isEmpty()) return;
    if (auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        box->setText(PrintFileSuggestion(printer));
}

PrintDialogs& DesktopPrintDialogs() {
    static RealPrintDialogs real;
    return real;
}

}  // namespace kalodaya::ui::print
