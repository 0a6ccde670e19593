// The application frame and the About box: layout, the resize rule, the menus and every
// command they carry (the web pages captured instead of opening a browser).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "recording_services.h"
#include "ui/about_box.h"
#include "ui/app_frame.h"
#include "ui/product_config.h"
#include "ui/results_window.h"
#include "ui/ui_style.h"

using namespace kalodaya::ui;
using namespace kalodaya::ui::testing;

namespace {

// A menu as "caption|objectName" lines, separators as "-".
QStringList Entries(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') + a->objectName());
    return out;
}

QUrl Page(const QString& site, const QString& path = QString()) { return QUrl(site + path); }

}  // namespace

class AppFrameTest : public QObject {
    Q_OBJECT

private:
    Services services_ = DesktopServices();
    std::unique_ptr<AppFrame> frame_;

private slots:
    void init() {
        frame_ = std::make_unique<AppFrame>(services_);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void cleanup() { frame_.reset(); }

    void frameHoldsTheResultsWindowBetweenItsBars() {
        QCOMPARE(frame_->objectName(), QStringLiteral("appFrame"));
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Kalodaya v1.20"));
        QWidget* top = frame_->findChild<QWidget*>("topBar");
        QWidget* bottom = frame_->findChild<QWidget*>("bottomBar");
        QCOMPARE(top->height(), Px(795));
        QCOMPARE(bottom->height(), Px(585));
        QCOMPARE(top->width(), frame_->width());
        QCOMPARE(frame_->findChild<QLabel*>("frameTitle")->text(), QStringLiteral("Kalodaya"));
        QCOMPARE(frame_->findChild<QLabel*>("frameTitle")->pos(), QPoint(Px(360), Px(120)));
        QCOMPARE(frame_->findChild<QPushButton*>("backButton")->text(), QStringLiteral("&Back"));
        QCOMPARE(frame_->findChild<QPushButton*>("exitButton")->text(), QStringLiteral("E&xit"));
        QCOMPARE(frame_->findChild<QPushButton*>("exitButton")->size(), QSize(Px(1335), Px(400)));
        QCOMPARE(frame_->findChild<QPushButton*>("exitButton")->y(), Px(120));

        const QList<QMdiSubWindow*> children = frame_->Area()->subWindowList();
        QCOMPARE(children.size(), 1);
        QCOMPARE(children[0]->widget(), frame_->Display());
        QCOMPARE(children[0]->windowTitle(), QStringLiteral("Divitional chart"));
        QVERIFY(frame_->Display()->isVisible());
        QVERIFY(!(children[0]->windowFlags() & Qt::WindowCloseButtonHint));
    }

    void resizeKeepsExitAndBackAtTheirDistanceFromTheRight() {
        QPushButton* exit = frame_->findChild<QPushButton*>("exitButton");
        QPushButton* back = frame_->findChild<QPushButton*>("backButton");
        QMdiSubWindow* child = frame_->DisplayWindow();
        for (int width : {700, 1000, 1300, 820, 500}) {
            frame_->resize(width, 600);
            QCOMPARE(frame_->width(), width);
            QWidget* bar = exit->parentWidget();
            QCOMPARE(bar->width(), width);
            QCOMPARE(exit->x(), width - Px(1335) - Px(300));
            QCOMPARE(back->x(), exit->x() - Px(1335) - Px(100));
            QCOMPARE(exit->y(), Px(120));
            QCOMPARE(back->y(), Px(120));
            // The results window is centred across the frame (at the left edge when wider).
            const int room = frame_->Area()->viewport()->width();
            QCOMPARE(child->x(), std::max(0, (room - child->width()) / 2));
            // It takes the room there is, down to its own minimum (the area scrolls then).
            QCOMPARE(child->width(), std::max(child->minimumSizeHint().width(),
                                              std::min(child->sizeHint().width(),
                                                       frame_->Area()->width() -
                                                           2 * frame_->Area()->frameWidth())));
        }
    }

    void menusAreExactlyAsListed() {
        QMenuBar* bar = frame_->menuBar();
        QCOMPARE(Entries(bar->actions()), QStringList({"&File|", "&Help|", "&Donate|donateAction",
                                                       QString(config::kPromotionMenuText) + "|makeMoneyAction"}));
        QCOMPARE(Entries(bar->actions()[0]->menu()->actions()),
                 QStringList({"&Print\u2026|printAction", "Export P&DF\u2026|exportPdfAction",
                              "Export &Image\u2026|exportImageAction", "-", "&Back|backAction",
                              "E&xit|exitAction"}));
        QCOMPARE(Entries(bar->actions()[1]->menu()->actions()),
                 QStringList({"&Online Help|onlineHelpAction", "&Visit Us Online|visitUsAction",
                              "-", "Check for Software &Update|checkUpdateAction", "-",
                              "&About Software|aboutAction"}));
    }

    void menuCommandsOpenTheirPages() {
        RecordingBrowser browser(services_);
        const QList<std::pair<const char*, QUrl>> cases = {
            {"onlineHelpAction", Page(config::kProductSite, "/kalodaya-free-help.html")},
            {"visitUsAction", Page(config::kMakerHome)},
            {"checkUpdateAction", Page(config::kProductSite, "/download-kalodaya-free.html")},
            {"donateAction", Page(config::kMakerHelpSite, "/donate.html")},
            {"makeMoneyAction", Page(config::kMakerHelpSite, "/fully-branded.html")},
        };
        for (const auto& [name, url] : cases) {
            browser.opened.clear();
            frame_->findChild<QAction*>(name)->trigger();
            QCOMPARE(browser.opened, QList<QUrl>{url});
        }
        browser.opened.clear();
        QTest::mouseClick(
            frame_->findChild<QWidget*>("bottomBar")->findChild<QLabel*>("framePromotion"),
            Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>{Page(config::kMakerHelpSite, "/fully-branded.html")});
        QVERIFY(frame_->isVisible());  // the links leave the windows as they were
    }

    void backExitAboutAndTheCloseBoxAreSignalled() {
        QSignalSpy back(frame_.get(), &AppFrame::backRequested);
        QSignalSpy exit(frame_.get(), &AppFrame::exitRequested);
        QSignalSpy about(frame_.get(), &AppFrame::aboutRequested);
        QTest::mouseClick(frame_->findChild<QPushButton*>("backButton"), Qt::LeftButton);
        frame_->findChild<QAction*>("backAction")->trigger();
        QCOMPARE(back.size(), 2);
        QTest::mouseClick(frame_->findChild<QPushButton*>("exitButton"), Qt::LeftButton);
        frame_->findChild<QAction*>("exitAction")->trigger();
        QCOMPARE(exit.size(), 2);
        frame_->findChild<QAction*>("aboutAction")->trigger();
        QCOMPARE(about.size(), 1);
        frame_->close();
        QCOMPARE(exit.size(), 3);
    }

    void aboutBoxTextsAndLinks() {
        RecordingBrowser browser(services_);
        AboutBox about(services_);
        about.show();
        QVERIFY(about.isModal());
        QCOMPARE(about.windowTitle(), QStringLiteral("Kalodaya v1.20"));
        QCOMPARE(about.palette().color(QPalette::Window), kSlate);
        QCOMPARE(about.findChild<QLabel*>("titleLabel")->text(), QStringLiteral("Kalodaya v1.20"));
        QCOMPARE(
            about.findChild<QLabel*>("descriptionLabel")->text(),
            QStringLiteral("Kalodaya is a special Lagna (Ascendant) calculated on the basis of "
                           "Vedic Astrology. Ghati Lagna signifies the importance of self in "
                           "terms of fame, power, authority and status. This is important for "
                           "analysis of progress in career, power of politicians etc."));
        const QLabel* credit = about.findChild<QLabel*>("atlasCredit");
        QVERIFY(credit->text().contains(QStringLiteral("GeoNames (geonames.org), CC BY 4.0")));
        for (const char* neighbour : {"descriptionLabel", "homePageLink"})
            QVERIFY2(!credit->geometry().intersects(about.findChild<QLabel*>(neighbour)->geometry()),
                     neighbour);
        const QLabel* licence = about.findChild<QLabel*>("licenceLabel");
        QVERIFY(licence->text().contains(QStringLiteral("AGPL-3.0-or-later")));
        for (const char* neighbour : {"coBrandLink", "okButton"})
            QVERIFY2(!licence->geometry().intersects(about.findChild<QWidget*>(neighbour)->geometry()),
                     neighbour);
        QVERIFY(!about.findChild<QLabel*>("aboutIcon")->pixmap().isNull());
        QPushButton* ok = about.findChild<QPushButton*>("okButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), TwipRect(5070, 3360, 1260, 345));

        QTest::mouseClick(about.findChild<QLabel*>("homePageLink"), Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel*>("coBrandLink"), Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>({Page(config::kMakerHome),
                                             Page(config::kMakerHelpSite, "/fully-branded.html")}));
        QVERIFY(about.isVisible());  // links do not close it
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AppFrameTest)
#include "app_frame_test.moc"
