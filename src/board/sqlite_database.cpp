#include "board/sqlite_database.h"

#include <sqlite3.h>

#include <map>
#include <mutex>

namespace ridgeline {

namespace {

constexpr int kBusyMilliseconds = 5000;

DatabaseError::Kind KindOf(int code) {
  switch (code & 0xff) {
    case SQLITE_FULL:
      return DatabaseError::Kind::Full;
    case SQLITE_CONSTRAINT:
      return DatabaseError::Kind::Duplicate;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PROTOCOL:
      return DatabaseError::Kind::Unavailable;
    default:
      return DatabaseError::Kind::Other;
  }
}

class SqliteDatabase : public Database {
 public:
  explicit SqliteDatabase(const std::string& file) {
    const int opened =
        sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (opened != SQLITE_OK) {
      const std::string why = sqlite3_errmsg(db_);
      sqlite3_close(db_);
      throw DatabaseError(KindOf(opened), "SQLite: " + file + ": " + why);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyMilliseconds);
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
      Query(pragma);
    }
  }
  ~SqliteDatabase() override {
    for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    sqlite3_close(db_);
  }

  void Transaction(const std::function<void()>& work) override {
    std::lock_guard lock(mutex_);
    // Immediate: take the write lock now, so that a transaction that reads
    // and then writes never has to give up halfway for another process.
    Query("BEGIN IMMEDIATE");
    try {
      work();
      Query("COMMIT");
    } catch (...) {
      if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  Rows Query(std::string_view sql, std::initializer_list<Value> parameters = {}) override {
    sqlite3_stmt* statement = Prepared(sql);
    int index = 0;
    for (const Value& value : parameters) Bind(statement, ++index, value);
    Rows rows;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
      auto& row = rows.emplace_back();
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
        row.emplace_back(data ? data : "", sqlite3_column_bytes(statement, column));
      }
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (step != SQLITE_DONE) Fail(step, std::string(sql));
    return rows;
  }

  std::string_view IdentityKey() const override { return "INTEGER PRIMARY KEY AUTOINCREMENT"; }
  std::string_view BytesColumn() const override { return "BLOB"; }
  // BEGIN IMMEDIATE has already locked out every other writer.
  void LockSchema() override {}

 private:
  sqlite3_stmt* Prepared(std::string_view sql) {
    auto found = statements_.find(sql);
    if (found != statements_.end()) return found->second;
    sqlite3_stmt* statement = nullptr;
    const int prepared =
        sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
    if (prepared != SQLITE_OK) Fail(prepared, std::string(sql));
    return statements_.emplace(std::string(sql), statement).first->second;
  }

  void Bind(sqlite3_stmt* statement, int index, const Value& value) {
    int bound;
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
      bound = sqlite3_bind_int64(statement, index, *number);
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
      bound = sqlite3_bind_text64(statement, index, text->data(), text->size(), SQLITE_TRANSIENT,
                                  SQLITE_UTF8);
    } else {
      const std::string_view bytes = std::get<Bytes>(value).data;
      bound = sqlite3_bind_blob64(statement, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    }
    if (bound != SQLITE_OK) Fail(bound, "binding a value");
  }

  [[noreturn]] void Fail(int code, const std::string& doing) {
    throw DatabaseError(KindOf(code), "SQLite: " + std::string(sqlite3_errstr(code)) + " (" +
                                          sqlite3_errmsg(db_) + ")" + ": " + doing);
  }

  sqlite3* db_ = nullptr;
  std::mutex mutex_;
  std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

}  // namespace

std::unique_ptr<Database> OpenSqlite(const std::string& file) {
  return std::make_unique<SqliteDatabase>(file);
}

}  // namespace ridgeline
