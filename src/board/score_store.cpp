#include "board/score_store.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace ridgeline {

namespace {

// The schema's steps, in order; a database holds the number of steps taken.
// Each names the columns that the engines spell apart as {key} and {bytes}.
// Add a step at the end; never change one that has shipped.
constexpr std::array<std::string_view, 2> kMigrations{{
    "CREATE TABLE replays ("
    " id {key},"
    " hash TEXT NOT NULL UNIQUE,"
    " score BIGINT NOT NULL,"
    " passes BIGINT NOT NULL,"
    " name TEXT NOT NULL,"
    " submitted TEXT NOT NULL,"
    " replay {bytes} NOT NULL)",
    "CREATE INDEX replays_by_rank ON replays (score DESC, id)",
}};

std::string Spelled(std::string_view step, const Database& database) {
  std::string sql(step);
  for (const auto& [mark, spelling] :
       {std::pair{std::string_view("{key}"), database.IdentityKey()},
        std::pair{std::string_view("{bytes}"), database.BytesColumn()}}) {
    if (const auto at = sql.find(mark); at != std::string::npos) {
      sql.replace(at, mark.size(), spelling);
    }
  }
  return sql;
}

std::int64_t Number(const std::string& text) {
  std::int64_t number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::string UtcNow() {
  using namespace std::chrono;
  const auto now = floor<seconds>(system_clock::now());
  const auto today = floor<days>(now);
  const year_month_day date{today};
  const hh_mm_ss time{now - today};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

// Entries ranked above a score submitted as entry `id`.
constexpr std::string_view kAbove =
    "SELECT COUNT(*) FROM replays WHERE score > $1 OR (score = $1 AND id < $2)";

}  // namespace

ScoreStore::ScoreStore(std::unique_ptr<Database> database) : database_(std::move(database)) {
  Database& db = *database_;
  db.Transaction([&] {
    db.LockSchema();
    db.Query("CREATE TABLE IF NOT EXISTS schema_steps (steps BIGINT NOT NULL)");
    const Rows rows = db.Query("SELECT steps FROM schema_steps");
    if (rows.empty()) db.Query("INSERT INTO schema_steps (steps) VALUES (0)");
    const std::int64_t taken = rows.empty() ? 0 : Number(rows[0][0]);
    for (std::size_t step = taken; step < kMigrations.size(); ++step) {
      db.Query(Spelled(kMigrations[step], db));
    }
    db.Query("UPDATE schema_steps SET steps = $1", {static_cast<std::int64_t>(kMigrations.size())});
  });
}

std::optional<std::int64_t> ScoreStore::Find(std::string_view hash) {
  std::optional<std::int64_t> id;
  database_->Transaction([&] {
    const Rows rows = database_->Query("SELECT id FROM replays WHERE hash = $1", {hash});
    if (!rows.empty()) id = Number(rows[0][0]);
  });
  return id;
}

Added ScoreStore::Add(const NewEntry& entry) {
  Added added;
  const std::string now = UtcNow();
  database_->Transaction([&] {
    Database& db = *database_;
    const Rows inserted = db.Query(
        "INSERT INTO replays (hash, score, passes, name, submitted, replay)"
        " VALUES ($1, $2, $3, $4, $5, $6) RETURNING id",
        {entry.hash, entry.score, static_cast<std::int64_t>(entry.passes), entry.name,
         std::string_view(now), Bytes{entry.replay}});
    added.id = Number(inserted.at(0).at(0));
    added.rank = Number(db.Query(kAbove, {entry.score, added.id}).at(0).at(0)) + 1;
  });
  return added;
}

std::vector<BoardEntry> ScoreStore::Page(std::int64_t limit, std::int64_t offset,
                                         std::int64_t& total) {
  std::vector<BoardEntry> page;
  database_->Transaction([&] {
    total = Number(database_->Query("SELECT COUNT(*) FROM replays").at(0).at(0));
    const Rows rows = database_->Query(
        "SELECT id, name, score, passes, submitted FROM replays"
        " ORDER BY score DESC, id LIMIT $1 OFFSET $2",
        {limit, offset});
    for (const auto& row : rows) {
      page.push_back({offset + static_cast<std::int64_t>(page.size()) + 1, Number(row[0]), row[1],
                      Number(row[2]), Number(row[3]), row[4]});
    }
  });
  return page;
}

std::optional<std::string> ScoreStore::Replay(std::int64_t id) {
  std::optional<std::string> replay;
  database_->Transaction([&] {
    Rows rows = database_->Query("SELECT replay FROM replays WHERE id = $1", {id});
    if (!rows.empty()) replay = std::move(rows[0][0]);
  });
  return replay;
}

}  // namespace ridgeline
