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
#include <QPolygonF>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "recording_services.h"
#include "ui/about_box.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/chart_drawing/south_chart.h"
#include "ui/results_window.h"

using namespace kalodaya;
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

    // Each text of the chart fits its cell at its own font size: nothing shrunk, no empty
    // line given up, every name on a line of its own.
    void everyCellTextFitsItsCell() {
        ChartLayoutView* view = display_->StylePanel()->View();
        const ChartLayout& layout = view->Layout();
        QCOMPARE(layout.style, ChartStyle::South);
        const ChartFonts fonts = ChartLayoutView::Fonts();
        int items = 0;
        for (const LayoutCell& cell : layout.cells) {
            QPolygonF outline;
            for (const UnitPoint& p : cell.outline) outline << QPointF(p.x, p.y);
            const QRectF unit = outline.boundingRect();
            const SouthCellBoxes boxes = SouthBoxes(
                MapUnitRect(view->Square(), {unit.x(), unit.y(), unit.width(), unit.height()}),
                fonts, view);
            std::vector<QString> bodies, markers;
            for (const LayoutItem& item : cell.items)
                (item.kind == LayoutItem::Kind::Body ? bodies : markers)
                    .push_back(QString::fromStdString(item.text));
            items += static_cast<int>(cell.items.size());
            const SouthColumnFit b = FitSouthColumn(bodies, 1, fonts.bodies, boxes.bodies.size(),
                                                    fonts.smallestPoints, view);
            const SouthColumnFit m =
                FitSouthColumn(markers, 1 + cell.blankMarkerLines, fonts.markers,
                               boxes.markers.size(), fonts.smallestPoints, view);
            const QString sign = QString::number(cell.sign);
            QVERIFY2(b.fits && m.fits, qPrintable(sign));
            QCOMPARE(b.pointSize, fonts.bodies.pointSizeF());
            QCOMPARE(m.pointSize, fonts.markers.pointSizeF());
            QCOMPARE(b.emptyLines, 1);
            QCOMPARE(m.emptyLines, 1 + cell.blankMarkerLines);
            QCOMPARE(b.lines.size(), bodies.size());
        }
        QCOMPARE(items, 11);  // ten bodies and "GL"
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
