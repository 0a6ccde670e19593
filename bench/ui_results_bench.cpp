// From the click on "Get My Ghati Lagna" to the results frame shown and painted (offscreen).
#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

#include "ui/app_frame.h"
#include "ui_bench_support.h"

namespace {

using kalodaya::ui::AppController;
using kalodaya::ui::bench::StartedProgram;

// Resident memory of this process in kilobytes (Linux).
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void BM_ClickToResultsShown(benchmark::State& state) {
    StartedProgram program;
    program.FillWorkedExample();
    QPushButton* button = program.GetMyGhatiLagna();
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();  // the frame's first paint
        state.PauseTiming();
        if (program.controller->Current() != AppController::Screen::Results) {
            state.SkipWithError("no results were shown");
            break;
        }
        program.controller->Frame()->findChild<QPushButton*>("backButton")->click();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickToResultsShown)->Unit(benchmark::kMillisecond);

// Resident memory once the program has shown one chart (reported as a counter, in MB).
void BM_ResidentMemoryAfterOneChart(benchmark::State& state) {
    StartedProgram program;
    program.FillWorkedExample();
    program.GetMyGhatiLagna()->click();
    QApplication::processEvents();
    for (auto _ : state) benchmark::DoNotOptimize(program.controller->Frame());
    state.counters["resident_MB"] = ResidentKilobytes() / 1024.0;
}
BENCHMARK(BM_ResidentMemoryAfterOneChart)->Iterations(1);

}  // namespace
