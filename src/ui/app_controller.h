#pragma once
// The program's two states and the moves between them. Entry: the entry form is shown and
// the frame does not exist. Results: the entry form is hidden (its entries kept) and the frame
// shows a results window made for the latest chart.
#include <QDate>
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "chart/chart_outcome.h"
#include "records/record_store.h"
#include "ui/app_frame.h"
#include "ui/services.h"
#include "ui/single_instance.h"

namespace kalodaya::ui {

class EntryForm;
class RecordsMenu;

struct StartOptions {
    QString lockPath = DefaultInstanceLockPath();
    // Ends the event loop; by default QCoreApplication::quit.
    std::function<void()> quit;
    bool runUpdateReminder = true;
    // Today's date, for the update reminder: the system's unless a test sets the clock.
    std::function<QDate()> today = &QDate::currentDate;
    // The saved records' database; by default KALODAYA_RECORDS_DB or the user's data folder.
    std::optional<std::filesystem::path> recordsPath;
    // The boxes, dialogs and browser of every window (not owned, it must outlive the
    // controller); the real ones when none is given.
    Services* services = nullptr;
};

class AppController : public QObject {
    Q_OBJECT
public:
    enum class Screen { NotStarted, Entry, Results, Ended };

    explicit AppController(StartOptions options = {});
    ~AppController() override;

    // Start-up: the single-instance check, the update reminder, the entry form. Returns false
    // (after telling the user and ending) when another copy is already running.
    bool Start();

    // Unloads every window, releases the instance lock and ends the event loop.
    void ShutdownApplication();

    Screen Current() const { return screen_; }
    EntryForm* Form() const { return form_.get(); }
    AppFrame* Frame() const { return frame_; }
    // The latest request's outcome (nothing of it is carried into the next request).
    const ChartOutcome& LastOutcome() const { return outcome_; }
    // The saved records of the entry form's File menu (from Start on).
    RecordsMenu* Records() const { return records_.get(); }
    records::RecordStore* Store() { return store_ ? &*store_ : nullptr; }

signals:
    void resultsShown();
    void entryShown();

private:
    void OnChartRequested();
    void ShowResults();
    // The results window asked for another uncertainty of the birth time: the same request
    // with the new range, presented in the same window.
    void OnUncertaintyChanged(int minutes);
    void PresentOutcome();
    void OnBack();
    void OnAbout();
    void RememberFormZone();
    void UnloadFrame();

    StartOptions options_;
    Services desktop_;
    Services& services_;
    SingleInstance instance_;
    ChartOutcome outcome_;
    BirthRequest request_;  // the request the results window shows
    std::optional<records::RecordStore> store_;
    std::unique_ptr<EntryForm> form_;
    std::unique_ptr<RecordsMenu> records_;  // goes before the form and the store it works on
    QPointer<AppFrame> frame_;
    QList<QPointer<AppFrame>> unloaded_;  // frames waiting for their deferred deletion
    Screen screen_ = Screen::NotStarted;
};

}  // namespace kalodaya::ui
