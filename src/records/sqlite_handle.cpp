#include "records/sqlite_handle.h"

#include <utility>

namespace kalodaya::records {

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void Statement::Bind(int index, std::string_view text) {
    sqlite3_bind_text64(handle_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

std::optional<int> Statement::OptionalInt(int column) const {
    if (IsNull(column)) return std::nullopt;
    return Int(column);
}

std::optional<std::int64_t> Statement::OptionalInt64(int column) const {
    if (IsNull(column)) return std::nullopt;
    return Int64(column);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(handle_, column);
    if (!text) return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(handle_, column)));
}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        last_open_code_ = other.last_open_code_;
        last_open_message_ = std::move(other.last_open_message_);
    }
    return *this;
}

int Database::Open(const std::string& path, int flags) {
    Close();
    sqlite3* handle = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    if (code != SQLITE_OK) {
        last_open_code_ = handle ? sqlite3_extended_errcode(handle) : code;
        last_open_message_ = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(code);
        sqlite3_close_v2(handle);
        return code;
    }
    sqlite3_extended_result_codes(handle, 1);
    handle_ = handle;
    last_open_code_ = SQLITE_OK;
    last_open_message_.clear();
    return SQLITE_OK;
}

void Database::Close() {
    // Every statement is finalized by its owner first; close_v2 would otherwise wait for them.
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
}

int Database::Exec(const char* sql) { return sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr); }

Statement Database::Prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle_, sql.data(), static_cast<int>(sql.size()), &statement,
                           nullptr) != SQLITE_OK)
        return Statement();
    return Statement(statement);
}

std::optional<std::string> Database::QueryText(const char* sql) {
    Statement statement = Prepare(sql);
    if (!statement || statement.Step() != SQLITE_ROW) return std::nullopt;
    return statement.Text(0);
}

std::optional<std::int64_t> Database::QueryInt(const char* sql) {
    Statement statement = Prepare(sql);
    if (!statement || statement.Step() != SQLITE_ROW) return std::nullopt;
    return statement.Int64(0);
}

std::string Database::LastMessage() const {
    return handle_ ? sqlite3_errmsg(handle_) : last_open_message_;
}

Transaction::Transaction(Database& db)
    : db_(db), begin_code_(db.Exec("BEGIN IMMEDIATE")), open_(begin_code_ == SQLITE_OK) {}

Transaction::~Transaction() {
    if (open_) db_.Exec("ROLLBACK");
}

int Transaction::Commit() {
    const int code = db_.Exec("COMMIT");
    // A failed COMMIT leaves the transaction open (SQLITE_BUSY) or already rolled back; either
    // way the destructor's ROLLBACK finishes it.
    if (code == SQLITE_OK) open_ = false;
    return code;
}

}  // namespace kalodaya::records
