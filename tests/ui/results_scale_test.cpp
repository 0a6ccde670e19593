// The results window on a 1920 x 1080 screen at a scale factor (the first argument, 1 or 2):
// the worked example's frame fits the screen, the chart and the planet table are in view
// without scrolling, and no value of the details or the planet table is cut off. At scale 1
// the window keeps its classic arrangement (details above the planet table beside the chart,
// the chart at its design size). With KALODAYA_SCREENSHOT_DIR set the frame is kept there as
// results-frame-scale<N>.png and results-details-scale<N>.png, and at scale 1 the window's two
// pages as chart-page.png and details-page.png (the README's).
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "recording_services.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/results_window.h"
#include "ui/ui_style.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

int scale = 1;

QRect GlobalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

}  // namespace

class ResultsScaleTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    Services services_ = DesktopServices();
    RecordingBoxes boxes_{services_};
    RecordingBrowser browser_{services_};
    std::unique_ptr<AppController> controller_;
    ResultsWindow* display_ = nullptr;

    QWidget* Find(const char* name) {
        auto* w = display_->findChild<QWidget*>(QLatin1String(name));
        if (!w) qFatal("%s not found", name);
        return w;
    }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(),
                 QSize(1920 / scale, 1080 / scale));
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
        QTest::qWait(50);  // the frame's first layouts settle
    }

    void cleanupTestCase() { controller_.reset(); }

    void frameFitsTheScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(controller_->Frame()->frameGeometry()),
                 qPrintable(QStringLiteral("frame %1x%2")
                                .arg(controller_->Frame()->width())
                                .arg(controller_->Frame()->height())));
    }

    // Everything of the chart and the planet table lies inside the area's visible part and
    // inside the side panels' visible part: no scrolling needed to see them.
    void chartAndPlanetTableInView() {
        auto* area = controller_->Frame()->findChild<QMdiArea*>();
        QVERIFY(area);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        QCOMPARE(area->horizontalScrollBar()->value(), 0);
        const QRect visible = GlobalRect(area->viewport());
        auto* side = display_->findChild<QScrollArea*>(QStringLiteral("sideScroll"));
        QVERIFY(side);
        const QRect sideVisible = GlobalRect(side->viewport());
        for (const char* name : {"chartGrid", "planetTable", "detailsFrame"}) {
            const QRect rect = GlobalRect(Find(name));
            QVERIFY2(visible.contains(rect), name);
        }
        for (const char* name : {"planetTable", "detailsFrame"})
            QVERIFY2(sideVisible.contains(GlobalRect(Find(name))), name);
        QCOMPARE(area->verticalScrollBar()->maximum(), 0);
    }

    // Each value shows its whole text: the dates and positions are not clipped.
    void valuesAreNotCutOff() {
        QStringList names;
        for (int k = 0; k < 10; ++k) names << QStringLiteral("planetValue%1").arg(k);
        names << QStringLiteral("birthDate") << QStringLiteral("birthTime")
              << QStringLiteral("personName") << QStringLiteral("lagnaSign");
        for (const QString& name : names) {
            auto* label = display_->findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QVERIFY(!label->text().isEmpty());
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->contentsRect().width() >= needed, qPrintable(name));
            QVERIFY2(label->height() >= label->fontMetrics().height(), qPrintable(name));
        }
    }

    // At scale 1 the classic arrangement: details above the planet table, both beside the
    // chart, the chart at its design size.
    void classicArrangementAtScaleOne() {
        if (scale != 1) QSKIP("scale 1 only");
        const QRect details = GlobalRect(Find("detailsFrame"));
        const QRect planets = GlobalRect(Find("planetTable"));
        const QRect chart = GlobalRect(Find("chartGrid"));
        QCOMPARE(details.left(), planets.left());
        QVERIFY(details.bottom() < planets.top());
        QVERIFY(chart.right() < details.left());
        QVERIFY(chart.width() >= Px(7890) - 4);
        QVERIFY(chart.height() >= Px(6750) - 40);
    }

    void screenshot() {
        const QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
        if (target.isEmpty()) QSKIP("no KALODAYA_SCREENSHOT_DIR");
        QDir().mkpath(target);
        QVERIFY(controller_->Frame()->grab().save(
            QDir(target).filePath(QStringLiteral("results-frame-scale%1.png").arg(scale))));
        // At 100 % the README's pictures of the two pages.
        if (scale == 1)
            QVERIFY(display_->grab().save(QDir(target).filePath(QStringLiteral("chart-page.png"))));
        display_->Tabs()->setCurrentIndex(1);
        QVERIFY(controller_->Frame()->grab().save(
            QDir(target).filePath(QStringLiteral("results-details-scale%1.png").arg(scale))));
        if (scale == 1)
            QVERIFY(display_->grab().save(QDir(target).filePath(QStringLiteral("details-page.png"))));
        display_->Tabs()->setCurrentIndex(0);
    }
};

int main(int argc, char** argv) {
    if (argc > 1) scale = std::atoi(argv[1]) == 2 ? 2 : 1;
    // A 1920 x 1080 offscreen screen, at the scale factor asked for.
    QTemporaryDir config;
    const QString screens = config.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920,
                  "height": 1080, "logicalDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toUtf8());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    ResultsScaleTest test;
    char* args[] = {argv[0]};
    return QTest::qExec(&test, 1, args);
}

#include "results_scale_test.moc"
