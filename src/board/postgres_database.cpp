#include "board/postgres_database.h"

#include <libpq-fe.h>

#include <map>
#include <memory>
#include <mutex>

namespace ridgeline {

namespace {

// The type PostgreSQL gives bytes columns (pg_type.oid of bytea).
constexpr Oid kByteaType = 17;
// A key of its own for the advisory lock that guards the schema's migrations.
constexpr std::int64_t kSchemaLockKey = 0x5269646765;  // "Ridge"
constexpr const char* kConnectSeconds = "5";

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

DatabaseError::Kind KindOf(const PGresult* result, PGconn* connection) {
  if (PQstatus(connection) != CONNECTION_OK) return DatabaseError::Kind::Unavailable;
  const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  const std::string_view code = state ? state : "";
  if (code == "23505") return DatabaseError::Kind::Duplicate;  // unique_violation
  if (code == "53100") return DatabaseError::Kind::Full;       // disk_full
  // Connection exceptions, too many connections, the server shutting down,
  // a serialization failure or deadlock: all pass, so try again later.
  if (code.starts_with("08") || code.starts_with("53") || code.starts_with("57P") ||
      code == "40001" || code == "40P01") {
    return DatabaseError::Kind::Unavailable;
  }
  return DatabaseError::Kind::Other;
}

class PostgresDatabase : public Database {
 public:
  explicit PostgresDatabase(const std::string& uri) : uri_(uri) { Connect(); }
  ~PostgresDatabase() override {
    if (connection_) PQfinish(connection_);
  }

  void Transaction(const std::function<void()>& work) override {
    std::lock_guard lock(mutex_);
    if (!connection_ || PQstatus(connection_) != CONNECTION_OK) Connect();
    Query("BEGIN");
    try {
      work();
      Query("COMMIT");
    } catch (...) {
      // On a lost connection the server has dropped the transaction itself.
      if (PQstatus(connection_) == CONNECTION_OK) Result(PQexec(connection_, "ROLLBACK"), PQclear);
      throw;
    }
  }

  Rows Query(std::string_view sql, std::initializer_list<Value> parameters = {}) override {
    const std::string& name = Prepared(sql);
    std::vector<std::string> texts;
    texts.reserve(parameters.size());
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    for (const Value& value : parameters) {
      if (const auto* number = std::get_if<std::int64_t>(&value)) {
        texts.push_back(std::to_string(*number));
        values.push_back(texts.back().c_str());
        lengths.push_back(0);
        formats.push_back(0);
      } else {
        const std::string_view data = std::holds_alternative<Bytes>(value)
                                          ? std::get<Bytes>(value).data
                                          : std::get<std::string_view>(value);
        values.push_back(data.data());
        lengths.push_back(static_cast<int>(data.size()));
        // Bytes go over as they are; text is sent in binary form too, which
        // for text is its bytes, so that no value is ever quoted.
        formats.push_back(1);
      }
    }
    Result result(PQexecPrepared(connection_, name.c_str(), static_cast<int>(values.size()),
                                 values.data(), lengths.data(), formats.data(), 0),
                  PQclear);
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) Fail(result.get(), sql);
    Rows rows(PQntuples(result.get()));
    for (int row = 0; row < PQntuples(result.get()); ++row) {
      for (int column = 0; column < PQnfields(result.get()); ++column) {
        rows[row].push_back(Column(result.get(), row, column));
      }
    }
    return rows;
  }

  std::string_view IdentityKey() const override {
    return "BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY";
  }
  std::string_view BytesColumn() const override { return "BYTEA"; }
  void LockSchema() override { Query("SELECT pg_advisory_xact_lock($1)", {kSchemaLockKey}); }

 private:
  void Connect() {
    if (connection_) PQfinish(connection_);
    prepared_.clear();
    const char* keys[] = {"dbname", "connect_timeout", nullptr};
    const char* values[] = {uri_.c_str(), kConnectSeconds, nullptr};
    connection_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(connection_) != CONNECTION_OK) {
      throw DatabaseError(DatabaseError::Kind::Unavailable,
                          "PostgreSQL: cannot connect: " + Message());
    }
  }

  // The server's name for the statement `sql`, prepared on first use on
  // this connection.
  const std::string& Prepared(std::string_view sql) {
    auto found = prepared_.find(sql);
    if (found != prepared_.end()) return found->second;
    std::string name("s");
    name += std::to_string(prepared_.size());
    const std::string text(sql);
    Result result(PQprepare(connection_, name.c_str(), text.c_str(), 0, nullptr), PQclear);
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) Fail(result.get(), sql);
    return prepared_.emplace(text, std::move(name)).first->second;
  }

  std::string Column(const PGresult* result, int row, int column) {
    const char* text = PQgetvalue(result, row, column);
    if (PQftype(result, column) != kByteaType) {
      return std::string(text, PQgetlength(result, row, column));
    }
    std::size_t length = 0;
    std::unique_ptr<unsigned char, decltype(&PQfreemem)> bytes(
        PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &length), PQfreemem);
    if (!bytes) throw DatabaseError(DatabaseError::Kind::Other, "PostgreSQL: out of memory");
    return std::string(reinterpret_cast<const char*>(bytes.get()), length);
  }

  std::string Message() const {
    std::string message = connection_ ? PQerrorMessage(connection_) : "no connection";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
      message.pop_back();
    }
    return message;
  }

  [[noreturn]] void Fail(const PGresult* result, std::string_view sql) {
    throw DatabaseError(KindOf(result, connection_),
                        "PostgreSQL: " + Message() + ": " + std::string(sql));
  }

  std::string uri_;
  PGconn* connection_ = nullptr;
  std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> prepared_;
};

}  // namespace

std::unique_ptr<Database> OpenPostgres(const std::string& uri) {
  return std::make_unique<PostgresDatabase>(uri);
}

}  // namespace ridgeline
