#include "ui/app_controller.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

#include "profile/chart_words.h"
#include "ui/about_box.h"
#include "ui/app_frame.h"
#include "ui/app_icon.h"
#include "ui/entry_form.h"
#include "ui/message_boxes.h"
#include "ui/print/page_texts_from_outcome.h"
#include "ui/records_menu.h"
#include "ui/results_language.h"
#include "ui/results_window.h"
#include "ui/update_reminder.h"

namespace kalodaya::ui {

AppController::AppController(StartOptions options)
    : options_(std::move(options)),
      desktop_(options_.services ? Services{} : DesktopServices()),
      services_(options_.services ? *options_.services : desktop_),
      instance_(options_.lockPath) {
    if (!options_.quit) options_.quit = [] { QCoreApplication::quit(); };
}

AppController::~AppController() {
    delete frame_.data();
    for (const QPointer<AppFrame>& frame : unloaded_) delete frame.data();
}

bool AppController::Start() {
    if (!instance_.TryAcquire()) {
        services_.messages->Show(
            nullptr, {kAlreadyRunningMessage, QMessageBox::Information, QMessageBox::Ok});
        ShutdownApplication();
        return false;
    }
    if (!instance_.Problem().isEmpty())
        qWarning("Kalodaya: starting without the check for another running copy (%s)",
                 qPrintable(instance_.Problem()));
    language_ = options_.language ? *options_.language : StartLanguage(*LanguageSettings());
    translation_.Install(language_);
    if (options_.runUpdateReminder) UpdateReminder(options_.today(), services_);

    // Saved records: the database opens with the form; its one notice (a file set aside,
    // records that cannot be saved) comes once the form is on screen.
    store_ = options_.recordsPath ? records::RecordStore::Open(*options_.recordsPath)
                                  : records::RecordStore::OpenDefault();
    BuildForm();
    form_->ShowStartEntries();
    QTimer::singleShot(0, records_.get(), [menu = records_.get()] { menu->ShowNoticeOnce(); });

    form_->show();
    screen_ = Screen::Entry;
    emit entryShown();
    return true;
}

void AppController::BuildForm() {
    records_.reset();  // works on the form
    form_ = std::make_unique<EntryForm>(services_, language_);
    form_->setWindowIcon(AppIcon());
    connect(form_.get(), &EntryForm::chartRequested, this, &AppController::OnChartRequested);
    connect(form_.get(), &EntryForm::exitRequested, this, &AppController::ShutdownApplication);
    connect(form_.get(), &EntryForm::aboutRequested, this, &AppController::OnAbout);
    records_ = std::make_unique<RecordsMenu>(*form_, *store_, services_);
    form_->menuBar()->addMenu(BuildLanguageMenu(
        form_.get(), language_, [this](Language language) { ChangeLanguage(language); }));
    // The month list in the language (the form reads a month by its place in the list).
    if (language_ != Language::En)
        if (auto* months = form_->findChild<QComboBox*>(QStringLiteral("monthList")))
            for (int month = 0; month < 12 && month < months->count(); ++month)
                months->setItemText(
                    month, QString::fromUtf8(WordsOf(language_).monthNames[month].data(),
                                             static_cast<qsizetype>(
                                                 WordsOf(language_).monthNames[month].size())));
}

ChartOptions AppController::Options() const {
    ChartOptions options;
    // The results window shows the birth-time windows of every chart.
    options.timeWindows = true;
    if (language_ != Language::En) options.language = language_;
    return options;
}

void AppController::ChangeLanguage(Language language) {
    if (language == language_ || screen_ == Screen::NotStarted || screen_ == Screen::Ended) return;
    language_ = language;
    if (!options_.language) StoreLanguage(*LanguageSettings(), language);
    translation_.Install(language);
    // The windows are built again in the new language; the form gets its entries back, and a
    // chart on screen is made again from them.
    const BirthRequest request = form_->CurrentRequest();
    const QRect geometry = form_->geometry();
    BuildForm();
    form_->ShowRequest(request);
    form_->setGeometry(geometry);
    if (screen_ == Screen::Results) {
        // The chart on screen keeps the uncertainty the results window was given.
        outcome_ = RequestChart(request_, Options());
        ShowResults();
    } else {
        form_->show();
    }
}

void AppController::OnChartRequested() {
    if (screen_ != Screen::Entry) return;
    // Every request starts from the entries alone: nothing of the chart before it counts.
    request_ = form_->CurrentRequest();
    outcome_ = RequestChart(request_, Options());
    RememberFormZone();
    const ChartOutcome& outcome = outcome_;
    if (outcome.failure) {
        const EntryCheckFailure& failure = *outcome.failure;
        services_.messages->Show(form_.get(), {QString::fromStdString(outcome.ShownMessage()),
                                               BoxIcon(failure.icon), QMessageBox::Ok});
        if (failure.focus) form_->FocusField(*failure.focus);
        return;
    }
    if (outcome.Polar()) {
        // No ghati lagna without the reference sunrise: say why and keep the entries.
        services_.messages->Show(form_.get(),
                                 {QString::fromStdString(outcome.ShownTexts().polarMessage),
                                  QMessageBox::Information, QMessageBox::Ok});
        return;
    }
    ShowResults();
}

void AppController::ShowResults() {
    UnloadFrame();
    form_->hide();
    // A fresh frame and results window for every chart: nothing of an earlier one remains.
    frame_ = new AppFrame(services_);
    frame_->setWindowIcon(AppIcon());
    connect(frame_, &AppFrame::backRequested, this, &AppController::OnBack);
    connect(frame_, &AppFrame::exitRequested, this, &AppController::ShutdownApplication);
    connect(frame_, &AppFrame::aboutRequested, this, &AppController::OnAbout);
    connect(frame_->Display(), &ResultsWindow::uncertaintyChanged, this,
            &AppController::OnUncertaintyChanged);
    frame_->menuBar()->addMenu(BuildLanguageMenu(
        frame_, language_, [this](Language language) { ChangeLanguage(language); }));
    PresentOutcome();
    frame_->show();
    // Sized once shown: hidden layouts keep the sizes they had before the chart's texts.
    frame_->PlaceInitially();
    frame_->Display()->Tabs()->setCurrentIndex(0);
    screen_ = Screen::Results;
    emit resultsShown();
}

void AppController::PresentOutcome() {
    ResultsWindow* display = frame_->Display();
    display->SetUncertaintyMinutes(request_.uncertaintyMinutes);
    display->Present(outcome_.ShownTexts(), PresentPanels(outcome_, request_.uncertaintyMinutes));
    ShowCaptionsInLanguage(display, outcome_.ShownTexts());
    display->SetPageTexts(print::PageTextsFromOutcome(outcome_, request_.uncertaintyMinutes));
}

void AppController::OnUncertaintyChanged(int minutes) {
    if (screen_ != Screen::Results || !frame_) return;
    request_.uncertaintyMinutes = minutes;
    // A whole day's range takes a second or two.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    outcome_ = RequestChart(request_, Options());
    QApplication::restoreOverrideCursor();
    const int tab = frame_->Display()->Tabs()->currentIndex();
    PresentOutcome();
    frame_->Display()->Tabs()->setCurrentIndex(tab);
}

void AppController::OnBack() {
    if (screen_ != Screen::Results) return;
    UnloadFrame();
    form_->show();
    form_->raise();
    form_->activateWindow();
    screen_ = Screen::Entry;
    emit entryShown();
}

// The next start shows the zone the user had last.
void AppController::RememberFormZone() {
    QSettings settings = FormSettings();
    RememberZone(settings, form_->CurrentZone());
}

void AppController::OnAbout() {
    QWidget* parent =
        screen_ == Screen::Results && frame_ ? static_cast<QWidget*>(frame_.data()) : form_.get();
    ShowAboutBox(services_, parent, language_);
}

void AppController::UnloadFrame() {
    if (!frame_) return;
    AppFrame* frame = frame_;
    frame_ = nullptr;
    frame->disconnect(this);
    frame->hide();
    // The frame may be in the middle of its own signal (a button, a menu entry, its close).
    frame->deleteLater();
    unloaded_.append(frame);
}

void AppController::ShutdownApplication() {
    if (screen_ == Screen::Ended) return;
    screen_ = Screen::Ended;
    UnloadFrame();
    if (form_) {
        RememberFormZone();
        form_->hide();
    }
    instance_.Release();
    options_.quit();
}

}  // namespace kalodaya::ui
