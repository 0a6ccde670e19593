#include "ui/app_frame.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/link_label.h"
#include "ui/print/chart_print_actions.h"
#include "ui/product_config.h"
#include "ui/results_window.h"
#include "ui/standard_palette.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"

namespace kalodaya::ui {
namespace {

constexpr int kDesignClientWidth = 11880, kDesignClientHeight = 8190;
constexpr int kTopBarHeight = 795, kBottomBarHeight = 585;
constexpr int kButtonWidth = 1335, kButtonHeight = 400, kButtonTop = 120;
constexpr int kExitGap = 300, kBackGap = 100;

void PaintSlate(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kSlate);
    p.setColor(QPalette::WindowText, Qt::white);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QPushButton* WhiteButton(const QString& name, const QString& caption, const QFont& font,
                         QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    QPalette p = button->palette();
    p.setColor(QPalette::Button, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(p);
    button->setGeometry(TwipRect(0, kButtonTop, kButtonWidth, kButtonHeight));
    return button;
}

QAction* AddEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

}  // namespace

AppFrame::AppFrame(Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("appFrame"));
    setWindowTitle(kCaption);
    PaintSlate(this);
    menuBar()->setPalette(StandardPalette());
    menuBar()->setAutoFillBackground(true);
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildTopBar());

    area_ = new QMdiArea(central);
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setBackground(kSlate);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(area_, 1);
    layout->addWidget(BuildBottomBar());
    setCentralWidget(central);

    // The frame's load: the results window, shown as the area's only child. It has no
    // close box, so it cannot be lost while the frame is open.
    display_ = new ResultsWindow(services_);
    displayWindow_ = area_->addSubWindow(
        display_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    displayWindow_->setWindowTitle(ResultsWindow::Caption());
    displayWindow_->setOption(QMdiSubWindow::RubberBandMove, false);
    displayWindow_->adjustSize();
    displayWindow_->move(0, 0);
    displayWindow_->show();

    // The results window's print and export entries head the File menu.
    QMenu* file = findChild<QMenu*>(QStringLiteral("fileMenu"));
    QAction* back = findChild<QAction*>(QStringLiteral("backAction"));
    file->insertActions(back, display_->PrintActions()->Actions());
    file->insertSeparator(back);

    PlaceInitially();
}

void AppFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("kalodaya::ui::AppFrame", "&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(AddEntry(file, QStringLiteral("backAction"), QCoreApplication::translate("kalodaya::ui::AppFrame", "&Back")),
            &QAction::triggered, this, [this] { backButton_->click(); });
    connect(AddEntry(file, QStringLiteral("exitAction"), QCoreApplication::translate("kalodaya::ui::AppFrame", "E&xit")),
            &QAction::triggered, this, [this] { exitButton_->click(); });

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("kalodaya::ui::AppFrame", "&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(AddEntry(help, QStringLiteral("onlineHelpAction"), QCoreApplication::translate("kalodaya::ui::AppFrame", "&Online Help")),
            &QAction::triggered, this, [this] { OpenOnlineHelp(*services_.browser); });
    connect(AddEntry(help, QStringLiteral("visitUsAction"), QCoreApplication::translate("kalodaya::ui::AppFrame", "&Visit Us Online")),
            &QAction::triggered, this, [this] { OpenHomePage(*services_.browser); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("checkUpdateAction"),
                     QCoreApplication::translate("kalodaya::ui::AppFrame", "Check for Software &Update")),
            &QAction::triggered, this, [this] { OpenDownloadPage(*services_.browser); });
    help->addSeparator();
    connect(AddEntry(help, QStringLiteral("aboutAction"), QCoreApplication::translate("kalodaya::ui::AppFrame", "&About Software")),
            &QAction::triggered, this, &AppFrame::aboutRequested);

    QAction* donate = menuBar()->addAction(QCoreApplication::translate("kalodaya::ui::AppFrame", "&Donate"));
    donate->setObjectName(QStringLiteral("donateAction"));
    connect(donate, &QAction::triggered, this, [this] { OpenDonatePage(*services_.browser); });
    QAction* promotion = menuBar()->addAction(config::Shown(config::kPromotionMenuText));
    promotion->setObjectName(QStringLiteral("makeMoneyAction"));
    connect(promotion, &QAction::triggered, this,
            [this] { OpenFullBrandPage(*services_.browser); });
}

QWidget* AppFrame::BuildTopBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("topBar"));
    PaintSlate(bar);
    bar->setFixedHeight(Px(kTopBarHeight));
    auto* title = new QLabel(QStringLiteral("Kalodaya"), bar);
    title->setObjectName(QStringLiteral("frameTitle"));
    title->setFont(Verdana(21.75, true));
    title->adjustSize();
    title->move(Px(360), Px(120));
    return bar;
}

QWidget* AppFrame::BuildBottomBar() {
    bottomBar_ = new QWidget(this);
    bottomBar_->setObjectName(QStringLiteral("bottomBar"));
    PaintSlate(bottomBar_);
    bottomBar_->setFixedHeight(Px(kBottomBarHeight));

    auto* promotion = new LinkLabel(config::Shown(config::kFramePromotion), bottomBar_);
    promotion->setObjectName(QStringLiteral("framePromotion"));
    promotion->setFont(Verdana(8.25, true, true));
    promotion->adjustSize();
    promotion->move(Px(120), Px(kButtonTop) + (Px(kButtonHeight) - promotion->height()) / 2);
    connect(promotion, &LinkLabel::clicked, this,
            [this] { OpenFullBrandPage(*services_.browser); });

    backButton_ = WhiteButton(QStringLiteral("backButton"), QCoreApplication::translate("kalodaya::ui::AppFrame", "&Back"),
                              NamedFont(QStringLiteral("MS Sans Serif"), 8.25, true), bottomBar_);
    exitButton_ = WhiteButton(QStringLiteral("exitButton"), QCoreApplication::translate("kalodaya::ui::AppFrame", "E&xit"),
                              Verdana(8.25, true), bottomBar_);
    connect(backButton_, &QPushButton::clicked, this, &AppFrame::backRequested);
    connect(exitButton_, &QPushButton::clicked, this, &AppFrame::exitRequested);
    return bottomBar_;
}

void AppFrame::PlaceInitially() {
    // The design size, enlarged where needed to show the whole results window, within the
    // screen's free area, centred on the screen.
    QSize size(Px(kDesignClientWidth), Px(kDesignClientHeight));
    // Nested layouts of a shown window pass new sizes up one level per pending request: let
    // them all through before measuring the window.
    for (int level = 0; level < 8; ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    displayWindow_->adjustSize();
    const QSize content = displayWindow_->size();
    const int chrome = menuBar()->sizeHint().height() + Px(kTopBarHeight) + Px(kBottomBarHeight);
    size = size.expandedTo(QSize(content.width() + 4, content.height() + chrome + 4));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        size = size.boundedTo(free.size() - QSize(16, 48));
        resize(size);
        move(free.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size);
    }
    ApplyResizeRule();
}

void AppFrame::ApplyResizeRule() {
    if (displayWindow_) {
        // The results window takes the room the area has, up to its own preferred size and
        // never below its minimum (the area scrolls then), centred across the area.
        const QSize room = area_->size() - QSize(2 * area_->frameWidth(), 2 * area_->frameWidth());
        const QSize size = displayWindow_->sizeHint()
                               .boundedTo(room)
                               .expandedTo(displayWindow_->minimumSizeHint());
        if (displayWindow_->size() != size) displayWindow_->resize(size);
        const int left = std::max(0, (area_->viewport()->width() - displayWindow_->width()) / 2);
        displayWindow_->move(left, displayWindow_->y());
    }
    const int exitLeft = width() - Px(kButtonWidth) - Px(kExitGap);
    exitButton_->move(exitLeft, exitButton_->y());
    backButton_->move(exitLeft - Px(kButtonWidth) - Px(kBackGap), backButton_->y());
}

void AppFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyResizeRule();
}

void AppFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ApplyResizeRule();
}

void AppFrame::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program; the controller does the rest.
    event->accept();
    emit exitRequested();
}

}  // namespace kalodaya::ui
