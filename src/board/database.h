#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ridgeline {

// A failure of the database, by what the board should answer to it.
struct DatabaseError : std::runtime_error {
  enum class Kind {
    Unavailable,  // cannot be reached or is busy: try again later (503)
    Full,         // no room to write (507)
    Duplicate,    // a row with that unique key is there already (409)
    Other,        // anything else (500)
  };
  DatabaseError(Kind kind, const std::string& what) : std::runtime_error(what), kind(kind) {}
  Kind kind;
};

// A parameter bound into a statement: a number, a text, or bytes kept as they are.
struct Bytes {
  std::string_view data;
};
using Value = std::variant<std::int64_t, std::string_view, Bytes>;
// Each row's columns as text; a bytes column holds its bytes.
using Rows = std::vector<std::vector<std::string>>;

// One connection to a database, used by one thread at a time through
// Transaction. Statements are written once for both engines, with their
// parameters as $1, $2, ... in the order they first appear, and are always
// prepared, never built from values.
class Database {
 public:
  virtual ~Database() = default;

  // Runs `work` as one transaction, which may call Query: committed when it
  // returns, rolled back when it throws. Other threads wait meanwhile.
  virtual void Transaction(const std::function<void()>& work) = 0;
  // Runs a prepared statement; only inside Transaction.
  virtual Rows Query(std::string_view sql, std::initializer_list<Value> parameters = {}) = 0;

  // The column types that the two engines spell apart: an identity key
  // given out in rising order, and bytes kept as they are.
  virtual std::string_view IdentityKey() const = 0;
  virtual std::string_view BytesColumn() const = 0;
  // Keeps two processes from changing the schema at once, inside a transaction.
  virtual void LockSchema() = 0;
};

// Opens `where`: a postgresql:// or postgres:// URI, else an SQLite file.
std::unique_ptr<Database> OpenDatabase(const std::string& where);

}  // namespace ridgeline
