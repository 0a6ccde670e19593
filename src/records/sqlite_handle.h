#pragma once
// Thin owners of SQLite's connection and statement handles; results are SQLite's codes.
#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kalodaya::records {

class Statement {
  public:
    Statement() = default;
    explicit Statement(sqlite3_stmt* handle) : handle_(handle) {}
    Statement(Statement&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(handle_); }

    explicit operator bool() const { return handle_ != nullptr; }

    // Parameters count from 1. A failed bind leaves the parameter NULL, which the table's
    // NOT NULL constraints then refuse at Step.
    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(handle_, index, value); }
    void Bind(int index, int value) { sqlite3_bind_int(handle_, index, value); }
    void Bind(int index, bool value) { sqlite3_bind_int(handle_, index, value ? 1 : 0); }
    void Bind(int index, std::string_view text);
    void BindNull(int index) { sqlite3_bind_null(handle_, index); }
    template <class T>
    void Bind(int index, const std::optional<T>& value) {
        if (value)
            Bind(index, *value);
        else
            BindNull(index);
    }

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return sqlite3_step(handle_); }
    void Reset() {
        sqlite3_reset(handle_);
        sqlite3_clear_bindings(handle_);
    }

    // Columns count from 0.
    bool IsNull(int column) const { return sqlite3_column_type(handle_, column) == SQLITE_NULL; }
    int Int(int column) const { return sqlite3_column_int(handle_, column); }
    std::int64_t Int64(int column) const { return sqlite3_column_int64(handle_, column); }
    std::optional<int> OptionalInt(int column) const;
    std::optional<std::int64_t> OptionalInt64(int column) const;
    std::string Text(int column) const;

  private:
    sqlite3_stmt* handle_ = nullptr;
};

class Database {
  public:
    Database() = default;
    Database(Database&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database() { Close(); }

    // sqlite3_open_v2 with extended result codes on; `path` may be a file: URI when `flags`
    // include SQLITE_OPEN_URI. On failure the connection is closed and the message kept.
    int Open(const std::string& path, int flags);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    sqlite3* handle() const { return handle_; }

    int Exec(const char* sql);
    // Prepares `sql`; an empty statement when it fails (LastCode says why).
    Statement Prepare(std::string_view sql);

    // The text of the first column of the first row, or nothing when there is none or it fails.
    std::optional<std::string> QueryText(const char* sql);
    std::optional<std::int64_t> QueryInt(const char* sql);

    int LastCode() const { return handle_ ? sqlite3_errcode(handle_) : last_open_code_; }
    std::string LastMessage() const;
    std::int64_t LastInsertId() const { return sqlite3_last_insert_rowid(handle_); }
    int Changes() const { return sqlite3_changes(handle_); }
    bool ReadOnly() const { return sqlite3_db_readonly(handle_, "main") == 1; }

  private:
    sqlite3* handle_ = nullptr;
    int last_open_code_ = SQLITE_OK;
    std::string last_open_message_;
};

// BEGIN IMMEDIATE at construction (the write lock is taken at once, so two programs saving
// together wait for each other instead of failing halfway); rolled back unless committed.
class Transaction {
  public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    int begin_code() const { return begin_code_; }
    int Commit();

  private:
    Database& db_;
    int begin_code_;
    bool open_;
};

}  // namespace kalodaya::records
