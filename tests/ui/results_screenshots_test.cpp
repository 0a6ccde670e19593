// The worked example as a person sees it: every text of the chart inside its cell, and the
// two pages of the results window as pictures. With KALODAYA_SCREENSHOT_DIR set, the pictures
// are written there as chart-page.png and details-page.png.
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "recording_services.h"
#include "ui/about_box.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/cell_label.h"
#include "ui/results_window.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

class ResultsScreenshotsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    RecordingBoxes boxes_;
    RecordingBrowser browser_;
    std::unique_ptr<AppController> controller_;
    FrmDisplay* display_ = nullptr;

    void Save(const QPixmap& picture, const QString& name) {
        const QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) return;
        QDir().mkpath(target);
        QVERIFY(picture.save(QDir(target).filePath(name)));
    }

private slots:
    void initTestCase() {
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        Fill(controller_->Form(), WorkedExample());
        ClickGetMyGhatiLagna(controller_->Form());
        QVERIFY(controller_->Frame());
        display_ = controller_->Frame()->Display();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->Frame()));
    }

    void cleanupTestCase() { controller_.reset(); }

    // Each text of the chart fits its cell at its own font size; nothing is dropped or shrunk.
    void everyCellTextFitsItsCell() {
        const auto cells = display_->findChildren<CellLabel*>();
        QCOMPARE(cells.size(), 24);
        for (CellLabel* cell : cells) {
            const auto fitted = CellLabel::Fit(cell->text(), cell->font(), cell->contentsRect().size());
            QCOMPARE(fitted.text, cell->text());
            QCOMPARE(fitted.pointSize, cell->font().pointSizeF());
        }
    }

    void chartPage() {
        display_->Tabs()->setCurrentIndex(0);
        const QPixmap picture = display_->grab();
        QCOMPARE(picture.size(), display_->size());
        Save(picture, QStringLiteral("chart-page.png"));
    }

    void detailsPage() {
        display_->Tabs()->setCurrentIndex(1);
        const QPixmap picture = display_->grab();
        Save(picture, QStringLiteral("details-page.png"));
        display_->Tabs()->setCurrentIndex(0);
    }

    void aboutBox() {
        FrmAbout about(controller_->Frame());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        Save(about.grab(), QStringLiteral("about-box.png"));
    }

    void wholeFrame() {
        Save(controller_->Frame()->grab(), QStringLiteral("results-frame.png"));
    }
};

QTEST_MAIN(ResultsScreenshotsTest)
#include "results_screenshots_test.moc"
