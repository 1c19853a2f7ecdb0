#pragma once

#include <memory>
#include <string>

#include "board/database.h"

namespace ridgeline {

// An SQLite file, written ahead in a log (WAL) and synced at every commit, so
// that a process killed at any moment leaves the file whole, with every
// transaction that committed. Several processes on one machine may share it:
// a writer waits up to a few seconds for another.
std::unique_ptr<Database> OpenSqlite(const std::string& file);

}  // namespace ridgeline
