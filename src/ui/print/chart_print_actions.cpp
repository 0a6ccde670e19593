#include "ui/print/chart_print_actions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QPrinter>
#include <QWidget>

#include "ui/message_boxes.h"
#include "ui/print/chart_document.h"
#include "ui/print/export_file_names.h"
#include "ui/print/page_parts.h"
#include "ui/print/paper_size.h"
#include "ui/print/print_dialogs.h"

namespace kalodaya::ui::print {
namespace {

QAction* NewAction(QWidget* window, const QString& name, const QString& caption) {
    auto* action = new QAction(caption, window);
    action->setObjectName(name);
    action->setEnabled(false);
    return action;
}

}  // namespace

ChartPrintActions::ChartPrintActions(Services& services, QWidget* window)
    : QObject(window),
      services_(services),
      window_(window),
      print_(NewAction(window, QStringLiteral("printAction"), QStringLiteral("&Print\u2026"))),
      exportPdf_(NewAction(window, QStringLiteral("exportPdfAction"),
                           QStringLiteral("Export P&DF\u2026"))),
      exportImage_(NewAction(window, QStringLiteral("exportImageAction"),
                             QStringLiteral("Export &Image\u2026"))) {
    print_->setShortcut(QKeySequence::Print);
    connect(print_, &QAction::triggered, this, &ChartPrintActions::Print);
    connect(exportPdf_, &QAction::triggered, this, [this] { Export(true); });
    connect(exportImage_, &QAction::triggered, this, [this] { Export(false); });
}

void ChartPrintActions::SetChartStyle(ChartStyle style) {
    if (texts_) texts_->chartStyle = style;
}

void ChartPrintActions::SetTexts(ChartPageTexts texts) {
    texts_ = std::move(texts);
    for (QAction* action : Actions()) action->setEnabled(true);
}

bool ChartPrintActions::PrintOn(QPrinter& printer) const {
    return texts_ && PaintDocument(printer, *texts_);
}

void ChartPrintActions::Print() {
    if (!texts_) return;
    QPrinter printer(QPrinter::HighResolution);
    // The document's name is the tidy file name of Export PDF, which a print to a file takes.
    printer.setDocName(ChartFileStem(texts_->name, texts_->isoBirthDate));
    printer.setPageSize(PageSizeOf(UserPaper()));
    // The pages keep their own margins, wider than any printer's unprintable edge.
    printer.setFullPage(true);
    if (!services_.printDialogs->ConfirmPrint(window_, printer)) return;
    if (!PrintOn(printer))
        services_.messages->Show(window_, {QStringLiteral("The chart could not be printed."),
                                  QMessageBox::Warning, QMessageBox::Ok});
}

void ChartPrintActions::Export(bool pdf) {
    if (!texts_) return;
    const QString extension = pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    const QString suggested = QDir(services_.exportFolder).filePath(
        ChartFileStem(texts_->name, texts_->isoBirthDate) + extension);
    QString path = services_.printDialogs->SaveFileName(
        window_, pdf ? QStringLiteral("Export PDF") : QStringLiteral("Export Image"), suggested,
        pdf ? QStringLiteral("PDF documents (*.pdf)") : QStringLiteral("PNG images (*.png)"));
    if (path.isEmpty()) return;
    const ExportFormat format = pdf ? ExportFormat::Pdf : ExportFormat::Png;
    if (FormatOfPath(path) != format) path += extension;
    if (auto error = ExportChart(path, format, *texts_, UserPaper())) {
        QString text = QString::fromStdString(error->message);
        text[0] = text[0].toUpper();
        services_.messages->Show(window_, {text, QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    services_.exportFolder = QFileInfo(path).absolutePath();
    if (auto* main = qobject_cast<QMainWindow*>(window_->window()))
        main->statusBar()->showMessage(QStringLiteral("Exported to %1").arg(path));
}

}  // namespace kalodaya::ui::print
