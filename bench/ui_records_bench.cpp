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

#include "ui/open_records_dialog.h"

namespace {

using namespace kalodaya;

constexpr int kRecordCount = 100000;

// Names, places and dates as a user's collection has them.
records::Record PersonRecord(int i) {
    static constexpr std::array<const char*, 16> given = {
        "RAMA", "SITA", "ANIL", "PRIYA", "VIKRAM", "LAKSHMI", "ARJUN", "MEERA",
        "RAVI", "DEVI", "KIRAN", "ASHA", "SURESH", "GITA", "MOHAN", "NEHA"};
    static constexpr std::array<const char*, 12> family = {
        "SHARMA", "PATEL", "IYER", "REDDY", "GUPTA", "RAO", "NAIR", "SINGH",
        "JOSHI", "MEHTA", "BOSE", "DAS"};
    static constexpr std::array<const char*, 10> cities = {
        "New Delhi", "Mumbai", "Chennai", "Kolkata", "Bengaluru", "Hyderabad", "Pune",
        "Kathmandu", "London", "New York"};
    records::Record r;
    r.name = std::string(given[i % given.size()]) + " " + family[(i / 16) % family.size()];
    r.year = 1901 + (i * 7) % 150;
    r.month = 1 + (i / 3) % 12;
    r.day = 1 + (i * 11) % 28;
    r.hour = i % 24;
    r.minute = (i * 13) % 60;
    r.city = cities[(i / 5) % cities.size()];
    r.country = i % 10 < 8 ? "India" : "Nepal";
    r.latitude = {(i * 3) % 90, (i * 7) % 60, true};
    r.longitude = {(i * 5) % 180, (i * 11) % 60, true};
    r.zone = records::ZoneEntry{i % 71};
    return r;
}

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
    auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
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
