#include "board/database.h"

#include "board/postgres_database.h"
#include "board/sqlite_database.h"

namespace ridgeline {

std::unique_ptr<Database> OpenDatabase(const std::string& where) {
  const std::string_view name = where;
  if (name.starts_with("postgresql://") || name.starts_with("postgres://")) {
    return OpenPostgres(where);
  }
  return OpenSqlite(where);
}

}  // namespace ridgeline
