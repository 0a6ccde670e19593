// Start-up to the entry form shown: in this process (controller, form, first paint), and as a
// whole program run of `kalodaya` that ends as soon as its entry form has been painted.
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "ui_bench_support.h"

namespace {

using kalodaya::ui::bench::StartedProgram;

void BM_StartToEntryFormShown_InProcess(benchmark::State& state) {
    for (auto _ : state) {
        StartedProgram program;
        QApplication::processEvents();  // the form's first paint
        state.PauseTiming();
        program.controller.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToEntryFormShown_InProcess)->Unit(benchmark::kMillisecond);

// The whole process: loading, Qt start-up, the single-instance check, the reminder, the
// entry form and its first paint, then a normal exit.
void BM_ProcessStartToEntryFormShown(benchmark::State& state) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KALODAYA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KALODAYA_EXECUTABLE), {});
        if (!program.waitForFinished(10000) || program.exitCode() != 0) {
            state.SkipWithError("kalodaya did not start and end cleanly");
            break;
        }
    }
}
BENCHMARK(BM_ProcessStartToEntryFormShown)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
