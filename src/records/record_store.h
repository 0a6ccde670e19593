#pragma once
// Saved birth records and the user's own places in one SQLite database (write-ahead log, every
// change in one transaction, so a program killed at any moment keeps every confirmed save).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/record.h"
#include "records/result.h"

namespace kalodaya::records {

enum class StoreAccess {
    ReadWrite,
    ReadOnly,     // the records can be read but not saved (a folder or file that cannot be written)
    Unavailable,  // no records at all; charts go on working
};

inline constexpr int kRecentCount = 8;

class RecordStore {
  public:
    // Opens the database at `path`, creating it and its folder when missing and bringing an
    // older schema up to date. A file that is not a Kalodaya database or is damaged is never
    // overwritten or deleted: it is renamed with today's date in its name (and its -wal and
    // -shm files with it) and a fresh database is started. Never fails: access() and notice()
    // say what came of it.
    static RecordStore Open(const std::filesystem::path& path);
    // Open(DefaultRecordsPath()), or Unavailable when there is no home folder.
    static RecordStore OpenDefault();

    RecordStore(RecordStore&&) noexcept;
    RecordStore& operator=(RecordStore&&) noexcept;
    ~RecordStore();

    StoreAccess access() const;
    bool CanSave() const { return access() == StoreAccess::ReadWrite; }
    const std::filesystem::path& path() const;
    // The one message for the user about opening: a file set aside and a fresh one started,
    // or records that cannot be saved and why. Nothing when all went as usual.
    const std::optional<std::string>& notice() const;

    // "Save Birth Details" for a form not opened from a record, and "Save as New": a new
    // record, created and updated now, first in the recent list.
    Result<RecordId> SaveNew(const Record& record);
    // "Update": the record's entries replaced, its created time kept, updated now; first in
    // the recent list.
    Status Update(RecordId id, const Record& record);
    // The note field of the saved-records list.
    Status UpdateNote(RecordId id, std::string_view note);
    Status Delete(RecordId id);
    Result<StoredRecord> Get(RecordId id) const;
    // Opening a record into the form puts it first in the recent list.
    Status MarkOpened(RecordId id);

    // Every record, by name and then birth date and time.
    Result<std::vector<RecordSummary>> List() const;
    // The last kRecentCount records opened or saved, the latest first.
    Result<std::vector<RecordSummary>> Recent() const;
    Result<std::int64_t> Count() const;

    // Imports: every record in one transaction, all or none; times a record carries are kept,
    // missing ones set now. Ids in the records' order.
    Result<std::vector<RecordId>> SaveAll(std::span<const Record> records);
    // Every record in export order: the values a request line shows first, then the rest, so
    // that any database holding the same records gives them in the same order.
    Status ForEach(const std::function<void(const StoredRecord&)>& visit) const;

    // Keeps a place typed by hand; one of the same name, state and country (in any case) is
    // replaced.
    Result<PlaceId> SavePlace(const Place& place);
    Status DeletePlace(PlaceId id);
    // Places in which every word of `query` occurs (name, state, country; case and accents
    // ignored), names starting with the query's first word first, then by name; at most
    // `limit`.
    Result<std::vector<StoredPlace>> SearchPlaces(std::string_view query,
                                                  std::size_t limit = 20) const;

    struct Impl;

  private:
    explicit RecordStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace kalodaya::records
