// Print and export from the desktop program: the File menu's entries, the dialogs (answered
// here), the files they write, and which chart they hold.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPrinter>
#include <QTest>

#include "export_tools.h"
#include "form_driver.h"
#include "recording_services.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/print/chart_print_actions.h"
#include "ui/print/print_dialogs.h"
#include "ui/results_window.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

class AnsweringDialogs final : public print::PrintDialogs {
public:
    AnsweringDialogs() { print::SetPrintDialogs(this); }
    ~AnsweringDialogs() override { print::SetPrintDialogs(nullptr); }

    QString SaveFileName(QWidget*, const QString& caption, const QString& suggested,
                         const QString&) override {
        captions.append(caption);
        suggestions.append(suggested);
        return saveTo;
    }
    bool ConfirmPrint(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        documentName = printer.docName();
        if (printTo.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }

    QString saveTo, printTo, documentName;
    QStringList captions, suggestions;
    int printDialogs = 0;
};

}  // namespace

class PrintActionsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    RecordingBoxes boxes_;
    RecordingBrowser browser_;
    AnsweringDialogs dialogs_;
    std::unique_ptr<AppController> controller_;

    QAction* Entry(const char* name) {
        auto* action = controller_->Frame()->findChild<QAction*>(QString::fromLatin1(name));
        if (!action) qFatal("no action %s", name);
        return action;
    }

    void ShowChart(const Birth& birth) {
        Fill(controller_->Form(), birth);
        ClickGetMyGhatiLagna(controller_->Form());
        QVERIFY(controller_->Frame());
    }

private slots:
    void initTestCase() {
        if (!HavePopplerTools()) QFAIL("pdfinfo, pdftotext and pdftoppm are needed: apt-get install poppler-utils");
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        ShowChart(WorkedExample());
    }

    void cleanupTestCase() { controller_.reset(); }

    // The entries head the frame's File menu, are the results window's own (its context menu)
    // and print with the platform's shortcut.
    void fileMenuEntries() {
        auto* file = controller_->Frame()->findChild<QMenu*>(QStringLiteral("fileMenu"));
        QStringList names;
        for (QAction* action : file->actions())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(names, (QStringList{"printAction", "exportPdfAction", "exportImageAction", "-",
                                     "backAction", "exitAction"}));
        QCOMPARE(Entry("printAction")->shortcut(), QKeySequence(QKeySequence::Print));
        ResultsWindow* display = controller_->Frame()->Display();
        QCOMPARE(display->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(display->actions(), display->PrintActions()->Actions());
        for (QAction* action : display->actions()) QVERIFY(action->isEnabled());

        // A results window without a chart has nothing to print.
        ResultsWindow empty;
        for (QAction* action : empty.actions()) QVERIFY(!action->isEnabled());
    }

    void exportPdf() {
        dialogs_.saveTo = dir_.filePath(QStringLiteral("chosen.pdf"));
        Entry("exportPdfAction")->trigger();
        QCOMPARE(dialogs_.captions.last(), QStringLiteral("Export PDF"));
        QVERIFY(dialogs_.suggestions.last().endsWith(QStringLiteral("/RAMA-1990-08-15.pdf")));
        QCOMPARE(PdfInfo(dialogs_.saveTo, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(Flowed(PdfText(dialogs_.saveTo, 1, 1)).contains("Ghati Lagna Present In Sign Cancer"));
        QVERIFY(boxes_.shown.isEmpty());
        // The next export starts in the folder of this one.
        Entry("exportImageAction")->trigger();
        QCOMPARE(dialogs_.suggestions.last(), dir_.filePath(QStringLiteral("RAMA-1990-08-15.png")));
    }

    // A name typed without its extension gets it.
    void exportImage() {
        dialogs_.saveTo = dir_.filePath(QStringLiteral("picture"));
        Entry("exportImageAction")->trigger();
        const QImage image(dir_.filePath(QStringLiteral("picture.png")));
        QVERIFY(image.width() >= 1200);
    }

    void cancelledDialogWritesNothing() {
        const int files = QDir(dir_.path()).count();
        dialogs_.saveTo.clear();
        Entry("exportPdfAction")->trigger();
        dialogs_.printTo.clear();
        Entry("printAction")->trigger();
        QCOMPARE(QDir(dir_.path()).count(), files);
        QVERIFY(boxes_.shown.isEmpty());
    }

    void failedExportSaysWhy() {
        dialogs_.saveTo = dir_.filePath(QStringLiteral("gone/chart.pdf"));
        Entry("exportPdfAction")->trigger();
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].icon, QMessageBox::Warning);
        QVERIFY(boxes_.shown[0].text.startsWith(QStringLiteral("Cannot write ") + dialogs_.saveTo));
        boxes_.shown.clear();
    }

    // Printing lays out the same two pages on the printer (here its PDF output).
    void print() {
        dialogs_.printTo = dir_.filePath(QStringLiteral("printed.pdf"));
        const int dialogsBefore = dialogs_.printDialogs;
        controller_->Frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(controller_->Frame()));
        QTest::keyClick(controller_->Frame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs_.printDialogs, dialogsBefore + 1);
        QVERIFY(dialogs_.documentName.contains(QStringLiteral("RAMA")));
        QCOMPARE(PdfInfo(dialogs_.printTo, QStringLiteral("Pages")), QStringLiteral("2"));
        const QString text = Flowed(PdfText(dialogs_.printTo));
        QVERIFY(text.contains(QStringLiteral("28 Vir 42")));
        QVERIFY(text.contains(QStringLiteral("Love And Domestic Life")));
    }

    // After Back and another chart, the entries print the new chart, never the earlier one.
    void newChartIsPrinted() {
        controller_->Frame()->findChild<QAction*>(QStringLiteral("backAction"))->trigger();
        ShowChart(SouthWestMidnight());
        dialogs_.saveTo = dir_.filePath(QStringLiteral("sita.pdf"));
        Entry("exportPdfAction")->trigger();
        QVERIFY(dialogs_.suggestions.last().endsWith(QStringLiteral("SITA-1980-03-05.pdf")));
        const QString text = Flowed(PdfText(dialogs_.saveTo, 1, 1));
        QVERIFY(text.contains(QStringLiteral("SITA")));
        QVERIFY(!text.contains(QStringLiteral("RAMA")));
        QVERIFY(PdfInfo(dialogs_.saveTo, QStringLiteral("Title")).contains(QStringLiteral("SITA")));
    }
};

QTEST_MAIN(PrintActionsTest)
#include "print_actions_test.moc"
