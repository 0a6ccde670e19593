// The "Open Saved" dialog over 100,000 records: opening it until it is painted, and one
// keystroke in its search box until the list is painted again (offscreen).
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "person_records.h"
#include "ui/open_records_dialog.h"

namespace {

using namespace kalodaya;

constexpr int kRecordCount = 100000;

using kalodaya::bench::PersonRecord;

struct LargeStore {
    QTemporaryDir dir;
    records::RecordStore store =
        records::RecordStore::Open(dir.filePath(QStringLiteral("records.sqlite")).toStdString());
    LargeStore() {
        std::vector<records::Record> all;
        all.reserve(kRecordCount);
        for (int i = 0; i < kRecordCount; ++i) all.push_back(PersonRecord(i));
        if (!store.SaveAll(all)) std::abort();
    }
};

LargeStore& Store() {
    static LargeStore large;
    return large;
}

void BM_OpenDialogOf100000(benchmark::State& state) {
    records::RecordStore& store = Store().store;
    for (auto _ : state) {
        ui::OpenRecordsDialog dialog(store);
        dialog.show();
        QApplication::processEvents();  // the first paint
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(BM_OpenDialogOf100000)->Unit(benchmark::kMillisecond);

// The worst keystroke: a text that does not extend the last, so all 100,000 are searched;
// then the list and the note are shown again.
void BM_DialogSearchKeystroke(benchmark::State& state) {
    ui::OpenRecordsDialog dialog(Store().store);
    dialog.show();
    QApplication::processEvents();
    auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    const std::array<QString, 4> queries = {QStringLiteral("sharma"), QStringLiteral("ku"),
                                            QStringLiteral("1990"), QStringLiteral("delhi ravi")};
    std::size_t i = 0;
    for (auto _ : state) {
        search->setText(queries[i++ % queries.size()]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DialogSearchKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
