#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/database.h"

namespace ridgeline {

// A replay that verified, as the board keeps it.
struct NewEntry {
  std::string_view hash;  // SHA-256 of the replay, in hex
  std::int64_t score = 0;
  long passes = 0;  // the game's length: its game-over pass and the passes before it
  std::string_view name;
  std::string_view replay;  // the file, whole
};

struct BoardEntry {
  std::int64_t rank = 0;
  std::int64_t id = 0;
  std::string name;
  std::int64_t score = 0;
  std::int64_t passes = 0;
  std::string submitted;  // UTC, "YYYY-MM-DDTHH:MM:SSZ"
};

struct Added {
  std::int64_t id = 0;
  std::int64_t rank = 0;
};

// The board's entries in a database: the higher score ranks first, and of
// equal scores the one submitted first. The schema is brought up to date
// when the store opens. Every call is one transaction; DatabaseError says
// what failed.
class ScoreStore {
 public:
  explicit ScoreStore(std::unique_ptr<Database> database);

  // The entry of the replay with `hash`, if the board has it.
  std::optional<std::int64_t> Find(std::string_view hash);
  // Adds the entry, with the time now, and gives its id and its rank then.
  // DatabaseError::Kind::Duplicate when one with the same hash is there.
  Added Add(const NewEntry& entry);
  // Up to `limit` entries from rank `offset` + 1, and how many there are.
  std::vector<BoardEntry> Page(std::int64_t limit, std::int64_t offset, std::int64_t& total);
  // The replay file of entry `id`.
  std::optional<std::string> Replay(std::int64_t id);

 private:
  std::unique_ptr<Database> database_;
};

}  // namespace ridgeline
