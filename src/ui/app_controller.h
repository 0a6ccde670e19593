#pragma once
// The program's two states and the moves between them. Entry: the entry form is shown and
// the frame does not exist. Results: the entry form is hidden (its entries kept) and the frame
// shows a results window made for the latest chart.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "chart/chart_outcome.h"
#include "ui/app_frame.h"
#include "ui/single_instance.h"

namespace kalodaya::ui {

class FrmMain;

struct StartOptions {
    QString lockPath = DefaultInstanceLockPath();
    // Ends the event loop; by default QCoreApplication::quit.
    std::function<void()> quit;
    bool runUpdateReminder = true;
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
    FrmMain* Form() const { return form_.get(); }
    Mdi* Frame() const { return frame_; }
    // The latest request's outcome (nothing of it is carried into the next request).
    const ChartOutcome& LastOutcome() const { return outcome_; }

signals:
    void resultsShown();
    void entryShown();

private:
    void OnChartRequested();
    void ShowResults();
    void OnBack();
    void OnAbout();
    void UnloadFrame();

    StartOptions options_;
    SingleInstance instance_;
    ChartOutcome outcome_;
    std::unique_ptr<FrmMain> form_;
    QPointer<Mdi> frame_;
    QList<QPointer<Mdi>> unloaded_;  // frames waiting for their deferred deletion
    Screen screen_ = Screen::NotStarted;
};

}  // namespace kalodaya::ui
