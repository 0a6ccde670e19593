// The three chart styles as a person sees them: the most crowded charts' cell texts fit their
// boxes in every style at the window's and the page's sizes; the window's choice is remembered
// and reaches the printed page; the image shows the chosen style. With KALODAYA_SCREENSHOT_DIR
// set, the window's chart in each style and the exported chart pages are kept there.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "form_driver.h"
#include "recording_services.h"
#include "ui/services.h"
#include "request/request_line.h"
#include "ui/app_controller.h"
#include "ui/app_frame.h"
#include "ui/chart_drawing/chart_drawing.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/chart_drawing/south_chart.h"
#include "profile/chart_words.h"
#include "ui/print/chart_document.h"
#include "ui/print/chart_print_actions.h"
#include "ui/print/page_texts_from_outcome.h"
#include "ui/results_window.h"
#include "ui/ui_style.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

// The charts of the golden file whose fullest cells hold the most: seven bodies and "GL" in
// one sign, long retrograde names among them.
const char* const kCrowdedCharts[] = {
    R"({"name":"RAMA","date":"1962-02-02","time":"23:59:23","lat":"23:36N","lon":"97:18E","zone":40,"dst":true})",
    R"({"name":"A","date":"1991-08-21","time":"10:59:20","lat":"63:42S","lon":"87:18E","zone":9})",
    R"({"name":"A","date":"2041-11-02","time":"12:55:24","lat":"54:34S","lon":"134:57E","zone":46,"dst":true})",
    R"({"name":"X Y Z","date":"2032-05-29","time":"00:49:51","lat":"39:2S","lon":"26:58W","zone":69,"dst":true})",
    R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N","lon":"77:13E","zone":34})",
};

print::ChartPageTexts PagesOf(const char* line) {
    BirthRequest request;
    if (ReadRequestLine(line, request)) return {};
    return *print::RequestChartPages(request).texts;
}

QString Kept(const QString& name, QTemporaryDir& dir) {
    QString target = qEnvironmentVariable("KALODAYA_SCREENSHOT_DIR");
    if (target.isEmpty()) target = dir.path();
    QDir().mkpath(target);
    return QDir(target).filePath(name);
}

}  // namespace

class ChartStylesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void init() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, kChartStyleOrganisation,
                  kChartStyleApplication)
            .clear();
    }

    // Every item of every cell fits its box whole, at the sizes a window (a chart about 400
    // pixels wide) and a page at 192 pixels per inch (about 1200) draw it, without the cut the
    // drawing falls back on.
    void crowdedCellsFitInEveryStyle() {
        QImage device(10, 10, QImage::Format_RGB32);
        for (const char* line : kCrowdedCharts) {
            const print::ChartPageTexts texts = PagesOf(line);
            QVERIFY2(!texts.name.empty(), line);
            for (const ChartLayout& layout : texts.layouts) {
                for (const double side : {400.0, 1200.0}) {
                    const QRectF square = ChartSquare(QRectF(0, 0, side, side), layout.style);
                    for (const LayoutCell& cell : layout.cells) {
                        const CellTextFit fit =
                            FitCellTexts(cell, MapUnitRect(square, cell.textBox),
                                         Verdana(9).family(), side / 25, side / 90, &device);
                        QVERIFY2(fit.fits, qPrintable(QStringLiteral("%1 style %2 sign %3 at %4")
                                                          .arg(QLatin1String(line))
                                                          .arg(int(layout.style))
                                                          .arg(cell.sign)
                                                          .arg(side)));
                        std::size_t items = 0;
                        for (const auto& itemsOfLine : fit.lines) items += itemsOfLine.size();
                        QCOMPARE(items, cell.items.size());
                    }
                }
            }
        }
    }

    // The South Indian chart's columns take every crowded cell's bodies and markers whole, at
    // the window's faces and size (a small window's chart too) and at the page's on an image of
    // 192 pixels per inch.
    void crowdedSouthCellsFitTheirColumns() {
        QImage window(10, 10, QImage::Format_RGB32);
        window.setDotsPerMeterX(3780);  // 96 per inch
        window.setDotsPerMeterY(3780);
        QImage page(10, 10, QImage::Format_RGB32);
        page.setDotsPerMeterX(7559);  // 192 per inch
        page.setDotsPerMeterY(7559);
        const ChartFonts pageFonts{Verdana(10), Verdana(10, true),
                                   NamedFont(QStringLiteral("Courier New"), 9, true), 5, 2};
        const struct {
            QImage* device;
            ChartFonts fonts;
            QRectF square;
        } sizes[] = {{&window, ChartLayoutView::Fonts(), QRectF(0, 0, 526, 450)},
                     {&window, ChartLayoutView::Fonts(), QRectF(0, 0, 400, 343)},
                     {&page, pageFonts, QRectF(0, 0, 1226, 940)}};
        for (const char* line : kCrowdedCharts) {
            const print::ChartPageTexts pages = PagesOf(line);
            const ChartLayout& layout = pages.layouts[0];
            for (const auto& size : sizes) {
                for (const LayoutCell& cell : layout.cells) {
                    const UnitRect unit{cell.outline[0].x, cell.outline[0].y, 0.25, 0.25};
                    const SouthCellBoxes boxes =
                        SouthBoxes(MapUnitRect(size.square, unit), size.fonts, size.device);
                    std::vector<QString> bodies, markers;
                    for (const LayoutItem& item : cell.items)
                        (item.kind == LayoutItem::Kind::Body ? bodies : markers)
                            .push_back(QString::fromStdString(item.text));
                    const QString where = QStringLiteral("%1 sign %2 at %3")
                                              .arg(QLatin1String(line))
                                              .arg(cell.sign)
                                              .arg(size.square.width());
                    const SouthColumnFit b =
                        FitSouthColumn(bodies, 1, size.fonts.bodies, boxes.bodies.size(),
                                       size.fonts.smallestPoints, size.device);
                    const SouthColumnFit m = FitSouthColumn(
                        markers, 1 + cell.blankMarkerLines, size.fonts.markers,
                        boxes.markers.size(), size.fonts.smallestPoints, size.device);
                    QVERIFY2(b.fits && m.fits, qPrintable(where));
                    // At the design size one name per line, as the chart has always shown them.
                    if (size.square.width() > 500)
                        QVERIFY2(b.lines.size() == bodies.size(), qPrintable(where));
                }
            }
        }
        // The most crowded chart as a small window draws it, kept to be looked at.
        QImage small(401, 344, QImage::Format_RGB32);
        small.setDotsPerMeterX(3780);
        small.setDotsPerMeterY(3780);
        QPainter painter(&small);
        DrawChartLayout(painter, QRectF(0, 0, 400, 343), PagesOf(kCrowdedCharts[0]).layouts[0],
                        {kSlate, Qt::white, Qt::white, kCyan, Qt::white},
                        ChartLayoutView::Fonts());
        painter.end();
        QVERIFY(small.save(Kept(QStringLiteral("crowded-south-small.png"), dir_)));
    }

    // The ghati lagna's mark of every language is drawn whole in a South cell of a shrunk chart
    // (a window at 200 % on a small screen): where no size fits the markers' share of the cell,
    // the column widens rather than cutting the mark to "…".
    void ghatiLagnaMarkIsNeverCut() {
        QImage window(10, 10, QImage::Format_RGB32);
        window.setDotsPerMeterX(3780);  // 96 per inch
        window.setDotsPerMeterY(3780);
        const ChartFonts fonts = ChartLayoutView::Fonts();
        for (int code = 0; code < kLanguageCount; ++code) {
            const std::string_view mark = WordsOf(static_cast<Language>(code)).ghatiLagnaMark;
            const std::vector<QString> markers{
                QString::fromUtf8(mark.data(), static_cast<qsizetype>(mark.size()))};
            for (const double side : {400.0, 300.0, 240.0}) {
                const QRectF cell(0, 0, side / 4, side / 4 * 343 / 400);
                const SouthCellBoxes boxes = SouthBoxes(cell, fonts, &window, markers);
                const SouthColumnFit fit = FitSouthColumn(markers, 1, fonts.markers,
                                                          boxes.markers.size(),
                                                          fonts.smallestPoints, &window, 1);
                QVERIFY2(fit.fits, qPrintable(markers[0] + QStringLiteral(" at %1").arg(side)));
                QVERIFY(boxes.bodies.right() <= boxes.markers.left() + 1e-9);
            }
        }
    }

    // The window's list: the choice shows its chart, is stored, is what a new window starts
    // with, and is the style the printed pages draw.
    void windowChoiceIsRememberedAndPrinted() {
        Services services = DesktopServices();
        RecordingBoxes boxes(services);
        RecordingBrowser browser(services);
        StartOptions options;
        options.services = &services;
        options.lockPath = dir_.filePath(QStringLiteral("kalodaya.lock"));
        options.quit = [] {};
        options.runUpdateReminder = false;
        auto controller = std::make_unique<AppController>(options);
        QVERIFY(controller->Start());
        Fill(controller->Form(), WorkedExample());
        ClickGetMyGhatiLagna(controller->Form());
        QVERIFY(controller->Frame());
        ResultsWindow* display = controller->Frame()->Display();
        QVERIFY(QTest::qWaitForWindowExposed(controller->Frame()));
        ChartStylePanel* panel = display->StylePanel();
        QCOMPARE(panel->Style(), ChartStyle::South);
        QVERIFY(panel->View()->isVisible());
        QCOMPARE(panel->View()->Layout().style, ChartStyle::South);

        const char* names[] = {"chart-style-south.png", "chart-style-north.png",
                               "chart-style-east.png"};
        QImage pictures[kChartStyleCount];
        for (const ChartStyle style : {ChartStyle::North, ChartStyle::East, ChartStyle::South}) {
            const int index = static_cast<int>(style);
            QComboBox* chooser = panel->Chooser();
            chooser->setCurrentIndex(index);
            emit chooser->activated(index);
            QCOMPARE(StoredChartStyle(), style);
            QVERIFY(panel->View()->isVisible());
            QCOMPARE(panel->View()->Layout().style, style);
            QCOMPARE(display->PrintActions()->Texts()->chartStyle, style);
            QApplication::processEvents();
            pictures[index] = display->grab().toImage();
            QVERIFY(pictures[index].save(Kept(QString::fromLatin1(names[index]), dir_)));
        }
        QVERIFY(pictures[0] != pictures[1]);
        QVERIFY(pictures[1] != pictures[2]);

        StoreChartStyle(ChartStyle::East);
        ResultsWindow another(services);
        QCOMPARE(another.StylePanel()->Style(), ChartStyle::East);
        controller.reset();
    }

    // The exported image and PDF draw the style the request asked for, and each style's
    // picture differs from the others.
    void exportDrawsTheRequestedStyle() {
        QByteArray images[kChartStyleCount];
        for (int style = 0; style < kChartStyleCount; ++style) {
            BirthRequest request;
            QVERIFY(!ReadRequestLine(kCrowdedCharts[0], request));
            QVERIFY(!SetChartStyle(request, kChartStyleNames[style]));
            const auto pages = print::RequestChartPages(request);
            QVERIFY(pages.texts);
            QCOMPARE(static_cast<int>(pages.texts->chartStyle), style);
            images[style] = print::ChartFileBytes(print::ExportFormat::Png, *pages.texts,
                                                  print::Paper::A4);
            QVERIFY(!images[style].isEmpty());
            const QString stem = QStringLiteral("export-%1")
                                     .arg(QString::fromLatin1(kChartStyleNames[style].data(),
                                                              kChartStyleNames[style].size()));
            QFile png(Kept(stem + QStringLiteral(".png"), dir_));
            QVERIFY(png.open(QIODevice::WriteOnly));
            png.write(images[style]);
            QFile pdf(Kept(stem + QStringLiteral(".pdf"), dir_));
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            pdf.write(print::ChartFileBytes(print::ExportFormat::Pdf, *pages.texts,
                                            print::Paper::A4));
        }
        QVERIFY(images[0] != images[1]);
        QVERIFY(images[1] != images[2]);
        QVERIFY(images[0] != images[2]);
    }
};

QTEST_MAIN(ChartStylesTest)
#include "chart_styles_test.moc"
