#include "records/record_store.h"

#include <string>

#include "records/record_fields.h"
#include "records/record_rows.h"
#include "records/store_impl.h"

namespace kalodaya::records {
namespace {

// "name = ?1, year = ?2, ..." for every record column but created_at, then "WHERE id = ?31".
std::string UpdateSql() {
    std::string sql = "UPDATE records SET ";
    std::string_view columns = kRecordColumns;
    int index = 1;
    while (!columns.empty()) {
        const std::size_t comma = columns.find(',');
        std::string_view column = columns.substr(0, comma);
        columns = comma == std::string_view::npos ? std::string_view() : columns.substr(comma + 1);
        while (column.starts_with(' ')) column.remove_prefix(1);
        if (column != "created_at") {
            if (index > 1 && !sql.ends_with("SET ")) sql += ", ";
            sql.append(column).append(" = ?").append(std::to_string(index));
        }
        ++index;
    }
    return sql + " WHERE id = ?" + std::to_string(index);
}

std::string NoRecord(RecordId id) { return "there is no saved record " + std::to_string(id); }

// Puts the record first in the recent list and keeps the list to kRecentCount.
bool Touch(Database& db, RecordId id) {
    Statement touch = db.Prepare(
        "INSERT INTO recent (record_id, used) VALUES (?1, "
        "(SELECT coalesce(max(used), 0) + 1 FROM recent)) "
        "ON CONFLICT (record_id) DO UPDATE SET used = excluded.used");
    if (!touch) return false;
    touch.Bind(1, id);
    if (touch.Step() != SQLITE_DONE) return false;
    Statement trim = db.Prepare(
        "DELETE FROM recent WHERE record_id NOT IN "
        "(SELECT record_id FROM recent ORDER BY used DESC LIMIT ?1)");
    if (!trim) return false;
    trim.Bind(1, kRecentCount);
    return trim.Step() == SQLITE_DONE;
}

bool Readable(const RecordStore::Impl& s) { return s.access != StoreAccess::Unavailable; }

Error NoRecords(const RecordStore::Impl& s) { return {"No saved records: " + s.why_not_writable}; }

Result<std::vector<RecordSummary>> Summaries(const RecordStore::Impl& s, Database& db,
                                             const std::string& sql) {
    if (!Readable(s)) return NoRecords(s);
    Statement query = db.Prepare(sql);
    if (!query) return s.Failure("cannot read the saved records");
    std::vector<RecordSummary> summaries;
    int step;
    while ((step = query.Step()) == SQLITE_ROW) summaries.push_back(ReadSummary(query));
    if (step != SQLITE_DONE) return s.Failure("cannot read the saved records");
    return summaries;
}

}  // namespace

RecordStore::RecordStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
RecordStore::RecordStore(RecordStore&&) noexcept = default;
RecordStore& RecordStore::operator=(RecordStore&&) noexcept = default;
RecordStore::~RecordStore() = default;

StoreAccess RecordStore::access() const { return impl_->access; }
const std::filesystem::path& RecordStore::path() const { return impl_->path; }
const std::optional<std::string>& RecordStore::notice() const { return impl_->notice; }

Result<RecordId> RecordStore::SaveNew(const Record& record) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    if (auto problem = ShapeProblem(record)) return Error{"cannot save the record: " + *problem};
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot save the record");
    Statement insert = s.db.Prepare(std::string("INSERT INTO records (") + kRecordColumns +
                                    ") VALUES (" + kRecordParameters + ")");
    if (!insert) return s.Failure("cannot save the record");
    const std::int64_t now = NowSeconds();
    BindRecord(insert, record);
    insert.Bind(kRecordCreatedParameter, now);
    insert.Bind(kRecordUpdatedParameter, now);
    if (insert.Step() != SQLITE_DONE) return s.Failure("cannot save the record");
    const RecordId id = s.db.LastInsertId();
    if (!Touch(s.db, id) || transaction.Commit() != SQLITE_OK)
        return s.Failure("cannot save the record");
    return id;
}

Status RecordStore::Update(RecordId id, const Record& record) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    if (auto problem = ShapeProblem(record)) return Error{"cannot save the record: " + *problem};
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot update the record");
    static const std::string sql = UpdateSql();
    Statement update = s.db.Prepare(sql);
    if (!update) return s.Failure("cannot update the record");
    BindRecord(update, record);
    update.Bind(kRecordUpdatedParameter, NowSeconds());
    update.Bind(kRecordIdParameter, id);
    if (update.Step() != SQLITE_DONE) return s.Failure("cannot update the record");
    if (s.db.Changes() == 0) return Error{NoRecord(id)};
    if (!Touch(s.db, id) || transaction.Commit() != SQLITE_OK)
        return s.Failure("cannot update the record");
    return std::nullopt;
}

Status RecordStore::UpdateNote(RecordId id, std::string_view note) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    if (!IsUtf8(note)) return Error{"the note is not UTF-8 text"};
    if (FormTextLength(note) > kLongestRecordText)
        return Error{"the note is longer than " + std::to_string(kLongestRecordText) +
                     " characters"};
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot save the note");
    Statement update = s.db.Prepare("UPDATE records SET note = ?1, updated_at = ?2 WHERE id = ?3");
    if (!update) return s.Failure("cannot save the note");
    update.Bind(1, note);
    update.Bind(2, NowSeconds());
    update.Bind(3, id);
    if (update.Step() != SQLITE_DONE) return s.Failure("cannot save the note");
    if (s.db.Changes() == 0) return Error{NoRecord(id)};
    if (transaction.Commit() != SQLITE_OK) return s.Failure("cannot save the note");
    return std::nullopt;
}

Status RecordStore::Delete(RecordId id) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot delete the record");
    Statement remove = s.db.Prepare("DELETE FROM records WHERE id = ?1");
    if (!remove) return s.Failure("cannot delete the record");
    remove.Bind(1, id);
    if (remove.Step() != SQLITE_DONE) return s.Failure("cannot delete the record");
    if (s.db.Changes() == 0) return Error{NoRecord(id)};
    if (transaction.Commit() != SQLITE_OK) return s.Failure("cannot delete the record");
    return std::nullopt;
}

Result<StoredRecord> RecordStore::Get(RecordId id) const {
    const Impl& s = *impl_;
    if (!Readable(s)) return NoRecords(s);
    Statement query = impl_->db.Prepare(std::string("SELECT ") + kRecordColumns +
                                        " FROM records WHERE id = ?1");
    if (!query) return s.Failure("cannot read the record");
    query.Bind(1, id);
    const int step = query.Step();
    if (step == SQLITE_DONE) return Error{NoRecord(id)};
    if (step != SQLITE_ROW) return s.Failure("cannot read the record");
    return StoredRecord{id, ReadRecord(query, 0)};
}

Status RecordStore::MarkOpened(RecordId id) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot note the opening");
    Statement exists = s.db.Prepare("SELECT 1 FROM records WHERE id = ?1");
    if (!exists) return s.Failure("cannot note the opening");
    exists.Bind(1, id);
    const int step = exists.Step();
    if (step == SQLITE_DONE) return Error{NoRecord(id)};
    if (step != SQLITE_ROW) return s.Failure("cannot note the opening");
    if (!Touch(s.db, id) || transaction.Commit() != SQLITE_OK)
        return s.Failure("cannot note the opening");
    return std::nullopt;
}

Result<std::vector<RecordSummary>> RecordStore::List() const {
    return Summaries(*impl_, impl_->db,
                     std::string("SELECT ") + kSummaryColumns +
                         " FROM records ORDER BY name, year, month, day, hour, minute, second, id");
}

Result<std::vector<RecordSummary>> RecordStore::Recent() const {
    return Summaries(*impl_, impl_->db,
                     "SELECT r.id, r.name, r.year, r.month, r.day, r.hour, r.minute, r.second, "
                     "r.city, r.state, r.country, r.updated_at FROM recent "
                     "JOIN records AS r ON r.id = recent.record_id ORDER BY recent.used DESC");
}

Result<std::int64_t> RecordStore::Count() const {
    const Impl& s = *impl_;
    if (!Readable(s)) return NoRecords(s);
    const auto count = impl_->db.QueryInt("SELECT count(*) FROM records");
    if (!count) return s.Failure("cannot count the saved records");
    return *count;
}

Result<std::vector<RecordId>> RecordStore::SaveAll(std::span<const Record> records) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (auto problem = ShapeProblem(records[i]))
            return Error{"record " + std::to_string(i + 1) + ": " + *problem};
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot save the records");
    Statement insert = s.db.Prepare(std::string("INSERT INTO records (") + kRecordColumns +
                                    ") VALUES (" + kRecordParameters + ")");
    if (!insert) return s.Failure("cannot save the records");
    const std::int64_t now = NowSeconds();
    std::vector<RecordId> ids;
    ids.reserve(records.size());
    for (const Record& record : records) {
        BindRecord(insert, record);
        insert.Bind(kRecordCreatedParameter, record.created ? record.created : now);
        insert.Bind(kRecordUpdatedParameter, record.updated ? record.updated : now);
        if (insert.Step() != SQLITE_DONE) return s.Failure("cannot save the records");
        ids.push_back(s.db.LastInsertId());
        insert.Reset();
    }
    if (transaction.Commit() != SQLITE_OK) return s.Failure("cannot save the records");
    return ids;
}

Status RecordStore::ForEach(const std::function<void(const StoredRecord&)>& visit) const {
    const Impl& s = *impl_;
    if (!Readable(s)) return NoRecords(s);
    Statement query = impl_->db.Prepare(std::string("SELECT id, ") + kRecordColumns +
                                        " FROM records ORDER BY " + kRecordExportOrder);
    if (!query) return s.Failure("cannot read the saved records");
    int step;
    while ((step = query.Step()) == SQLITE_ROW) visit(StoredRecord{query.Int64(0), ReadRecord(query, 1)});
    if (step != SQLITE_DONE) return s.Failure("cannot read the saved records");
    return std::nullopt;
}

}  // namespace kalodaya::records
