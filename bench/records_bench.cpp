// Saved records: saving one, opening the list of 100,000 and one search keystroke in it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "person_records.h"
#include "records/record_filter.h"
#include "records/record_store.h"

namespace {

namespace fs = std::filesystem;
using namespace kalodaya::records;

constexpr int kListSize = 100000;

// A folder for the benchmark's databases, removed at exit.
struct BenchFolder {
    fs::path path;
    BenchFolder() {
        std::string pattern = fs::temp_directory_path() / "kalodaya-records-bench-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~BenchFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

BenchFolder& Folder() {
    static BenchFolder folder;
    return folder;
}

using kalodaya::bench::PersonRecord;

// The store of 100,000 records, made once.
RecordStore& LargeStore() {
    static RecordStore store = [] {
        RecordStore s = RecordStore::Open(Folder().path / "large.sqlite");
        std::vector<Record> records;
        records.reserve(kListSize);
        for (int i = 0; i < kListSize; ++i) records.push_back(PersonRecord(i));
        if (!s.SaveAll(records)) std::abort();
        return s;
    }();
    return store;
}

// One "Save Birth Details": a transaction, synchronised to the disk, recent list included.
void BM_SaveOneRecord(benchmark::State& state) {
    RecordStore store = RecordStore::Open(Folder().path / "saves.sqlite");
    int i = 0;
    for (auto _ : state) {
        auto id = store.SaveNew(PersonRecord(i++));
        if (!id) state.SkipWithError(id.error().message.c_str());
        benchmark::DoNotOptimize(id);
    }
}
BENCHMARK(BM_SaveOneRecord)->Unit(benchmark::kMillisecond);

// Opening the saved-records list: every record's summary read and the search made ready.
void BM_OpenListOf100000(benchmark::State& state) {
    RecordStore& store = LargeStore();
    for (auto _ : state) {
        auto list = store.List();
        if (!list) state.SkipWithError(list.error().message.c_str());
        RecordFilter filter(std::move(list).value());
        benchmark::DoNotOptimize(filter.summaries().data());
    }
    state.counters["records"] = kListSize;
}
BENCHMARK(BM_OpenListOf100000)->Unit(benchmark::kMillisecond);

// The worst keystroke: one that does not extend the last query, so all 100,000 are searched.
void BM_SearchKeystrokeOver100000(benchmark::State& state) {
    RecordFilter filter(*LargeStore().List());
    const std::array<const char*, 4> queries = {"sharma", "ku", "1990", "delhi ravi"};
    std::size_t matched = 0, i = 0;
    for (auto _ : state) {
        matched = filter.Match(queries[i++ % queries.size()]).size();
        benchmark::DoNotOptimize(matched);
    }
}
BENCHMARK(BM_SearchKeystrokeOver100000)->Unit(benchmark::kMillisecond);

// Typing "rama 1990" letter by letter from a blank box: nine keystrokes, each narrowing.
void BM_SearchTypingAWord(benchmark::State& state) {
    RecordFilter filter(*LargeStore().List());
    const std::string query = "rama 1990";
    for (auto _ : state) {
        for (std::size_t n = 0; n <= query.size(); ++n)
            benchmark::DoNotOptimize(filter.Match(std::string_view(query).substr(0, n)).size());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(query.size() + 1));
}
BENCHMARK(BM_SearchTypingAWord)->Unit(benchmark::kMillisecond);

// Opening the database of 100,000 at start-up, its every page checked.
void BM_OpenStoreOf100000(benchmark::State& state) {
    const fs::path path = LargeStore().path();
    for (auto _ : state) {
        RecordStore store = RecordStore::Open(path);
        if (!store.CanSave()) state.SkipWithError("not opened");
    }
}
BENCHMARK(BM_OpenStoreOf100000)->Unit(benchmark::kMillisecond);

}  // namespace
