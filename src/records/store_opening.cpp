// Opening the records database: creating it, judging an existing file, setting aside one
// that cannot be used, and falling back to reading only or to no records at all.
#include <chrono>
#include <ctime>

#include "records/records_path.h"
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
};

bool IsDamageCode(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ||
           code == SQLITE_IOERR_SHORT_READ;
}

Judgement FromFailure(const Database& db) {
    const int code = db.LastCode();
    if (IsDamageCode(code)) return {Verdict::Damaged, db.LastMessage()};
    if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED)
        return {Verdict::Unreachable, "the records file is in use by another program"};
    return {Verdict::Unreachable, db.LastMessage()};
}

// Reads the file's marks and checks every page; the first read is where SQLite finds out
// whether the file is a database at all.
Judgement Judge(Database& db) {
    const auto applicationId = db.QueryInt("PRAGMA application_id");
    if (!applicationId) return FromFailure(db);
    const auto version = db.QueryInt("PRAGMA user_version");
    if (!version) return FromFailure(db);
    const auto tables = db.QueryInt("SELECT count(*) FROM sqlite_schema");
    if (!tables) return FromFailure(db);
    // An empty file (as a zero-length one reads) becomes the database.
    if (*applicationId == 0 && *tables == 0 && *version == 0) return {Verdict::Usable, {}, 0};
    if (*applicationId != kApplicationId) return {Verdict::Foreign, {}};
    if (*version > CurrentSchemaVersion())
        return {Verdict::Newer, "schema version " + std::to_string(*version)};

    Statement check = db.Prepare("PRAGMA quick_check");
    if (!check) return FromFailure(db);
    const int step = check.Step();
    if (step != SQLITE_ROW) return FromFailure(db);
    const std::string first = check.Text(0);
    if (first != "ok") return {Verdict::Damaged, first};
    return {Verdict::Usable, {}, *version};
}

// Judges an existing file through a connection that reads only and never folds its log back
// into it, so that a file about to be set aside is set aside exactly as it was found.
Judgement JudgeFile(const fs::path& path) {
    Database db;
    if (db.Open(path.string(), SQLITE_OPEN_READONLY) != SQLITE_OK) return FromFailure(db);
    sqlite3_busy_timeout(db.handle(), kBusyTimeoutMs);
    sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    int persist = 1;
    sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
    return Judge(db);
}

// A file: URI for a path, so that query parameters can be added.
std::string FileUri(const fs::path& path) {
    const std::string text = fs::absolute(path).string();
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
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Renames the file (with its -wal and -shm files, which belong to it and must not be read
// into a new database) to "<name>-set-aside-<date>[-n]<extension>" in the same folder.
Result<fs::path> SetAside(const fs::path& path) {
    std::error_code ec;
    const std::string stem = path.stem().string() + "-set-aside-" + LocalDate();
    fs::path target;
    for (int n = 1; target.empty(); ++n) {
        if (n == 1000) return Error{"every name for it is taken"};
        const fs::path candidate =
            path.parent_path() /
            (stem + (n > 1 ? "-" + std::to_string(n) : "") + path.extension().string());
        if (!fs::exists(candidate, ec) && !fs::exists(candidate.string() + "-wal", ec))
            target = candidate;
    }
    std::vector<std::pair<fs::path, fs::path>> moved;
    const auto undo = [&] {
        for (const auto& [from, to] : moved) fs::rename(to, from, ec);
    };
    for (const char* companion : {"-wal", "-shm"}) {
        const fs::path from = path.string() + companion;
        if (!fs::exists(from, ec)) continue;
        const fs::path to = target.string() + companion;
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
        const Judgement judgement = Judge(impl.db);
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

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

}  // namespace

std::int64_t NowSeconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

RecordStore RecordStore::OpenDefault() {
    if (auto path = DefaultRecordsPath()) return Open(*path);
    auto impl = std::make_unique<Impl>();
    SetUnavailable(*impl, "there is no home folder to keep them in (HOME is not set)");
    return RecordStore(std::move(impl));
}

RecordStore RecordStore::Open(const fs::path& path) {
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    Impl& s = *impl;

    std::error_code ec;
    const fs::path folder = path.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec) {
            SetUnavailable(s, "the folder " + Quoted(folder) + " cannot be made (" + ec.message() +
                                  ")");
            return RecordStore(std::move(impl));
        }
    }

    std::optional<std::string> setAside;
    if (fs::exists(path, ec)) {
        Judgement judgement = JudgeFile(path);
        if (judgement.verdict == Verdict::Usable) {
            if (s.db.Open(path.string(), SQLITE_OPEN_READWRITE) == SQLITE_OK) {
                sqlite3_busy_timeout(s.db.handle(), kBusyTimeoutMs);
                if (s.db.ReadOnly()) judgement = {Verdict::Unreachable, "the file cannot be written"};
            } else {
                judgement = FromFailure(s.db);
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
                if (auto error = UpgradeSchema(s.db, SchemaSteps())) {
                    SetUnavailable(s, error->message);
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
                OpenForReading(s, Quoted(path) + " cannot be opened for writing (" +
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
                setAside = (judgement.verdict == Verdict::Damaged
                                ? "The saved birth records in " + Quoted(path) +
                                      " could not be read (" + judgement.detail + ")."
                                : Quoted(path) + " is not a Kalodaya records file.") +
                           " It was kept as " + Quoted(*target) +
                           " and a new, empty records file was started.";
                break;
            }
        }
    }

    if (s.db.Open(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK) {
        SetUnavailable(s, Quoted(path) + " cannot be made (" + s.db.LastMessage() + ")");
        return RecordStore(std::move(impl));
    }
    sqlite3_busy_timeout(s.db.handle(), kBusyTimeoutMs);
    if (!ConfigureWriting(s.db)) {
        SetUnavailable(s, Quoted(path) + " cannot be written (" + s.db.LastMessage() + ")");
        return RecordStore(std::move(impl));
    }
    if (auto error = UpgradeSchema(s.db, SchemaSteps())) {
        SetUnavailable(s, error->message);
        return RecordStore(std::move(impl));
    }
    s.access = StoreAccess::ReadWrite;
    s.notice = setAside;
    return RecordStore(std::move(impl));
}

}  // namespace kalodaya::records
