// Opening the records database: creating it, judging an existing file, setting aside one
// that cannot be used, and falling back to reading only or to no records at all.
#include <chrono>
#include <ctime>
#include <system_error>

#include "base/platform/files.h"
#include "base/platform/system.h"
#include "base/whole_file.h"
#include "records/lock_holder.h"
#include "records/record_rows.h"
#include "records/records_path.h"
#include "records/salvage.h"
#include "records/schema.h"
#include "records/store_impl.h"

namespace kalodaya::records {
namespace {

namespace fs = std::filesystem;

// How long a program waits for another one holding the write lock.
constexpr int kBusyTimeoutMs = 5000;

enum class Verdict {
    Usable,      // a Kalodaya database (or an empty file) that reads back whole
    Damaged,     // not an SQLite file, or one that does not read back whole
    Foreign,     // an SQLite file of some other program
    Newer,       // a Kalodaya database from a newer version of the program
    Unreachable  // cannot be opened or read now (permissions, in use, input/output error)
};

struct Judgement {
    Verdict verdict = Verdict::Usable;
    std::string detail;
    std::int64_t version = 0;
    bool locked = false;  // Unreachable because another program holds the file's lock
};

bool IsDamageCode(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ||
           code == SQLITE_IOERR_SHORT_READ;
}

bool IsBusy(const Database& db) {
    const int primary = db.LastCode() & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

Judgement FromFailure(const Database& db, const fs::path& path) {
    if (IsDamageCode(db.LastCode())) return {Verdict::Damaged, db.LastMessage()};
    if (IsBusy(db)) return {Verdict::Unreachable, LockedFileText(path), 0, true};
    return {Verdict::Unreachable, db.LastMessage()};
}

// Reads the file's marks and checks every page; the first read is where SQLite finds out
// whether the file is a database at all. A damaged file's detail is every line of the check.
Judgement Judge(Database& db, const fs::path& path) {
    const auto applicationId = db.QueryInt("PRAGMA application_id");
    if (!applicationId) return FromFailure(db, path);
    const auto version = db.QueryInt("PRAGMA user_version");
    if (!version) return FromFailure(db, path);
    const auto tables = db.QueryInt("SELECT count(*) FROM sqlite_schema");
    if (!tables) return FromFailure(db, path);
    // An empty file (as a zero-length one reads) becomes the database.
    if (*applicationId == 0 && *tables == 0 && *version == 0) return {Verdict::Usable, {}, 0};
    if (*applicationId != 0 && *applicationId != kApplicationId) return {Verdict::Foreign, {}};
    if (*version <= 0 && *tables > 0) {
        // Tables but no version: this program's own layout is taken up (UpgradeSchema marks
        // it), anything else is not this program's to use.
        if (!UnmarkedSchemaVersion(db, SchemaSteps())) {
            if (*applicationId == 0) return {Verdict::Foreign, {}};
            return {Verdict::Damaged, "it has no schema version and tables of no version of Kalodaya"};
        }
    } else if (*applicationId != kApplicationId) {
        return {Verdict::Foreign, {}};
    }
    if (*version > CurrentSchemaVersion())
        return {Verdict::Newer, "schema version " + std::to_string(*version)};

    Statement check = db.Prepare("PRAGMA quick_check");
    if (!check) return FromFailure(db, path);
    std::string found;
    int step;
    while ((step = check.Step()) == SQLITE_ROW) found += (found.empty() ? "" : "\n") + check.Text(0);
    if (step != SQLITE_DONE) {
        if (found.empty()) return FromFailure(db, path);
        return {Verdict::Damaged, found};
    }
    if (found != "ok") return {Verdict::Damaged, found};
    return {Verdict::Usable, {}, *version};
}

// Judges an existing file through a connection that reads only and never folds its log back
// into it, so that a file about to be set aside is set aside exactly as it was found.
Judgement JudgeFile(const fs::path& path) {
    Database db;
    if (db.Open(platform::Utf8(path), SQLITE_OPEN_READONLY) != SQLITE_OK)
        return FromFailure(db, path);
    sqlite3_busy_timeout(db.handle(), kBusyTimeoutMs);
    sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    int persist = 1;
    sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    return Judge(db, path);
}

// A file: URI for a path, so that query parameters can be added.
std::string FileUri(const fs::path& path) {
    std::string text = platform::Utf8(fs::absolute(path));
    if constexpr (fs::path::preferred_separator == '\\') {
        // "C:\x\y" as "/C:/x/y": SQLite takes the slash before a drive letter off again.
        for (char& ch : text)
            if (ch == '\\') ch = '/';
        text.insert(0, "/");
    }
    std::string uri = "file:";
    for (char ch : text) {
        if (ch == '%' || ch == '?' || ch == '#') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[(static_cast<unsigned char>(ch) >> 4) & 0xF];
            uri += kHex[static_cast<unsigned char>(ch) & 0xF];
        } else {
            uri += ch;
        }
    }
    return uri;
}

std::string LocalDate() {
    const std::tm local = platform::LocalTime(std::time(nullptr));
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Renames the file (with its -wal and -shm files, which belong to it and must not be read
// into a new database) to "<name>-set-aside-<date>[-n]<extension>" in the same folder.
Result<fs::path> SetAside(const fs::path& path) {
    std::error_code ec;
    const std::string stem = platform::Utf8(path.stem()) + "-set-aside-" + LocalDate();
    fs::path target;
    for (int n = 1; target.empty(); ++n) {
        if (n == 1000) return Error{"every name for it is taken"};
        const fs::path candidate =
            path.parent_path() /
            platform::PathFromUtf8(stem + (n > 1 ? "-" + std::to_string(n) : "") +
                                   platform::Utf8(path.extension()));
        if (!fs::exists(candidate, ec) && !fs::exists(platform::WithSuffix(candidate, "-wal"), ec) &&
            !fs::exists(fs::path(candidate).replace_extension(".log"), ec))
            target = candidate;
    }
    std::vector<std::pair<fs::path, fs::path>> moved;
    const auto undo = [&] {
        for (const auto& [from, to] : moved) fs::rename(to, from, ec);
    };
    for (const char* companion : {"-wal", "-shm"}) {
        const fs::path from = platform::WithSuffix(path, companion);
        if (!fs::exists(from, ec)) continue;
        const fs::path to = platform::WithSuffix(target, companion);
        fs::rename(from, to, ec);
        if (ec) {
            const std::string reason = ec.message();
            undo();
            return Error{reason};
        }
        moved.emplace_back(from, to);
    }
    fs::rename(path, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        undo();
        return Error{reason};
    }
    // Set aside, it is still the user's birth data.
    for (const char* companion : {"", "-wal", "-shm"}) platform::KeepPrivate(platform::WithSuffix(target, companion));
    return target;
}

// Settings of every read-write connection; the journal mode is kept in the file.
bool ConfigureWriting(Database& db) {
    const auto mode = db.QueryText("PRAGMA journal_mode = WAL");
    return mode && *mode == "wal" && db.Exec("PRAGMA synchronous = FULL") == SQLITE_OK &&
           db.Exec("PRAGMA foreign_keys = ON") == SQLITE_OK;
}

void SetUnavailable(RecordStore::Impl& impl, const std::string& why) {
    impl.db.Close();
    impl.access = StoreAccess::Unavailable;
    impl.why_not_writable = why;
    impl.notice = "Birth records cannot be saved: " + why + ". Charts work as usual.";
}

// An existing file that could not be opened for writing: read it if it can be read.
void OpenForReading(RecordStore::Impl& impl, const std::string& whyNotWritable) {
    for (const char* parameters : {"?mode=ro", "?immutable=1"}) {
        // Without a writable folder SQLite may be unable to make the -shm file a write-ahead
        // log needs; an immutable file is read without it.
        if (impl.db.Open(FileUri(impl.path) + parameters,
                         SQLITE_OPEN_READONLY | SQLITE_OPEN_URI) != SQLITE_OK)
            continue;
        sqlite3_busy_timeout(impl.db.handle(), kBusyTimeoutMs);
        const Judgement judgement = Judge(impl.db, impl.path);
        if (judgement.verdict == Verdict::Usable && judgement.version == CurrentSchemaVersion()) {
            impl.access = StoreAccess::ReadOnly;
            impl.why_not_writable = whyNotWritable;
            impl.notice = "Birth records cannot be saved: " + whyNotWritable +
                          ". Saved records can still be opened.";
            return;
        }
    }
    SetUnavailable(impl, whyNotWritable);
}

std::string Quoted(const fs::path& path) { return "\"" + platform::Utf8(path) + "\""; }

// Why the records file (or the -wal, -shm or -journal file SQLite would open with it) cannot be
// used at all: it is not a plain file (opening a named pipe would wait for ever, a device is no
// place for records), or it cannot be read.
std::optional<std::string> UnusableFile(const fs::path& path) {
    for (const char* companion : {"", "-wal", "-shm", "-journal"}) {
        const fs::path file = platform::WithSuffix(path, companion);
        const platform::FileStatus status = platform::StatusOf(file);
        if (status.error != 0)
            return Quoted(file) + " cannot be reached (" +
                   std::generic_category().message(status.error) + ")";
        using platform::FileKind;
        switch (status.kind) {
            case FileKind::Missing:
            case FileKind::Plain:
                continue;
            case FileKind::Folder:
                return Quoted(file) + " is a folder, not a records file";
            default:
                return Quoted(file) + " is not a plain file (" +
                       (status.kind == FileKind::NamedPipe    ? "a named pipe"
                        : status.kind == FileKind::Device     ? "a device"
                        : status.kind == FileKind::DiskDevice ? "a disk device"
                        : status.kind == FileKind::Socket     ? "a socket"
                                                              : "something else") +
                       ")";
        }
    }
    // Opened and closed before SQLite opens the file: no lock of this process is on it yet.
    if (const int error = platform::ReadError(path))
        return Quoted(path) + " cannot be read (" + std::generic_category().message(error) + ")";
    return std::nullopt;
}

std::string CountOf(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The long story of a file set aside as damaged, beside it: what SQLite's check found, line by
// line, and what was read back. The log's name when it was written.
std::optional<fs::path> WriteSetAsideLog(const fs::path& path, const fs::path& target,
                                         const std::string& found, const Salvage& salvage) {
    const std::tm local = platform::LocalTime(std::time(nullptr));
    char when[64];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    const std::string text =
        "Kalodaya found the records file " + Quoted(path) + " damaged on " + when +
        " (local time) and kept it as " + Quoted(target) + ".\n\nWhat SQLite's check of it found:\n" +
        found + "\n\nRead from it into the new records file: " +
        CountOf(salvage.records.size(), "record", "records") + " and " +
        CountOf(salvage.places.size(), "kept place", "kept places") + ".\n";
    const fs::path log = fs::path(target).replace_extension(".log");
    if (WriteWholeFile(log, text, ExistingFile::Keep)) return std::nullopt;
    return log;
}

// Saves what was read from a damaged file into the fresh store: the records saved, or nothing
// when the store could not save them.
std::optional<std::size_t> Restore(RecordStore::Impl& s, const Salvage& salvage) {
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return std::nullopt;
    Statement insert = s.db.Prepare(std::string("INSERT INTO records (") + kRecordColumns +
                                    ") VALUES (" + kRecordParameters + ")");
    Statement place = s.db.Prepare(std::string("INSERT OR IGNORE INTO places (") + kPlaceColumns +
                                   ") VALUES (" + kPlaceParameters + ")");
    if (!insert || !place) return std::nullopt;
    std::size_t saved = 0;
    for (const Record& record : salvage.records) {
        BindRecord(insert, record);
        saved += insert.Step() == SQLITE_DONE;
        insert.Reset();
    }
    for (const Place& kept : salvage.places) {
        BindPlace(place, kept);
        place.Step();
        place.Reset();
    }
    if (transaction.Commit() != SQLITE_OK) return std::nullopt;
    return saved;
}

}  // namespace

std::int64_t NowSeconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

RecordStore RecordStore::OpenDefault() {
    if (auto path = DefaultRecordsPath()) return Open(*path);
    auto impl = std::make_unique<Impl>();
    SetUnavailable(*impl, std::string("there is no home folder to keep them in (") +
                              platform::NoDataFolderReason() + ")");
    return RecordStore(std::move(impl));
}

RecordStore RecordStore::Open(const fs::path& path) {
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    Impl& s = *impl;

    const fs::path folder = path.parent_path();
    if (!folder.empty()) {
        if (auto failure = platform::MakePrivateFolders(folder)) {
            SetUnavailable(s, "the folder " + Quoted(folder) + " cannot be made (" + *failure + ")");
            return RecordStore(std::move(impl));
        }
    }
    if (auto unusable = UnusableFile(path)) {
        SetUnavailable(s, *unusable);
        return RecordStore(std::move(impl));
    }

    std::error_code ec;
    std::optional<std::string> setAside;
    std::optional<Salvage> salvage;
    if (fs::exists(path, ec)) {
        Judgement judgement = JudgeFile(path);
        const bool read = judgement.verdict != Verdict::Unreachable;
        if (judgement.verdict == Verdict::Usable) {
            if (s.db.Open(platform::Utf8(path), SQLITE_OPEN_READWRITE) == SQLITE_OK) {
                sqlite3_busy_timeout(s.db.handle(), kBusyTimeoutMs);
                if (s.db.ReadOnly()) judgement = {Verdict::Unreachable, "the file cannot be written"};
            } else {
                judgement = FromFailure(s.db, path);
            }
        }
        switch (judgement.verdict) {
            case Verdict::Usable:
                if (!ConfigureWriting(s.db)) {
                    // Typically a folder that cannot be written: no room for the log.
                    const std::string why = "the folder " + Quoted(folder) +
                                            " cannot be written (" + s.db.LastMessage() + ")";
                    s.db.Close();
                    OpenForReading(s, why);
                    return RecordStore(std::move(impl));
                }
                // A file at the current version needs no write lock to be opened: another
                // program saving meanwhile does not keep this one from reading.
                if (judgement.version != CurrentSchemaVersion())
                    if (auto error = UpgradeSchema(s.db, SchemaSteps())) {
                        SetUnavailable(s, IsBusy(s.db) ? LockedFileText(path) : error->message);
                        return RecordStore(std::move(impl));
                    }
                s.access = StoreAccess::ReadWrite;
                return RecordStore(std::move(impl));
            case Verdict::Newer:
                SetUnavailable(s, Quoted(path) + " was made by a newer version of Kalodaya (" +
                                      judgement.detail + ") and is left as it is");
                return RecordStore(std::move(impl));
            case Verdict::Unreachable:
                s.db.Close();
                // Locked against reading as well (a database without a write-ahead log, in
                // the middle of a change): there is nothing to read meanwhile.
                if (judgement.locked && !read)
                    SetUnavailable(s, judgement.detail);
                else
                    OpenForReading(s, judgement.locked
                                          ? judgement.detail
                                          : Quoted(path) + (read ? " cannot be opened for writing ("
                                                                 : " cannot be read (") +
                                                judgement.detail + ")");
                return RecordStore(std::move(impl));
            case Verdict::Damaged:
            case Verdict::Foreign: {
                s.db.Close();
                const auto target = SetAside(path);
                if (!target) {
                    SetUnavailable(s, Quoted(path) + " cannot be read and cannot be moved aside (" +
                                          target.error().message + "); it is left as it is");
                    return RecordStore(std::move(impl));
                }
                if (judgement.verdict == Verdict::Foreign) {
                    setAside = Quoted(path) + " is not a Kalodaya records file. It was kept as " +
                               Quoted(*target) + " and a new, empty records file was started.";
                    break;
                }
                // What the damaged file still holds goes into the new one; the long story
                // goes into a log beside the file set aside.
                salvage = SalvageFile(*target);
                const auto log = WriteSetAsideLog(path, *target, judgement.detail, *salvage);
                setAside = "The saved birth records in " + Quoted(path) + " were damaged. " +
                           "The file was kept as " + Quoted(*target) +
                           (log ? " (the details are in " + Quoted(*log) + ")" : std::string()) +
                           " and a new records file was started";
                break;
            }
        }
    }

    if (auto failure = platform::MakePrivateFile(path)) {
        SetUnavailable(s, Quoted(path) + " cannot be made (" + *failure + ")");
        return RecordStore(std::move(impl));
    }
    if (s.db.Open(platform::Utf8(path), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK) {
        SetUnavailable(s, Quoted(path) + " cannot be made (" + s.db.LastMessage() + ")");
        return RecordStore(std::move(impl));
    }
    sqlite3_busy_timeout(s.db.handle(), kBusyTimeoutMs);
    if (!ConfigureWriting(s.db)) {
        SetUnavailable(s, Quoted(path) + " cannot be written (" + s.db.LastMessage() + ")");
        return RecordStore(std::move(impl));
    }
    if (auto error = UpgradeSchema(s.db, SchemaSteps())) {
        SetUnavailable(s, IsBusy(s.db) ? LockedFileText(path) : error->message);
        return RecordStore(std::move(impl));
    }
    s.access = StoreAccess::ReadWrite;
    if (salvage) {
        const std::optional<std::size_t> restored = Restore(s, *salvage);
        if (!restored)
            *setAside += "; what could be read from it could not be saved in the new one (" +
                         s.db.LastMessage() + ").";
        else if (*restored == 0)
            *setAside += "; nothing in it could be read.";
        else
            *setAside += " with the " + CountOf(*restored, "record", "records") +
                         " that could be read from it.";
    }
    s.notice = setAside;
    return RecordStore(std::move(impl));
}

}  // namespace kalodaya::records
