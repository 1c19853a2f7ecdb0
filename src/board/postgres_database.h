#pragma once

#include <memory>
#include <string>

#include "board/database.h"

namespace ridgeline {

// A PostgreSQL server, reached through libpq at a postgresql:// URI. A lost
// connection makes the board answer "unavailable" until it can be made
// again; each use tries once to make it again.
std::unique_ptr<Database> OpenPostgres(const std::string& uri);

}  // namespace ridgeline
