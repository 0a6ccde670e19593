// The results window on its own: its controls and fixed texts, where they stand, how a
// presentation fills them, and the guard that keeps the profile texts off the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QMap>
#include <deque>

#include "base/tables.h"
#include "profile/sign_profile.h"
#include "recording_services.h"
#include "request/request_line.h"
#include "ui/chart_drawing/chart_style_panel.h"
#include "ui/chart_drawing/south_chart.h"
#include "ui/print/page_texts_from_outcome.h"
#include "ui/profile_text_box.h"
#include "ui/results_window.h"
#include "ui/ui_style.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

// The worked example's pages, whose layouts the window draws.
print::ChartPageTexts WorkedExamplePages() {
    BirthRequest request;
    if (ReadRequestLine(R"({"name":"RAMA","date":"1990-08-15","time":"10:30:00","lat":"28:39N",)"
                        R"("lon":"77:13E","zone":34})",
                        request))
        qFatal("the worked example's line was not read");
    return *print::RequestChartPages(request).texts;
}

QRectF CellRect(const ChartLayoutView* view, int sign) {
    QPolygonF outline;
    for (const UnitPoint& p : view->Layout().cells[sign].outline)
        outline << QPointF(p.x, p.y);
    const QRectF unit = outline.boundingRect();
    return MapUnitRect(view->Square(), {unit.x(), unit.y(), unit.width(), unit.height()});
}
const QStringList kTextBoxes = {"looksText", "natureText", "careerAndFinanceText", "healthText",
                                "loveAndDomesticLifeText"};

QLabel* Label(QWidget* w, const QString& name) {
    auto* label = w->findChild<QLabel*>(name);
    if (!label) qFatal("label %s not found", qPrintable(name));
    return label;
}

QPlainTextEdit* Box(QWidget* w, const QString& name) {
    auto* box = w->findChild<QPlainTextEdit*>(name);
    if (!box) qFatal("text box %s not found", qPrintable(name));
    return box;
}

// Profile values are views of texts that outlive the chart (the program's own are its constant
// tables); the tests keep theirs here.
std::string_view Kept(std::string text) {
    static std::deque<std::string> texts;
    return texts.emplace_back(std::move(text));
}

// A view with a distinct text in every field, tagged with `tag`.
ResultTexts SampleView(const std::string& tag) {
    ResultTexts v;
    for (int k = 0; k < kBodyCount; ++k) v.planet[k] = tag + " planet " + std::to_string(k);
    for (int s = 0; s < kSignCount; ++s) {
        v.signCells[s] = "\r\n" + tag + " body " + std::to_string(s);
        v.markers[s] = "\r\n";
    }
    v.markers[4] = "\r\n\r\nGL";
    v.details = {tag + " NAME", tag + " dob", tag + " tob", tag + " lat", tag + " lon",
                 tag + " city", tag + " state", tag + " country"};
    for (int i = 0; i < kProfileFieldCount; ++i)
        v.profile[i] = Kept(tag + " " + std::string(kProfileArrayNames[i]));
    v.profileSign = 4;
    return v;
}

// The position of `w` in the coordinates of `ancestor`.
QRect RectIn(QWidget* w, QWidget* ancestor) {
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

// The event a widget gets when the mouse moves over it (with no button held, unless `buttons`).
void MoveOver(QWidget* w, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void PutForeignText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private:
    Services services_ = DesktopServices();
    std::unique_ptr<ResultsWindow> display_;

private slots:
    void init() {
        display_ = std::make_unique<ResultsWindow>(services_);
        display_->show();
        QVERIFY(QTest::qWaitForWindowExposed(display_.get()));
    }
    void cleanup() { display_.reset(); }

    void windowTabsAndHeader() {
        ResultsWindow* d = display_.get();
        QCOMPARE(d->windowTitle(), QStringLiteral("Divitional chart"));
        QVERIFY2(d->minimumSize() != d->maximumSize(), "the window can be resized");
        QCOMPARE(d->palette().color(QPalette::Window), kSlate);
        QTabWidget* tabs = d->findChild<QTabWidget*>("resultsTabs");
        QCOMPARE(tabs, d->Tabs());
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Ghati Lagna - Chart"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Ghati Lagna Details"));
        QCOMPARE(Label(d, "significanceTitle")->text(),
                 QStringLiteral("Significance of Ghati Lagna"));
        QVERIFY(Label(d, "significanceTitle")->font().underline());
        QCOMPARE(Label(d, "lagnaSignCaption")->text(),
                 QStringLiteral("Ghati Lagna Present In Sign"));
        QVERIFY(Label(d, "lagnaSignCaption")->alignment() & Qt::AlignRight);
        QCOMPARE(Label(d, "significanceLine")->text(),
                 QStringLiteral("Ghati Lagna signifies the importance of self in terms of fame, "
                                "power, authority and status"));
        // The sign stands right of its caption, on its line.
        QVERIFY(Label(d, "lagnaSign")->x() > Label(d, "lagnaSignCaption")->geometry().right());
        QCOMPARE(Label(d, "lagnaSign")->palette().color(QPalette::WindowText), kYellow);
        QCOMPARE(Label(d, "makerSiteLink")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(display_->findChild<QGroupBox*>("chartFrame")->title(), QStringLiteral("Hora"));
        QCOMPARE(display_->findChild<QGroupBox*>("planetTable")->title(),
                 QStringLiteral("Vedic Planetary Position"));
        QCOMPARE(display_->findChild<QGroupBox*>("detailsFrame")->title(),
                 QStringLiteral("Your Details"));
    }

    // The panels beside the chart: the details above the planet table while the page is tall
    // enough, side by side on a short page; the chart left of both, never overlapping them.
    void panelsFollowTheWindowsHeight() {
        QTabWidget* tabs = display_->Tabs();
        QWidget* details = display_->findChild<QWidget*>("detailsFrame");
        QWidget* planets = display_->findChild<QWidget*>("planetTable");
        QWidget* chart = display_->findChild<QWidget*>("chartBackground");
        const struct {
            QSize size;
            bool stacked;
        } cases[] = {{QSize(1300, 700), true}, {QSize(1300, 420), false}, {QSize(900, 640), true}};
        for (const auto& c : cases) {
            display_->resize(c.size);
            QTest::qWait(1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QRect d = RectIn(details, tabs), p = RectIn(planets, tabs), k = RectIn(chart, tabs);
            QVERIFY2(!d.intersects(p), qPrintable(QString::number(c.size.height())));
            QVERIFY(k.right() < d.left());
            if (c.stacked) {
                QCOMPARE(p.left(), d.left());
                QVERIFY(p.top() > d.bottom());
            } else {
                QVERIFY(p.left() > d.right());
                QCOMPARE(p.top(), d.top());
            }
        }
    }

    // The South Indian chart fills its area at any size, the signs in their fixed cells
    // (Pisces top-left, Aries next to it, clockwise), the window's link in the middle; before
    // any chart its cells stand empty.
    void signsHaveTheirFixedCells() {
        QWidget* chart = display_->findChild<QWidget*>("chartGrid");
        auto* view = display_->findChild<ChartLayoutView*>(ChartStylePanel::kViewName);
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->Layout().style, ChartStyle::South);
        const int columnOf[kSignCount] = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
        const int rowOf[kSignCount] = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};
        for (const QSize size : {QSize(1300, 700), QSize(900, 420)}) {
            display_->resize(size);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCOMPARE(view->geometry(), chart->rect());
            const QRectF square = view->Square();
            QVERIFY(QRectF(view->rect()).contains(square));
            QVERIFY(square.width() > view->width() - 3 && square.height() > view->height() - 3);
            for (int s = 0; s < kSignCount; ++s) {
                const QRectF cell = CellRect(view, s);
                QVERIFY2(std::abs(cell.left() - (square.left() + columnOf[s] * square.width() / 4)) < 1,
                         qPrintable(QString::number(s)));
                QVERIFY2(std::abs(cell.top() - (square.top() + rowOf[s] * square.height() / 4)) < 1,
                         qPrintable(QString::number(s)));
                QVERIFY(view->Layout().cells[s].items.empty());
            }
            QWidget* centre = chart->findChild<QWidget*>("centreSquare");
            QVERIFY(centre->isVisible());
            QVERIFY(std::abs(centre->x() - (square.left() + square.width() / 4)) <= 2);
            QVERIFY(std::abs(centre->width() - square.width() / 2) <= 2);
            QVERIFY(centre->geometry().contains(Label(chart, "centreLink")->geometry().translated(
                centre->pos())));
        }
    }

    void planetTableAndDetailCaptions() {
        const QStringList captions = {"Surya/Sun",    "Chandra/Moon",   "Budha/Mercury",
                                      "Shukra/Venus", "Mangala/Mars",   "Guru/Jupiter",
                                      "Shani/Saturn", "Rahu/North Node", "Ketu/South node",
                                      "Asc/Lagna"};
        for (int k = 0; k < kBodyCount; ++k) {
            QLabel* name = Label(display_.get(), QStringLiteral("planetCaption%1").arg(k));
            QLabel* value = Label(display_.get(), QStringLiteral("planetValue%1").arg(k));
            QCOMPARE(name->text(), captions[k]);
            QCOMPARE(value->geometry().center().y(), name->geometry().center().y());
            if (k > 0)
                QVERIFY(value->y() >
                        Label(display_.get(), QStringLiteral("planetValue%1").arg(k - 1))
                            ->geometry()
                            .bottom());
            QCOMPARE(value->palette().color(QPalette::Window), kSlate);
        }
        QStringList texts;
        for (QLabel* l : display_->findChild<QWidget*>("detailsFrame")->findChildren<QLabel*>())
            texts << l->text();
        for (const char* caption : {"Date of Birth :", "Time of Birth :", "Longitude :",
                                    "Latitude   :", "City :", "State :", "Country :"})
            QVERIFY2(texts.contains(QLatin1String(caption)), caption);
    }

    void detailsPageControls() {
        QWidget* page = display_->findChild<QWidget*>("profilePanel");
        for (const char* name : {"vedicName",
                                 "englishName",
                                 "rulingPlanet",
                                 "symbol",
                                 "nature",
                                 "colour",
                                 "typeOfSign",
                                 "gender",
                                 "bestPeriodOfActivity",
                                 "barren",
                                 "caste",
                                 "position",
                                 "constituentCharacter",
                                 "luckyDays",
                                 "luckyNumbers",
                                 "bestDirection",
                                 "luckyColours",
                                 "luckyGemstone",
                                 "partOfTheBody",
                                 "physique",
                                 "looksText",
                                 "natureText",
                                 "careerAndFinanceText",
                                 "loveAndDomesticLifeText",
                                 "healthText",
                                 "compatibleWith",
                                 "notCompatibleWith"})
            QVERIFY2(page->findChild<QWidget*>(QLatin1String(name)), name);
        QCOMPARE(page->findChildren<QPlainTextEdit*>().size(), 5);
        QCOMPARE(Label(page, "vedicNameCaption")->text(), QStringLiteral("Vedic Name"));
        QCOMPARE(Label(page, "rulingPlanetCaption")->text(), QStringLiteral("Ruling Planet"));
        QCOMPARE(Label(page, "englishNameCaption")->text(), QStringLiteral("English Name"));
        QCOMPARE(Label(page, "loveAndDomesticLifeHeading")->text(),
                 QStringLiteral("Love And Domestic Life"));
        QCOMPARE(Label(page, "vedicName")->palette().color(QPalette::WindowText), kYellow);

        // Tab order of the five texts.
        for (int i = 0; i + 1 < kTextBoxes.size(); ++i) {
            QWidget* next = Box(page, kTextBoxes[i])->nextInFocusChain();
            while (next && !qobject_cast<QPlainTextEdit*>(next)) next = next->nextInFocusChain();
            QCOMPARE(next, Box(page, kTextBoxes[i + 1]));
        }
    }

    void presentWritesEveryTextAndSelectsTheChartTab() {
        ResultsWindow* d = display_.get();
        d->Tabs()->setCurrentIndex(1);
        const ResultTexts view = SampleView("first");
        d->Present(view);
        QCOMPARE(d->Tabs()->currentIndex(), 0);
        for (int k = 0; k < kBodyCount; ++k)
            QCOMPARE(Label(d, QStringLiteral("planetValue%1").arg(k))->text(),
                     QStringLiteral("first planet %1").arg(k));
        QCOMPARE(Label(d, "personName")->text(), QStringLiteral("first NAME"));
        QCOMPARE(Label(d, "latitudeValue")->text(), QStringLiteral("first lat"));
        QCOMPARE(Label(d, "countryValue")->text(), QStringLiteral("first country"));
        QCOMPARE(Label(d, "lagnaSign")->text(), QStringLiteral("first EnglishName"));
        QCOMPARE(Label(d, "englishName")->text(), QStringLiteral("first EnglishName"));
        QCOMPARE(Label(d, "rulingPlanet")->text(), QStringLiteral("first RulingPlanet"));
        QCOMPARE(Label(d, "notCompatibleWith")->text(), QStringLiteral("first NotCompatibleWith"));
        QCOMPARE(Box(d, "loveAndDomesticLifeText")->toPlainText(),
                 QStringLiteral("first LoveAndDomesticLifeText"));
        QCOMPARE(Box(d, "healthText")->toPlainText(), QStringLiteral("first HealthText"));
        for (QLabel* l : d->findChildren<QLabel*>())
            QVERIFY2(!l->text().contains(QLatin1String("SignAbbr")), "SignAbbr is shown nowhere");

        // A second presentation leaves nothing of the first.
        d->Tabs()->setCurrentIndex(1);
        d->Present(SampleView("second"));
        QCOMPARE(d->Tabs()->currentIndex(), 0);
        for (QLabel* l : d->findChildren<QLabel*>())
            QVERIFY2(!l->text().contains(QLatin1String("first")), qPrintable(l->objectName()));
        for (QPlainTextEdit* b : d->findChildren<QPlainTextEdit*>())
            QVERIFY2(!b->toPlainText().contains(QLatin1String("first")), qPrintable(b->objectName()));
    }

    void aViewWithoutProfileLeavesTheProfileAlone() {
        ResultTexts view = SampleView("x");
        view.profileSign.reset();
        display_->Present(view);
        QCOMPARE(Label(display_.get(), "vedicName")->text(), QStringLiteral("vedicName"));
        QCOMPARE(Box(display_.get(), "looksText")->toPlainText(), QStringLiteral("looksText"));
        QCOMPARE(Label(display_.get(), "planetValue0")->text(), QStringLiteral("x planet 0"));
    }

    // Typed texts are shown as typed, never read as markup.
    void typedTextsAreShownLiterally() {
        ResultTexts view = SampleView("t");
        view.details.city = "<b>Pune</b>";
        view.details.latitude = "8\xC2\xB0 5' N";
        display_->Present(view);
        QCOMPARE(Label(display_.get(), "cityValue")->textFormat(), Qt::PlainText);
        QCOMPARE(Label(display_.get(), "cityValue")->text(), QStringLiteral("<b>Pune</b>"));
        QCOMPARE(Label(display_.get(), "latitudeValue")->text(), QStringLiteral("8\u00B0 5' N"));
    }

    // The pages' layouts are what the chart draws, in the chosen style; the middle's link
    // goes with a style that has no middle.
    void chartDrawsThePagesLayouts() {
        const print::ChartPageTexts pages = WorkedExamplePages();
        display_->SetPageTexts(pages);
        ChartStylePanel* panel = display_->StylePanel();
        QWidget* centre = display_->findChild<QWidget*>("centreSquare");
        for (const ChartStyle style : {ChartStyle::North, ChartStyle::East, ChartStyle::South}) {
            panel->SetStyle(style);
            const ChartLayout& shown = panel->View()->Layout();
            QCOMPARE(shown.style, style);
            for (int s = 0; s < kSignCount; ++s) {
                const auto& expected = pages.layouts[static_cast<int>(style)].cells[s];
                QCOMPARE(shown.cells[s].items.size(), expected.items.size());
                for (std::size_t i = 0; i < expected.items.size(); ++i)
                    QCOMPARE(shown.cells[s].items[i].text, expected.items[i].text);
                QCOMPARE(shown.cells[s].blankMarkerLines, expected.blankMarkerLines);
            }
            QCOMPARE(centre->isVisibleTo(panel->View()), style != ChartStyle::North);
        }
        QCOMPARE(panel->View()->Layout().cells[3].items.back().text, std::string("GL"));
    }

    // A crowded cell keeps every line inside it: empty lines go first, then the font shrinks,
    // then texts share lines; a text is never broken.
    void crowdedCellsStayInsideTheirCells() {
        display_->resize(1300, 700);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        auto* view = display_->StylePanel()->View();
        const ChartFonts fonts = ChartLayoutView::Fonts();
        const SouthCellBoxes boxes = SouthBoxes(CellRect(view, 4), fonts, view);
        QVERIFY(boxes.bodies.right() <= boxes.markers.left());
        const std::vector<QString> ten = {"Sun",         "Moon",       "Mercury (R)", "Venus (R)",
                                          "Mars (R)",    "Jupiter (R)", "Saturn (R)", "Rahu",
                                          "Ketu",        "Asc"};
        const SouthColumnFit fitted = FitSouthColumn(ten, 1, fonts.bodies, boxes.bodies.size(),
                                                     fonts.smallestPoints, view);
        QVERIFY(fitted.fits);
        QVERIFY(fitted.pointSize < fonts.bodies.pointSizeF());
        QCOMPARE(fitted.emptyLines, 0);
        QCOMPARE(fitted.lines.size(), std::size_t{10});
        QCOMPARE(fitted.lines.back(), std::vector<int>{9});

        // The markers' empty lines are given up before the size.
        const SouthColumnFit deep = FitSouthColumn({"GL"}, 21, fonts.markers, boxes.markers.size(),
                                                   fonts.smallestPoints, view);
        QVERIFY(deep.fits);
        QVERIFY(deep.emptyLines > 0 && deep.emptyLines < 21);
        QCOMPARE(deep.pointSize, fonts.markers.pointSizeF());

        const SouthColumnFit normal = FitSouthColumn({"Sun", "Mercury"}, 1, fonts.bodies,
                                                     boxes.bodies.size(), fonts.smallestPoints, view);
        QCOMPARE(normal.emptyLines, 1);
        QCOMPARE(normal.pointSize, fonts.bodies.pointSizeF());
        QCOMPARE(normal.lines.size(), std::size_t{2});

        // A box too small for one text per line at the smallest size: texts share lines.
        const SouthColumnFit tiny = FitSouthColumn(ten, 1, fonts.bodies, QSizeF(300, 40),
                                                   fonts.smallestPoints, view);
        QVERIFY(tiny.fits);
        QVERIFY(tiny.lines.size() < ten.size());
        // An empty line that must stay (under a wide number) is kept at every size.
        const SouthColumnFit kept = FitSouthColumn(ten, 1, fonts.bodies, QSizeF(300, 40),
                                                   fonts.smallestPoints, view, 1);
        QCOMPARE(kept.emptyLines, 1);
        QCOMPARE(FitSouthColumn(ten, 1, fonts.bodies, boxes.bodies.size(), fonts.smallestPoints,
                                view, 1)
                     .emptyLines,
                 1);
    }

    // Each text is shown whole: its box is as tall as the wrapped text, with nothing to
    // scroll, whatever the text's length; the boxes stay locked.
    void textBoxesAreLockedAndShowTheirWholeText() {
        ResultTexts view = SampleView("s");
        std::string longText;
        for (int i = 0; i < 40; ++i) longText += "You are a patient person and deeply sensitive. ";
        view.profile[ProfileArray::NatureText] = Kept(longText);
        display_->resize(1200, 700);
        display_->Present(view);
        display_->Tabs()->setCurrentIndex(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QTest::qWait(1);
        for (const char* name : {"natureText", "looksText"}) {
            QPlainTextEdit* box = Box(display_.get(), name);
            QVERIFY2(box->height() >= box->heightForWidth(box->width()), name);
            QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        }
        QPlainTextEdit* box = Box(display_.get(), "natureText");
        QVERIFY(box->height() > 4 * Box(display_.get(), "looksText")->height());
        QCOMPARE(box->toPlainText(), QString::fromStdString(longText));  // nothing cut off
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), QString::fromStdString(longText));
    }

    // Another program's clipboard text survives everything the user can do over the boxes.
    void foreignClipboardTextSurvives() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        display_->Present(SampleView("c"));
        display_->Tabs()->setCurrentIndex(1);
        PutForeignText(QStringLiteral("from another program"));
        for (const QString& name : kTextBoxes) {
            QPlainTextEdit* box = Box(display_.get(), name);
            QWidget* surface = box->viewport();
            MoveOver(surface, QPoint(10, 10));
            MoveOver(surface, QPoint(20, 12));
            QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(10, 10));
            MoveOver(surface, QPoint(60, 20), Qt::LeftButton);
            QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(60, 20));
            QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(30, 10));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(clipboard->text(), QStringLiteral("from another program"));
            QVERIFY(!box->textCursor().hasSelection());
        }
        display_->Present(SampleView("d"));  // new texts (their Change) leave it alone too
        QCOMPARE(clipboard->text(), QStringLiteral("from another program"));
    }

    // Text that did leave a box is taken off the clipboard by the next mouse movement over
    // any box, or by the next change of their texts.
    void profileTextOnTheClipboardIsCleared() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        display_->Present(SampleView("c"));
        display_->Tabs()->setCurrentIndex(1);
        QPlainTextEdit* looks = Box(display_.get(), "looksText");
        QPlainTextEdit* health = Box(display_.get(), "healthText");

        QTextCursor all(looks->document());
        all.select(QTextCursor::Document);
        looks->setTextCursor(all);
        looks->copy();  // the only road out: a program-made selection
        QCOMPARE(clipboard->text(), QStringLiteral("c LooksText"));
        QVERIFY(clipboard->mimeData()->hasFormat(kProfileTextMime));
        MoveOver(health->viewport(), QPoint(15, 15));
        MoveOver(health->viewport(), QPoint(25, 15));
        QVERIFY(clipboard->text().isEmpty());

        looks->copy();
        QCOMPARE(clipboard->text(), QStringLiteral("c LooksText"));
        display_->Present(SampleView("e"));
        QVERIFY(clipboard->text().isEmpty());

        // Foreign data that merely equals a profile text is not ours and stays.
        PutForeignText(QStringLiteral("e LooksText"));
        MoveOver(looks->viewport(), QPoint(15, 15));
        MoveOver(looks->viewport(), QPoint(25, 15));
        QCOMPARE(clipboard->text(), QStringLiteral("e LooksText"));
    }

    // The facts, clock notes, windows, classic ghati lagna and range as the chart layer wrote
    // them; a later presentation without them clears and hides their controls.
    void panelsShowTheChartLayersTexts() {
        ResultPanelTexts panels;
        panels.facts = {{"Birth :", "August 15, 1990, 10:30:00"}, {"Time Zone :", "UTC+05:30"}};
        panels.clockNotes = {"First note.", "Second note."};
        panels.windows = {"GL window", "Ascendant window", "Moon window", "Chart window"};
        panels.classicComparison = "Classic: 19 Can 35";
        panels.settingsCaption = "Calculation :";
        panels.settings = "modern, lahiri ayanamsa, mean node, hindu sunrise";
        panels.range = {{"10:25:00", "10:25:20", "Cancer", "Virgo", "Taurus", false},
                        {"10:25:21", "10:30:59", "Leo", "Virgo", "Taurus", true}};
        panels.rangeCaption = "Charts for births within 5 minutes";
        ResultsWindow* d = display_.get();
        d->Present(SampleView("p"), panels);

        QCOMPARE(Label(d, "factCaption0")->text(), QStringLiteral("Birth :"));
        QCOMPARE(Label(d, "factValue0")->text(), QStringLiteral("August 15, 1990, 10:30:00"));
        QCOMPARE(Label(d, "factValue1")->text(), QStringLiteral("UTC+05:30"));
        QCOMPARE(Label(d, "clockNotes")->text(), QStringLiteral("First note.\nSecond note."));
        QCOMPARE(Label(d, "ghatiLagnaWindow")->text(), QStringLiteral("GL window"));
        QCOMPARE(Label(d, "classicComparison")->text(), QStringLiteral("Classic: 19 Can 35"));
        const char* lines[] = {"ghatiLagnaWindowLine", "ascendantWindow", "moonWindow",
                               "chartWindow"};
        const char* texts[] = {"GL window", "Ascendant window", "Moon window", "Chart window"};
        for (int i = 0; i < 4; ++i) QCOMPARE(Label(d, lines[i])->text(), QString::fromLatin1(texts[i]));
        QCOMPARE(Label(d, "settingsLine")->text(),
                 QStringLiteral("Calculation : modern, lahiri ayanamsa, mean node, hindu sunrise"));
        QCOMPARE(Label(d, "classicComparisonLine")->text(), QStringLiteral("Classic: 19 Can 35"));
        for (const char* name : {"clockNotes", "ghatiLagnaWindow", "classicComparison"})
            QVERIFY2(!Label(d, name)->isHidden(), name);

        auto* table = d->findChild<QTableWidget*>(QStringLiteral("rangeTable"));
        QVERIFY(table && !table->isHidden());
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 5);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Ghati lagna"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("10:25:21"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Leo"));
        // The entered time's span is marked, the other not.
        QVERIFY(table->item(1, 0)->font().bold());
        QVERIFY(!table->item(0, 0)->font().bold());
        QVERIFY(!table->verticalHeaderItem(1)->text().isEmpty());
        QVERIFY(table->verticalHeaderItem(0)->text().isEmpty());
        QCOMPARE(Label(d, "rangeCaption")->text(), QStringLiteral("Charts for births within 5 minutes"));

        d->Present(SampleView("q"), ResultPanelTexts{});
        for (const char* name : {"clockNotes", "ghatiLagnaWindow", "classicComparison",
                                 "rangeCaption", "chartWindow", "settingsLine",
                                 "classicComparisonLine"})
            QVERIFY2(Label(d, name)->isHidden(), name);
        QVERIFY(table->isHidden());
        QVERIFY(!d->findChild<QLabel*>(QStringLiteral("factCaption0")));

        // A range that cannot be searched says why, with no table.
        ResultPanelTexts failed;
        failed.rangeError = "the range is longer than 24 hours";
        d->Present(SampleView("r"), failed);
        QCOMPARE(Label(d, "rangeCaption")->text(), QStringLiteral("the range is longer than 24 hours"));
        QVERIFY(!Label(d, "rangeCaption")->isHidden());
        QVERIFY(table->isHidden());
    }

    // The box announces the user's changes only; the chart's own minutes are shown quietly.
    void uncertaintyBoxAnnouncesTheUsersChanges() {
        QSignalSpy changes(display_.get(), &ResultsWindow::uncertaintyChanged);
        QSpinBox* box = display_->UncertaintyBox();
        QCOMPARE(box->value(), 0);
        QCOMPARE(box->maximum(), 720);
        display_->SetUncertaintyMinutes(5);
        QCOMPARE(box->value(), 5);
        QCOMPARE(changes.count(), 0);
        // Steps in quick succession ask once, for the last value, after the pause.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(changes.count(), 0);
        QVERIFY(changes.wait(2000));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toInt(), 7);
        QCOMPARE(Label(display_.get(), "uncertaintyCaption")->text(),
                 QStringLiteral("Birth time uncertain by \u00B1"));
        QCOMPARE(Label(display_.get(), "uncertaintyUnit")->text(), QStringLiteral("minutes"));
    }

    void linkLabelsOpenTheHomePage() {
        RecordingBrowser browser(services_);
        QTest::mouseClick(Label(display_.get(), "makerSiteLink"), Qt::LeftButton);
        QTest::mouseClick(Label(display_.get(), "centreLink"), Qt::LeftButton);
        QTest::mouseClick(Label(display_.get(), "promotionLine"), Qt::LeftButton);  // no action
        QCOMPARE(browser.opened.size(), 2);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
