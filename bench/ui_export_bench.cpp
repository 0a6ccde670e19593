// Exporting one chart: the worked example computed, drawn and written as a PDF (both pages)
// and as a PNG (the chart page at 192 dpi), in this process and as `kalodaya --export`.
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "ui/print/chart_document.h"
#include "../tests/chart/chart_test_support.h"
#include "ui/print/page_texts_from_outcome.h"

namespace {

using namespace kalodaya;
using namespace kalodaya::ui::print;

// The worked example with its place, New Delhi.
BirthRequest WorkedExample() {
    BirthRequest e = kalodaya::testing_support::WorkedExampleRequest();
    e.city = "New Delhi";
    e.state = "Delhi";
    e.country = "India";
    return e;
}

void ExportOnce(benchmark::State& state, ExportFormat format, const char* file) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(file));
    const BirthRequest entries = WorkedExample();
    for (auto _ : state) {
        const PageRequest request = RequestChartPages(entries);
        if (!request.texts || ExportChart(path, format, *request.texts, Paper::A4)) {
            state.SkipWithError("the chart was not exported");
            break;
        }
    }
}

void BM_ExportChartPdf(benchmark::State& state) { ExportOnce(state, ExportFormat::Pdf, "rama.pdf"); }
BENCHMARK(BM_ExportChartPdf)->Unit(benchmark::kMillisecond);

void BM_ExportChartPng(benchmark::State& state) { ExportOnce(state, ExportFormat::Png, "rama.png"); }
BENCHMARK(BM_ExportChartPng)->Unit(benchmark::kMillisecond);

// The whole command without a display: loading, the chart, Qt's start-up, drawing, the file.
void ExportProcess(benchmark::State& state, const char* file) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    const QStringList arguments = {
        "--export", dir.filePath(QString::fromLatin1(file)), "--paper", "a4", "--name", "RAMA",
        "--date", "1990-08-15", "--time", "10:30:00", "--lat", "28:39N", "--lon", "77:13E",
        "--zone", "34", "--city", "New Delhi"};
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KALODAYA_EXECUTABLE), arguments);
        if (!program.waitForFinished(10000) || program.exitCode() != 0) {
            state.SkipWithError("kalodaya --export failed");
            break;
        }
    }
}

void BM_ExportCommandPdf(benchmark::State& state) { ExportProcess(state, "rama.pdf"); }
BENCHMARK(BM_ExportCommandPdf)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ExportCommandPng(benchmark::State& state) { ExportProcess(state, "rama.png"); }
BENCHMARK(BM_ExportCommandPng)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

namespace {

// The parts of the image export: drawing the page, encoding it, and the file.
void BM_DrawChartPageImage(benchmark::State& state) {
    const ChartPageTexts texts = *RequestChartPages(WorkedExample()).texts;
    for (auto _ : state) benchmark::DoNotOptimize(ChartPageImage(texts, Paper::A4));
}
BENCHMARK(BM_DrawChartPageImage)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State& state) {
    const QImage image = ChartPageImage(*RequestChartPages(WorkedExample()).texts, Paper::A4);
    for (auto _ : state) benchmark::DoNotOptimize(PngBytes(image));
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

void BM_SavePngFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray bytes =
        PngBytes(ChartPageImage(*RequestChartPages(WorkedExample()).texts, Paper::A4));
    for (auto _ : state) SaveFile(dir.filePath(QStringLiteral("rama.png")), bytes);
}
BENCHMARK(BM_SavePngFile)->Unit(benchmark::kMillisecond);

}  // namespace
