// Files that cannot be used: set aside (never overwritten or deleted) with a fresh start, left
// alone when newer, read only or no records at all when the folder cannot be written; and the
// schema's upgrades.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <csignal>
#include <ctime>
#include <fstream>
#include <functional>
#include <random>

#include "records/record_store.h"
#include "records/schema.h"
#include "records_test_support.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::Rama;
using testing::TempFolder;
using testing::WriteFile;

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

// A store file holding `count` records, closed (so its log is folded back into it).
void MakeStore(const fs::path& path, int count) {
    RecordStore store = RecordStore::Open(path);
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) records.push_back(testing::VariedRecord(i));
    ASSERT_TRUE(store.SaveAll(records));
}

// Opening `path` sets the file aside under today's date with its bytes unchanged (in `aside`),
// says so in the notice, and starts an empty store that saves. Today is read around the
// opening, so that an opening across midnight names either date.
void ExpectSetAsideAndFreshStart(const fs::path& path, const std::string& noticeWords,
                                 fs::path* setAside = nullptr) {
    const std::string bytes = FileBytes(path);
    const std::string before = Today();
    RecordStore store = RecordStore::Open(path);
    const std::string after = Today();
    ASSERT_EQ(store.access(), StoreAccess::ReadWrite);
    ASSERT_TRUE(store.notice());
    EXPECT_NE(store.notice()->find(noticeWords), std::string::npos) << *store.notice();
    const auto asideOn = [&](const std::string& day) {
        return path.parent_path() / ("records-set-aside-" + day + ".sqlite");
    };
    const fs::path aside = fs::exists(asideOn(before)) ? asideOn(before) : asideOn(after);
    if (setAside) *setAside = aside;
    EXPECT_NE(store.notice()->find(aside.string()), std::string::npos) << *store.notice();
    EXPECT_TRUE(FileBytes(aside) == bytes) << "the file set aside is not as it was";
    EXPECT_EQ(store.notice()->find('\n'), std::string::npos) << "one line";
    EXPECT_EQ(*store.Count(), 0);
    EXPECT_TRUE(store.SaveNew(Rama()));
}

TEST(DamagedFile, RandomBytesAreSetAside) {
    TempFolder folder;
    std::mt19937 random(7);
    std::string bytes(8192, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    WriteFile(folder / "records.sqlite", bytes);
    ExpectSetAsideAndFreshStart(folder / "records.sqlite", "were damaged");
}

TEST(DamagedFile, TruncatedDatabasesAreSetAside) {
    for (const std::uintmax_t keep : {std::uintmax_t{50}, std::uintmax_t{4096 * 3}}) {
        TempFolder folder;
        const fs::path path = folder / "records.sqlite";
        MakeStore(path, 3000);
        ASSERT_GT(fs::file_size(path), keep * 4);
        fs::resize_file(path, keep);
        ExpectSetAsideAndFreshStart(path, "were damaged");
    }
}

TEST(DamagedFile, ATruncatedDatabaseIsSetAsideWithItsLogUntouched) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    {
        // Copies taken while a program has a save in the log and not yet in the file, the
        // earlier ones folded into the file (where the truncation then takes them away).
        RecordStore store = RecordStore::Open(folder / "live.sqlite");
        std::vector<Record> records(500, Rama());
        ASSERT_TRUE(store.SaveAll(records));
        Database other;
        ASSERT_EQ(other.Open((folder / "live.sqlite").string(), SQLITE_OPEN_READWRITE), SQLITE_OK);
        ASSERT_EQ(other.Exec("PRAGMA wal_checkpoint(TRUNCATE)"), SQLITE_OK);
        ASSERT_TRUE(store.SaveNew(Rama()));
        fs::copy_file(folder / "live.sqlite", path);
        fs::copy_file(folder / "live.sqlite-wal", path.string() + "-wal");
    }
    fs::resize_file(path, 2048);
    const std::string log = FileBytes(path.string() + "-wal");
    ASSERT_FALSE(log.empty());
    fs::path aside;
    ExpectSetAsideAndFreshStart(path, "were damaged", &aside);
    EXPECT_TRUE(FileBytes(aside.string() + "-wal") == log);
}

TEST(DamagedFile, AnotherProgramsDatabaseIsSetAsideWithItsLog) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE music (title TEXT); INSERT INTO music VALUES ('raga')",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    // A log left beside it belongs to it and must not be read into the new database.
    WriteFile(path.string() + "-wal", "not a log of the new file");
    fs::path aside;
    ExpectSetAsideAndFreshStart(path, "is not a Kalodaya records file", &aside);
    EXPECT_TRUE(fs::exists(aside.string() + "-wal"));

    // The same again takes a name of its own: on the same day, the next free one.
    const std::string firstBytes = FileBytes(aside);
    WriteFile(path, "garbage that is long enough to be looked at as a database file.....");
    RecordStore again = RecordStore::Open(path);
    if (aside.filename() == "records-set-aside-" + Today() + ".sqlite") {
        EXPECT_TRUE(fs::exists(folder / (aside.stem().string() + "-2.sqlite")));
    }
    int setAside = 0;
    for (const fs::path& file : FilesIn(aside.parent_path()))
        setAside += file.string().starts_with("records-set-aside-") && file.extension() == ".sqlite";
    EXPECT_EQ(setAside, 2);
    EXPECT_TRUE(FileBytes(aside) == firstBytes) << "the first file set aside is kept";
}

TEST(DamagedFile, ANewerVersionsDatabaseIsLeftAlone) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    MakeStore(path, 10);
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA journal_mode = DELETE; PRAGMA user_version = 99", nullptr,
                     nullptr, nullptr);
        sqlite3_close(db);
    }
    const std::string bytes = FileBytes(path);
    RecordStore store = RecordStore::Open(path);
    EXPECT_EQ(store.access(), StoreAccess::Unavailable);
    ASSERT_TRUE(store.notice());
    EXPECT_NE(store.notice()->find("newer version"), std::string::npos) << *store.notice();
    EXPECT_FALSE(store.SaveNew(Rama()));
    EXPECT_EQ(FileBytes(path), bytes);
    EXPECT_EQ(FilesIn(folder.path()), std::vector<fs::path>{"records.sqlite"});
}

TEST(DamagedFile, AnEmptyFileBecomesTheDatabase) {
    TempFolder folder;
    WriteFile(folder / "records.sqlite", "");
    RecordStore store = RecordStore::Open(folder / "records.sqlite");
    EXPECT_EQ(store.access(), StoreAccess::ReadWrite);
    EXPECT_FALSE(store.notice());
    EXPECT_TRUE(store.SaveNew(Rama()));
}

// Runs `scenario` in a child process and reports what went wrong: its own failure, or that it
// did not end (opening a named pipe, for one, would wait for ever).
std::optional<std::string> RunInChild(const std::function<std::optional<std::string>()>& scenario) {
    int report[2];
    if (pipe(report) != 0) return "no pipe";
    const pid_t child = fork();
    if (child < 0) return "no child";
    if (child == 0) {
        close(report[0]);
        const std::optional<std::string> failure = scenario();
        if (failure) (void)!write(report[1], failure->data(), failure->size());
        _exit(failure ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    bool ended = false;
    for (int waited = 0; waited < 600 && !ended; ++waited) {
        ended = waitpid(child, &status, WNOHANG) == child;
        if (!ended) usleep(100'000);
    }
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        close(report[0]);
        return "it did not end within a minute";
    }
    std::string failure;
    char buffer[512];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) failure.append(buffer, n);
    close(report[0]);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
    return failure.empty() ? "the child failed" : failure;
}

// Runs `scenario` in a child process that cannot write `folder`: as root, by becoming the
// unprivileged user nobody (root writes everywhere); otherwise by taking away the folder's
// write permission. The scenario returns what went wrong, or nothing.
void WithoutWritePermission(const fs::path& folder,
                            const std::function<std::optional<std::string>()>& scenario) {
    const bool root = geteuid() == 0;
    fs::permissions(folder, root ? fs::perms(0755) : fs::perms(0555));
    for (fs::path up = folder.parent_path(); root && up != up.root_path(); up = up.parent_path())
        ASSERT_TRUE((fs::status(up).permissions() & fs::perms::others_exec) != fs::perms::none)
            << up << " cannot be passed by nobody";
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        if (root && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        const std::optional<std::string> failure = scenario();
        if (failure) (void)!write(report[1], failure->data(), failure->size());
        _exit(failure ? 1 : 0);
    }
    close(report[1]);
    std::string failure;
    char buffer[512];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) failure.append(buffer, n);
    close(report[0]);
    int status = 0;
    waitpid(child, &status, 0);
    fs::permissions(folder, fs::perms(0755));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << failure;
}

TEST(UnwritableFolder, NoDatabaseYetMeansRecordsCannotBeSaved) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    WithoutWritePermission(folder.path(), [&]() -> std::optional<std::string> {
        RecordStore store = RecordStore::Open(path);
        if (store.access() != StoreAccess::Unavailable) return "expected no records";
        if (!store.notice() || store.notice()->find("cannot be saved") == std::string::npos)
            return "notice: " + store.notice().value_or("none");
        const auto saved = store.SaveNew(Rama());
        if (saved || saved.error().message.find("cannot be saved") == std::string::npos)
            return std::string("a save was not refused with the reason");
        if (store.List()) return std::string("a list without records");
        return std::nullopt;
    });
    EXPECT_TRUE(FilesIn(folder.path()).empty());
}

TEST(UnwritableFolder, SavedRecordsCanStillBeOpened) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    MakeStore(path, 20);
    fs::permissions(path, fs::perms(0644));
    const std::string bytes = FileBytes(path);
    WithoutWritePermission(folder.path(), [&]() -> std::optional<std::string> {
        RecordStore store = RecordStore::Open(path);
        if (store.access() != StoreAccess::ReadOnly)
            return "expected reading only: " + store.notice().value_or("no notice");
        if (!store.notice() || store.notice()->find("cannot be saved") == std::string::npos)
            return "notice: " + store.notice().value_or("none");
        const auto list = store.List();
        if (!list || list->size() != 20) return std::string("the records are not listed");
        if (!store.Get(list->front().id)) return std::string("a record does not open");
        if (store.SaveNew(Rama()) || !store.Delete(list->front().id))
            return std::string("a change was not refused");
        return std::nullopt;
    });
    EXPECT_EQ(FileBytes(path), bytes);
    EXPECT_EQ(FilesIn(folder.path()), std::vector<fs::path>{"records.sqlite"});
}

TEST(UnwritableFolder, AFolderThatCannotBeMadeMeansRecordsCannotBeSaved) {
    TempFolder folder;
    WriteFile(folder / "file", "a file where the folder should be");
    RecordStore store = RecordStore::Open(folder / "file/kalodaya/records.sqlite");
    EXPECT_EQ(store.access(), StoreAccess::Unavailable);
    ASSERT_TRUE(store.notice());
    EXPECT_NE(store.notice()->find("cannot be saved"), std::string::npos);
    EXPECT_FALSE(store.SaveNew(Rama()));
    EXPECT_FALSE(store.Recent());
}

// A records path that is not a plain file (or whose log is not) is never opened: nothing to
// wait for, no records, and the thing itself left as it was.
TEST(UnusableFile, WhatIsNotAPlainFileIsLeftAloneWithoutWaiting) {
    const auto pipe = [](const char* path) { return mkfifo(path, 0600); };
    const auto folder = [](const char* path) { return mkdir(path, 0700); };
    struct Case {
        const char* suffix;  // what is made: the file itself or its log
        std::function<int(const char*)> make;
        const char* words;
    };
    const Case cases[] = {{"", pipe, "is not a plain file (a named pipe)"},
                          {"-wal", pipe, "is not a plain file (a named pipe)"},
                          {"", folder, "is a folder, not a records file"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        TempFolder temp;
        const fs::path path = temp / "records.sqlite";
        const fs::path made = path.string() + c.suffix;
        ASSERT_EQ(c.make(made.c_str()), 0);
        const auto type = fs::symlink_status(made).type();
        const auto failure = RunInChild([&]() -> std::optional<std::string> {
            RecordStore store = RecordStore::Open(path);
            if (store.access() != StoreAccess::Unavailable) return "expected no records";
            const std::string notice = store.notice().value_or("");
            if (notice.find(c.words) == std::string::npos || notice.find(made.string()) == std::string::npos)
                return "notice: " + notice;
            const auto list = store.List();
            if (list || list.error().message.find(c.words) == std::string::npos)
                return std::string("the list does not say why");
            return std::nullopt;
        });
        EXPECT_FALSE(failure) << *failure;
        EXPECT_EQ(fs::symlink_status(made).type(), type);
        EXPECT_EQ(FilesIn(temp.path()), std::vector<fs::path>{made.filename()});
    }
}

TEST(UnusableFile, AFileThatCannotBeReadSaysSo) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    MakeStore(path, 3);
    fs::permissions(path, fs::perms::none);
    WithoutWritePermission(folder.path(), [&]() -> std::optional<std::string> {
        RecordStore store = RecordStore::Open(path);
        const std::string notice = store.notice().value_or("");
        if (store.access() != StoreAccess::Unavailable ||
            notice.find("cannot be read (Permission denied)") == std::string::npos ||
            notice.find("writ") != std::string::npos)
            return "notice: " + notice;
        return std::nullopt;
    });
}

// One damaged page of a large file costs the records on it, not the file: the rest are read
// into the new file, the user is told in one line, and the check's findings go to a log.
TEST(DamagedFile, ADamagedPageCostsOnlyTheRecordsOnIt) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    constexpr int kCount = 3000;
    MakeStore(path, kCount);
    std::int64_t page = 0, pageSize = 0;
    {
        Database db;
        ASSERT_EQ(db.Open(path.string(), SQLITE_OPEN_READONLY), SQLITE_OK);
        pageSize = db.QueryInt("PRAGMA page_size").value_or(0);
        // A page in the middle of the records table's leaves.
        const auto found = db.QueryInt(
            "SELECT pageno FROM dbstat WHERE name = 'records' AND pagetype = 'leaf' "
            "ORDER BY pageno LIMIT 1 OFFSET (SELECT count(*) / 2 FROM dbstat "
            "WHERE name = 'records' AND pagetype = 'leaf')");
        if (!found) GTEST_SKIP() << "this SQLite cannot list its pages";
        page = *found;
    }
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp((page - 1) * pageSize + 8);
        const std::string garbage(pageSize - 8, '\x55');
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    const std::string before = Today();  // the day the file is set aside under, or the next
    RecordStore store = RecordStore::Open(path);
    ASSERT_EQ(store.access(), StoreAccess::ReadWrite);
    const std::string notice = store.notice().value_or("");
    const std::int64_t kept = *store.Count();
    EXPECT_GT(kept, kCount - 100);
    EXPECT_LT(kept, kCount);
    const std::string day =
        fs::exists(folder / ("records-set-aside-" + before + ".sqlite")) ? before : Today();
    const fs::path aside = folder / ("records-set-aside-" + day + ".sqlite");
    const fs::path log = folder / ("records-set-aside-" + day + ".log");
    for (const std::string& words : {std::string("were damaged"), aside.string(), log.string(),
                                     "the " + std::to_string(kept) + " records that could be read"})
        EXPECT_NE(notice.find(words), std::string::npos) << words << " in " << notice;
    EXPECT_EQ(notice.find('\n'), std::string::npos);
    EXPECT_LT(notice.size(), 600u);
    const std::string details = FileBytes(log);
    EXPECT_NE(details.find("What SQLite's check of it found:\n"), std::string::npos) << details;
    EXPECT_NE(details.find(std::to_string(kept) + " records"), std::string::npos) << details;
}

std::int64_t Pragma(const fs::path& path, const char* pragma) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, pragma, -1, &statement, nullptr);
    const std::int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

TEST(Schema, ANewFileIsMarkedAndAtTheCurrentVersion) {
    TempFolder folder;
    MakeStore(folder / "records.sqlite", 1);
    EXPECT_EQ(Pragma(folder / "records.sqlite", "PRAGMA application_id"), kApplicationId);
    EXPECT_EQ(Pragma(folder / "records.sqlite", "PRAGMA user_version"), CurrentSchemaVersion());
    Database db;
    ASSERT_EQ(db.Open((folder / "records.sqlite").string(), SQLITE_OPEN_READONLY), SQLITE_OK);
    EXPECT_EQ(db.QueryText("PRAGMA journal_mode"), "wal");
}

TEST(Schema, UpgradesRunAllOrNothingAndKeepTheRecords) {
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    MakeStore(path, 5);
    std::vector<SchemaStep> steps(SchemaSteps().begin(), SchemaSteps().end());
    const int current = CurrentSchemaVersion();
    steps.push_back({current + 1, "ALTER TABLE records ADD COLUMN sunrise_seen INTEGER"});
    steps.push_back({current + 2, "CREATE TABLE broken ("});

    Database db;
    ASSERT_EQ(db.Open(path.string(), SQLITE_OPEN_READWRITE), SQLITE_OK);
    const auto failed = UpgradeSchema(db, steps);
    ASSERT_TRUE(failed);
    EXPECT_NE(failed->message.find(std::to_string(current + 2)), std::string::npos);
    EXPECT_EQ(db.QueryInt("PRAGMA user_version"), current);
    EXPECT_FALSE(db.Prepare("SELECT sunrise_seen FROM records")) << "the first step was undone";

    steps.pop_back();
    ASSERT_FALSE(UpgradeSchema(db, steps));
    EXPECT_EQ(db.QueryInt("PRAGMA user_version"), current + 1);
    EXPECT_EQ(db.QueryInt("SELECT count(sunrise_seen IS NULL) FROM records"), 5);
    ASSERT_FALSE(UpgradeSchema(db, steps)) << "nothing left to do";
    EXPECT_EQ(db.QueryInt("PRAGMA user_version"), current + 1);
}

void Execute(const fs::path& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A file holding this program's tables without their version number (a tool reset it, or
// never set it) is taken up as it is; tables of another layout under this program's mark are
// set aside like any file that cannot be read.
TEST(Schema, TablesWithoutAVersionAreTakenUpWhenTheyAreThisProgramsOwn) {
    for (const char* unmark : {"PRAGMA user_version = 0", "PRAGMA user_version = -1",
                               "PRAGMA user_version = 0; PRAGMA application_id = 0"}) {
        SCOPED_TRACE(unmark);
        TempFolder folder;
        const fs::path path = folder / "records.sqlite";
        MakeStore(path, 5);
        Execute(path, unmark);
        {
            RecordStore store = RecordStore::Open(path);
            EXPECT_EQ(store.access(), StoreAccess::ReadWrite);
            EXPECT_FALSE(store.notice()) << *store.notice();
            EXPECT_EQ(*store.Count(), 5);
        }
        EXPECT_EQ(Pragma(path, "PRAGMA user_version"), CurrentSchemaVersion());
        EXPECT_EQ(Pragma(path, "PRAGMA application_id"), kApplicationId);
        EXPECT_EQ(FilesIn(folder.path()), std::vector<fs::path>{"records.sqlite"});
    }
    TempFolder folder;
    const fs::path path = folder / "records.sqlite";
    Execute(path, ("PRAGMA application_id = " + std::to_string(kApplicationId) +
                   "; CREATE TABLE records (name TEXT)").c_str());
    ExpectSetAsideAndFreshStart(path, "were damaged");
}

}  // namespace
}  // namespace kalodaya::records
