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
#include <deque>

#include "base/tables.h"
#include "profile/sign_profile.h"
#include "recording_services.h"
#include "ui/cell_label.h"
#include "ui/profile_text_box.h"
#include "ui/results_window.h"
#include "ui/ui_style.h"

using namespace kalodaya;
using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

const QStringList kSignCells = {"ariesCell",       "taurusCell",    "geminiCell",   "cancerCell",
                                "leoCell",         "virgoCell",     "libraCell",    "scorpioCell",
                                "sagittariusCell", "capricornCell", "aquariusCell", "piscesCell"};
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
    std::unique_ptr<ResultsWindow> display_;

private slots:
    void init() {
        display_ = std::make_unique<ResultsWindow>();
        display_->show();
        QVERIFY(QTest::qWaitForWindowExposed(display_.get()));
    }
    void cleanup() { display_.reset(); }

    void windowTabsAndHeader() {
        ResultsWindow* d = display_.get();
        QCOMPARE(d->windowTitle(), QStringLiteral("Divitional chart"));
        QCOMPARE(d->size(), QSize(Px(12735), Px(8670)));
        QCOMPARE(d->palette().color(QPalette::Window), kSlate);
        QTabWidget* tabs = d->findChild<QTabWidget*>("resultsTabs");
        QCOMPARE(tabs, d->Tabs());
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Ghati Lagna - Chart"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Ghati Lagna Details"));
        QCOMPARE(tabs->geometry(), TwipRect(240, 960, 12255, 7680));
        QCOMPARE(Label(d, "significanceTitle")->text(),
                 QStringLiteral("Significance of Ghati Lagna"));
        QVERIFY(Label(d, "significanceTitle")->font().underline());
        QCOMPARE(Label(d, "lagnaSignCaption")->text(),
                 QStringLiteral("Ghati Lagna Present In Sign"));
        QVERIFY(Label(d, "lagnaSignCaption")->alignment() & Qt::AlignRight);
        QCOMPARE(Label(d, "significanceLine")->text(),
                 QStringLiteral("Ghati Lagna signifies the importance of self in terms of fame, "
                                "power, authority and status"));
        QCOMPARE(Label(d, "lagnaSign")->geometry(), TwipRect(3120, 680, 3105, 240));
        QCOMPARE(Label(d, "lagnaSign")->palette().color(QPalette::WindowText), kYellow);
        QCOMPARE(Label(d, "makerSiteLink")->cursor().shape(), Qt::PointingHandCursor);
    }

    // The frames stand where they were drawn relative to the tab control, whatever height the
    // style gives the tab row.
    void pagesKeepTheirTwipPositions() {
        QTabWidget* tabs = display_->Tabs();
        QCOMPARE(RectIn(display_->findChild<QWidget*>("chartBackground"), tabs),
                 TwipRect(120, 360, 8415, 7215));
        QCOMPARE(RectIn(display_->findChild<QWidget*>("planetTable"), tabs),
                 TwipRect(8640, 3240, 3495, 4335));
        QCOMPARE(RectIn(display_->findChild<QWidget*>("detailsFrame"), tabs),
                 TwipRect(8640, 360, 3490, 2775));
        tabs->setCurrentIndex(1);
        QCOMPARE(RectIn(display_->findChild<QWidget*>("profilePanel"), tabs),
                 TwipRect(120, 360, 12015, 7215));
        QCOMPARE(display_->findChild<QGroupBox*>("chartFrame")->title(), QStringLiteral("Hora"));
        QCOMPARE(display_->findChild<QGroupBox*>("planetTable")->title(),
                 QStringLiteral("Vedic Planetary Position"));
        QCOMPARE(display_->findChild<QGroupBox*>("detailsFrame")->title(),
                 QStringLiteral("Your Details"));
    }

    // The fixed-sign square: each sign's labels lie inside its own cell, and the cells are
    // where the signs belong (Pisces top-left, Aries next to it, clockwise).
    void signsHaveTheirFixedCells() {
        QWidget* chart = display_->findChild<QWidget*>("chartFrame");
        const int columnOf[kSignCount] = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
        const int rowOf[kSignCount] = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};
        const int edgesX[] = {120, 2085, 4050, 6015}, edgesY[] = {135, 1815, 3495, 5175};
        for (int s = 0; s < kSignCount; ++s) {
            QWidget* shape = chart->findChild<QWidget*>(QStringLiteral("signSquare%1").arg(84 + s));
            QVERIFY(shape);
            QCOMPARE(shape->pos(), TwipRect(edgesX[columnOf[s]], edgesY[rowOf[s]], 0, 0).topLeft());
            const QRect cell = shape->geometry();
            QLabel* content = Label(chart, kSignCells[s]);
            QLabel* marker = Label(chart, QStringLiteral("marker%1").arg(s));
            QLabel* house = Label(chart, QStringLiteral("houseNumber%1").arg(s));
            QVERIFY2(cell.contains(content->geometry()), qPrintable(kSignCells[s]));
            QVERIFY2(cell.contains(marker->geometry()), qPrintable(marker->objectName()));
            QVERIFY2(cell.adjusted(0, -Px(30), 0, 0).contains(house->geometry()),
                     qPrintable(house->objectName()));
            QCOMPARE(content->text(), kSignCells[s]);  // the design caption is the control's name
            QCOMPARE(content->size(), QSize(Px(1305), Px(1500)));
            QCOMPARE(marker->text(), QStringLiteral("A12"));
            QCOMPARE(marker->palette().color(QPalette::WindowText), kCyan);
            QCOMPARE(house->text(), QString::number(s + 1));
        }
        QCOMPARE(Label(chart, "ariesCell")->pos(), TwipRect(2280, 240, 0, 0).topLeft());
        QCOMPARE(Label(chart, "sagittariusCell")->pos(), TwipRect(240, 5280, 0, 0).topLeft());
        QCOMPARE(Label(chart, "marker6")->pos(), TwipRect(5520, 5280, 0, 0).topLeft());
        QCOMPARE(chart->findChild<QWidget*>("centreSquare")->pos(),
                 TwipRect(2085, 1815, 0, 0).topLeft());
        QCOMPARE(chart->findChild<QWidget*>("chartOutline")->pos(),
                 TwipRect(100, 120, 0, 0).topLeft());
    }

    void planetTableAndDetailCaptions() {
        const int nameIndex[kBodyCount] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 16};
        const QStringList captions = {"Surya/Sun",    "Chandra/Moon",   "Budha/Mercury",
                                      "Shukra/Venus", "Mangala/Mars",   "Guru/Jupiter",
                                      "Shani/Saturn", "Rahu/North Node", "Ketu/South node",
                                      "Asc/Lagna"};
        for (int k = 0; k < kBodyCount; ++k) {
            QLabel* name =
                Label(display_.get(), QStringLiteral("planetCaption%1").arg(nameIndex[k]));
            QLabel* value = Label(display_.get(), QStringLiteral("planetValue%1").arg(k));
            QCOMPARE(name->text(), captions[k]);
            QCOMPARE(value->y(), name->y());
            QCOMPARE(value->y(), Px(360 + 390 * k));
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
        QCOMPARE(Box(page, "natureText")->geometry(), TwipRect(3960, 5280, 4215, 735));

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
        for (int s = 0; s < kSignCount; ++s)
            QCOMPARE(Label(d, kSignCells[s])->text(), QStringLiteral("\nfirst body %1").arg(s));
        QCOMPARE(Label(d, "marker4")->text(), QStringLiteral("\n\nGL"));
        QCOMPARE(Label(d, "marker0")->text(), QStringLiteral("\n"));
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

    // A crowded cell keeps every line inside it: spacer lines go first, then the font shrinks.
    void crowdedCellsStayInsideTheirCells() {
        auto* cell = qobject_cast<CellLabel*>(Label(display_.get(), "leoCell"));
        QVERIFY(cell);
        const QSize size = cell->contentsRect().size();
        const QString ten = QStringLiteral("\nSun\nMoon\nMercury (R) \nVenus (R) \nMars (R) \nJupiter (R) "
                                           "\nSaturn (R) \nRahu\nKetu\nAsc");
        const auto fitted = CellLabel::Fit(ten, cell->font(), size);
        QVERIFY(fitted.pointSize < cell->font().pointSizeF());
        QVERIFY(fitted.text.endsWith(QLatin1String("Asc")));
        QFont f = cell->font();
        f.setPointSizeF(fitted.pointSize);
        QVERIFY(QFontMetrics(f)
                    .boundingRect(QRect(QPoint(), size), Qt::TextWordWrap, fitted.text)
                    .height() <= size.height());

        auto* marker = qobject_cast<CellLabel*>(Label(display_.get(), "marker4"));
        const QString deep = QString(QLatin1Char('\n')).repeated(20) + QStringLiteral("GL");
        const auto markerFit = CellLabel::Fit(deep, marker->font(), marker->contentsRect().size());
        QVERIFY(markerFit.text.endsWith(QLatin1String("GL")));
        QCOMPARE(markerFit.pointSize, marker->font().pointSizeF());  // blank lines sufficed

        const QString normal = QStringLiteral("\nSun\nMercury");
        QCOMPARE(CellLabel::Fit(normal, cell->font(), size).text, normal);
    }

    void textBoxesAreLockedAndScroll() {
        ResultTexts view = SampleView("s");
        std::string longText;
        for (int i = 0; i < 40; ++i) longText += "You are a patient person and deeply sensitive. ";
        view.profile[ProfileArray::NatureText] = Kept(longText);
        display_->Present(view);
        display_->Tabs()->setCurrentIndex(1);
        QPlainTextEdit* box = Box(display_.get(), "natureText");
        QCOMPARE(box->toPlainText(), QString::fromStdString(longText));  // nothing cut off
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->toPlainText(), QString::fromStdString(longText));
        QTest::keyClick(box, Qt::Key_PageDown);
        QVERIFY(box->verticalScrollBar()->value() > 0);
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

    void linkLabelsOpenTheHomePage() {
        RecordingBrowser browser;
        QTest::mouseClick(Label(display_.get(), "makerSiteLink"), Qt::LeftButton);
        QTest::mouseClick(Label(display_.get(), "centreLink"), Qt::LeftButton);
        QTest::mouseClick(Label(display_.get(), "promotionLine"), Qt::LeftButton);  // no action
        QCOMPARE(browser.opened.size(), 2);
        browser.opened.clear();
        OpenHomePage();
        QCOMPARE(browser.opened.size(), 1);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
