// A program killed at any moment keeps every save it confirmed, and the file stays whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

#include "records/record_store.h"
#include "records/sqlite_handle.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

constexpr int kBatchSize = 300;

// The child: saves one record at a time, and now and then an import of kBatchSize, writing
// each confirmed record's number to `confirmations` once the store has returned.
[[noreturn]] void SaveUntilKilled(const std::filesystem::path& path, int round, int confirmations) {
    RecordStore store = RecordStore::Open(path);
    if (!store.CanSave()) _exit(2);
    for (int i = 0;; ++i) {
        Record record = testing::VariedRecord(i);
        record.note = "round " + std::to_string(round) + " save " + std::to_string(i);
        if (i % 10 == 9) {
            std::vector<Record> batch(kBatchSize, record);
            for (int k = 0; k < kBatchSize; ++k) batch[k].note += " of batch";
            if (!store.SaveAll(batch)) _exit(3);
        } else if (!store.SaveNew(record)) {
            _exit(3);
        }
        if (write(confirmations, &i, sizeof i) != sizeof i) _exit(4);
    }
}

TEST(KilledWhileSaving, EveryConfirmedSaveSurvivesAndTheFileIsWhole) {
    testing::TempFolder folder;
    const auto path = folder / "records.sqlite";
    std::set<std::string> confirmed;
    for (int round = 0; round < 6; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeEnds[0]);
            SaveUntilKilled(path, round, pipeEnds[1]);
        }
        close(pipeEnds[1]);
        // Kill at a different moment each round: after a few confirmations and a short wait
        // that lands anywhere inside the next save.
        int number = 0, seen = 0;
        while (seen < 5 + round * 7 && read(pipeEnds[0], &number, sizeof number) == sizeof number) {
            confirmed.insert("round " + std::to_string(round) + " save " + std::to_string(number));
            ++seen;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300 * round));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        // Confirmations written before the kill count too.
        while (read(pipeEnds[0], &number, sizeof number) == sizeof number)
            confirmed.insert("round " + std::to_string(round) + " save " + std::to_string(number));
        close(pipeEnds[0]);
    }

    RecordStore store = RecordStore::Open(path);
    ASSERT_EQ(store.access(), StoreAccess::ReadWrite);
    EXPECT_FALSE(store.notice()) << *store.notice();
    Database db;
    ASSERT_EQ(db.Open(path.string(), SQLITE_OPEN_READONLY), SQLITE_OK);
    EXPECT_EQ(db.QueryText("PRAGMA integrity_check"), "ok");

    // Every confirmed save is there; an import is there whole or not at all.
    std::set<std::string> notes;
    std::map<std::string, int> batchSizes;
    ASSERT_FALSE(store.ForEach([&](const StoredRecord& stored) {
        const std::string& note = stored.record.note;
        if (note.ends_with(" of batch"))
            ++batchSizes[note.substr(0, note.size() - 9)];
        else
            notes.insert(note);
    }));
    for (const auto& [batch, size] : batchSizes) {
        EXPECT_EQ(size, kBatchSize) << batch;
        notes.insert(batch);
    }
    for (const std::string& note : confirmed) EXPECT_TRUE(notes.count(note)) << note << " was lost";
    EXPECT_GE(*store.Count(), static_cast<std::int64_t>(confirmed.size()));
}

}  // namespace
}  // namespace kalodaya::records
