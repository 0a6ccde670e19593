// The worked example as a person sees it: every text of the chart inside its cell, and the
// two pages of the results window as pictures that show the window (not a blank area) and
// differ from each other. With KALODAYA_SCREENSHOT_DIR set, the pictures are kept there as
// chart-page-small-screen.png and details-page-small-screen.png (the offscreen screen's
// 800 x 600; the README's come from the 1920 x 1080 test); otherwise they go to a temporary
// folder.
#include <QDir>
#include <QImage>
#include <QSet>
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
    Services services_ = DesktopServices();
    RecordingBoxes boxes_{services_};
    RecordingBrowser browser_{services_};
    std::unique_ptr<AppController> controller_;
    ResultsWindow* display_ = nullptr;

    QImage chartPage_;

    // How many colours a picture uses: a window drawn with its texts and lines uses many, an
    // area never painted one or two.
    static int Colours(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        return colours.size();
    }

    // Writes the picture, reads it back and returns it; the test fails when it cannot be
    // written or shows next to nothing.
    QImage Save(const QPixmap& picture, const QString& name) {
        QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) target = dir_.path();
        QDir().mkpath(target);
        const QString path = QDir(target).filePath(name);
        if (!picture.save(path)) {
            QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
            return {};
        }
        const QImage saved(path);
        if (saved.size() != picture.size() || Colours(saved) < 16)
            QTest::qFail(qPrintable(name + " is not the window as drawn"), __FILE__, __LINE__);
        return saved;
    }

private slots:
    void initTestCase() {
        StartOptions options;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        options.services = &services_;
        controller_ = std::make_unique<AppController>(options);
        QVERIFY(controller_->Start());
        Fill(controller_->Form(), WorkedExample());
        ClickGetMyGhatiLagna(controller_->Form());
        QVERIFY(controller_->Frame());
        display_ = controller_->Frame()->Display();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->Frame()));
    }

    void cleanupTestCase() { controller_.reset(); }

    // Each text of the chart fits its cell at its own font size; nothing but trailing empty
    // lines is dropped, and nothing shrunk.
    void everyCellTextFitsItsCell() {
        const auto cells = display_->findChildren<CellLabel*>();
        QCOMPARE(cells.size(), 24);
        const auto trimmed = [](QString text) {
            while (text.endsWith(QLatin1Char('\n'))) text.chop(1);
            return text;
        };
        for (CellLabel* cell : cells) {
            const auto fitted = CellLabel::Fit(cell->text(), cell->font(), cell->contentsRect().size());
            QVERIFY2(fitted.text.startsWith(trimmed(cell->text())), qPrintable(cell->objectName()));
            QCOMPARE(fitted.pointSize, cell->font().pointSizeF());
        }
    }

    void chartPage() {
        display_->Tabs()->setCurrentIndex(0);
        const QPixmap picture = display_->grab();
        QCOMPARE(picture.size(), display_->size());
        chartPage_ = Save(picture, QStringLiteral("chart-page-small-screen.png"));
        // The window is drawn in its own colours, not the default palette's.
        int background = 0;
        for (int y = 0; y < chartPage_.height(); ++y)
            for (int x = 0; x < chartPage_.width(); ++x)
                background += chartPage_.pixel(x, y) == qRgb(75, 75, 150);
        QVERIFY(background * 10 > chartPage_.width() * chartPage_.height());
    }

    void detailsPage() {
        display_->Tabs()->setCurrentIndex(1);
        const QPixmap picture = display_->grab();
        const QImage details = Save(picture, QStringLiteral("details-page-small-screen.png"));
        display_->Tabs()->setCurrentIndex(0);
        QCOMPARE(details.size(), chartPage_.size());
        QVERIFY2(details != chartPage_, "the details page looks like the chart page");
    }

    void aboutBox() {
        AboutBox about(services_, controller_->Frame());
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
