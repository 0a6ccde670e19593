// The exported chart read back as its reader sees it: the PDF's pages and text (poppler's
// tools), the image's size and content, and the same output with and without a display.
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include "export_tools.h"
#include "ui/print/chart_document.h"
#include "ui/print/page_canvas.h"

using namespace kalodaya;
using namespace kalodaya::ui::print;
using namespace kalodaya::ui::testing;

namespace {

// Pixels that are not white, as a share of the image.
double InkShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 ink = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ink += (line[x] & 0xFFFFFF) != 0xFFFFFF;
    }
    return double(ink) / (qint64(rgb.width()) * rgb.height());
}

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    ChartPageTexts texts_;
    QString pdf_;

private slots:
    void initTestCase() {
        if (!HavePopplerTools()) QFAIL("pdfinfo, pdftotext and pdftoppm are needed: apt-get install poppler-utils");
        texts_ = WorkedExamplePages();
        pdf_ = dir_.filePath(QStringLiteral("rama.pdf"));
        QVERIFY(!ExportChart(pdf_, ExportFormat::Pdf, texts_, Paper::A4));
    }

    void pdfHasTwoA4PagesAndTheTitle() {
        QCOMPARE(PdfInfo(pdf_, QStringLiteral("Pages")), QStringLiteral("2"));
        QVERIFY(PdfInfo(pdf_, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
        const QString title = PdfInfo(pdf_, QStringLiteral("Title"));
        QVERIFY2(title.contains(QStringLiteral("RAMA")) &&
                     title.contains(QStringLiteral("August 15, 1990 at 10:30:00")) &&
                     title.contains(QStringLiteral("New Delhi")),
                 qPrintable(title));
    }

    // The first page holds the key facts: the sign, "GL", the ten positions, the birth details
    // and the sun times.
    void chartPageText() {
        const QString page = Flowed(PdfText(pdf_, 1, 1));
        QVERIFY(page.contains(QStringLiteral("Ghati Lagna Present In Sign Cancer")));
        QVERIFY(page.contains(QStringLiteral("GL")));
        const QStringList positions = {"28 Can 31", "18 Tau 54", "25 Leo 34", "07 Can 59",
                                       "27 Ari 37", "05 Can 46", "26 Sag 10", "11 Cap 50",
                                       "11 Can 50", "28 Vir 42"};
        for (int k = 0; k < kPagePlanetCount; ++k) {
            QCOMPARE(QString::fromStdString(texts_.planets[k].text), positions[k]);
            QVERIFY2(page.contains(positions[k]), qPrintable(positions[k]));
            QVERIFY(page.contains(QString::fromStdString(texts_.planets[k].label)));
        }
        for (const QString& detail :
             {QStringLiteral("RAMA"), QStringLiteral("Date of Birth : August 15, 1990"),
              QStringLiteral("Time of Birth : 10:30:00"), QStringLiteral("28\u00B0 39' N"),
              QStringLiteral("77\u00B0 13' E"), QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
              QStringLiteral("India"), QStringLiteral("UTC+05:30"), QStringLiteral("Sunrise : 05:49"),
              QStringLiteral("Reference Sunrise : 05:49, August 15, 1990"),
              QStringLiteral("Time Elapsed : 4 h 41 min (11.71 ghatis)")})
            QVERIFY2(page.contains(detail), qPrintable(detail));
    }

    // The second page holds the profile: every fact and the five texts whole.
    void profilePageText() {
        const QString page = Flowed(PdfText(pdf_, 2, 2));
        for (const LabelledText& fact : texts_.profileFields) {
            QVERIFY(page.contains(QString::fromStdString(fact.label)));
            QVERIFY2(page.contains(Flowed(QString::fromStdString(fact.text))), fact.text.c_str());
        }
        for (const LabelledText& text : texts_.profileTexts) {
            QVERIFY(page.contains(QString::fromStdString(text.label)));
            QVERIFY2(page.contains(Flowed(QString::fromStdString(text.text))), text.text.c_str());
        }
        QVERIFY(page.contains(QStringLiteral("You have a medium stature and a soft, rounded figure.")));
    }

    void letterPaper() {
        const QString letter = dir_.filePath(QStringLiteral("letter.pdf"));
        QVERIFY(!ExportChart(letter, ExportFormat::Pdf, texts_, Paper::Letter));
        QVERIFY(PdfInfo(letter, QStringLiteral("Page size")).contains(QStringLiteral("letter")));
        QCOMPARE(PdfInfo(letter, QStringLiteral("Pages")), QStringLiteral("2"));
        const QString text = Flowed(PdfText(letter));
        QVERIFY(text.contains(QStringLiteral("28 Vir 42")));
        QVERIFY(text.contains(Flowed(QString::fromStdString(texts_.profileTexts[1].text))));
    }

    // The image: the chart page, wide enough to print, with the slate chart on white.
    void chartImage() {
        const QString png = dir_.filePath(QStringLiteral("rama.png"));
        QVERIFY(!ExportChart(png, ExportFormat::Png, texts_, Paper::A4));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QVERIFY2(image.width() >= 1200, qPrintable(QString::number(image.width())));
        QCOMPARE(image.width(), 1587);  // A4 at 192 pixels per inch
        // The resolution is recorded, so the image prints at the page's size.
        QCOMPARE(image.dotsPerMeterX(), 7559);
        const double ink = InkShare(image);
        QVERIFY2(ink > 0.25 && ink < 0.8, qPrintable(QString::number(ink)));
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 3).name(),
                 QStringLiteral("#4b4b96"));  // inside the chart's centre square
    }

    // A cell too full for the chart's font gets a smaller one, so that every body shows (the
    // drawing clips at the cell, which the PDF's text alone would not reveal); a word too long
    // for its line is broken.
    void textsFitTheirBoxes() {
        QImage image(600, 600, QImage::Format_RGB32);
        image.setDotsPerMeterX(7559);
        image.setDotsPerMeterY(7559);
        QPainter painter(&image);
        PageCanvas canvas(painter);
        const QString bodies = QStringLiteral(
            "\nSun\nMoon\nMercury (R) \nVenus\nMars\nJupiter\nSaturn (R) \nRahu\nKetu\nAsc");
        const QSizeF cell(90, 100);
        const QFont fitted = canvas.FittedFont(bodies, canvas.Font(10), cell, false, 5);
        QVERIFY(fitted.pointSizeF() < 10);
        QVERIFY(canvas.LineHeight(fitted) * 11 <= cell.height() + 0.01);
        QVERIFY(canvas.TextWidth(bodies, fitted) <= cell.width());
        // The worked example's cells keep the full size.
        QCOMPARE(canvas.FittedFont(QStringLiteral("\nSun\nVenus\nJupiter\nKetu"), canvas.Font(10),
                                   cell, false, 5)
                     .pointSizeF(),
                 10.0);
        // A word wider than a wrapped box is broken over lines rather than cut at its edge.
        const QString place = QStringLiteral("Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch");
        const QFont font = canvas.Font(9);
        QVERIFY(canvas.TextHeight(place, font, 120) >= 2 * canvas.LineHeight(font));
    }

    // A printer turned to landscape gets the upright pages made smaller, nothing off the paper.
    void landscapePageKeepsEverything() {
        const QString pdf = dir_.filePath(QStringLiteral("landscape.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
            QVERIFY(PaintDocument(writer, texts_));
        }
        QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        const QString chart = Flowed(PdfText(pdf, 1, 1));
        for (const LabelledText& planet : texts_.planets)
            QVERIFY(chart.contains(QString::fromStdString(planet.text)));
        QVERIFY(chart.contains(QStringLiteral("Time Elapsed : 4 h 41 min")));
        QVERIFY(chart.contains(QStringLiteral("Page 1")));
        const QString profile = Flowed(PdfText(pdf, 2, 2));
        QVERIFY(profile.contains(Flowed(QString::fromStdString(texts_.profileTexts[4].text))));
    }

    // Profile texts far longer than the data's run on to a third page rather than being cut.
    void longTextsContinueOnANewPage() {
        ChartPageTexts wordy = texts_;
        for (LabelledText& text : wordy.profileTexts) {
            const std::string once = text.text;
            for (int i = 0; i < 3; ++i) text.text += " " + once;
        }
        const QString pdf = dir_.filePath(QStringLiteral("wordy.pdf"));
        QVERIFY(!ExportChart(pdf, ExportFormat::Pdf, wordy, Paper::A4));
        QVERIFY(PdfInfo(pdf, QStringLiteral("Pages")).toInt() >= 3);
        const QString text = Flowed(PdfText(pdf, 2, 0));
        for (const LabelledText& t : wordy.profileTexts)
            QVERIFY(text.contains(Flowed(QString::fromStdString(t.text))));
    }

    // kalodaya --export without a display, and on a display (Xvfb), gives what this offscreen
    // process draws: the same image, pixel for pixel, and PDF pages that render the same.
    void sameOutputWithAndWithoutDisplay() {
        const QString program = QStringLiteral(KALODAYA_EXECUTABLE);
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        struct Setting {
            QString name;
            QStringList prefix;
            QProcessEnvironment env;
        };
        QList<Setting> settings = {{QStringLiteral("nodisplay"), {}, WithoutDisplay()}};
        if (!xvfb.isEmpty()) {
            QProcessEnvironment xcb = WithoutDisplay();
            xcb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            settings.append({QStringLiteral("xvfb"), {QStringLiteral("-a"), program}, xcb});
        }

        const QImage reference = ChartPageImage(texts_, Paper::A4);
        const QList<QImage> referencePages = PdfPages(pdf_);
        QCOMPARE(referencePages.size(), 2);
        for (const Setting& s : settings) {
            for (const QString& extension : {QStringLiteral(".png"), QStringLiteral(".pdf")}) {
                const QString out = dir_.filePath(s.name + extension);
                QStringList arguments = s.prefix;
                arguments << "--export" << out << "--paper" << "a4" << WorkedExampleOptions();
                const Run run = RunProgram(s.prefix.isEmpty() ? program : xvfb, arguments, s.env);
                QVERIFY2(run.status == 0, qPrintable(s.name + ": " + run.err));
                if (extension == QStringLiteral(".png")) {
                    const QImage image(out);
                    QVERIFY2(image.convertToFormat(reference.format()) == reference,
                             qPrintable(s.name));
                } else {
                    QCOMPARE(PdfInfo(out, QStringLiteral("Title")),
                             PdfInfo(pdf_, QStringLiteral("Title")));
                    QVERIFY2(PdfPages(out) == referencePages, qPrintable(s.name));
                }
            }
        }
        if (xvfb.isEmpty()) QSKIP("xvfb-run is not installed: compared without a display only");
    }
};

QTEST_MAIN(ChartExportTest)
#include "chart_export_test.moc"
