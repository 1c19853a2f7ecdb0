#include "board/submission.h"

#include <cstdio>
#include <mutex>
#include <nlohmann/json.hpp>

#include "board/replay_hash.h"

namespace ridgeline {

namespace {

// The game runs on the program's globals: one check at a time.
std::mutex theGame;

Answer Duplicate(std::int64_t id) {
  return {409, nlohmann::json{{"error", "this replay is on the board already"}, {"id", id}}.dump()};
}

}  // namespace

Answer ErrorAnswer(int status, const std::string& reason) {
  return {status, nlohmann::json{{"error", reason}}.dump()};
}

Answer DatabaseAnswer(const DatabaseError& failure) {
  std::fprintf(stderr, "ridgeline-board: %s\n", failure.what());
  switch (failure.kind) {
    case DatabaseError::Kind::Unavailable:
      return ErrorAnswer(503, "the board's database is unavailable; try again later");
    case DatabaseError::Kind::Full:
      return ErrorAnswer(507, "the board has no room left to keep a replay");
    default:
      return ErrorAnswer(500, "the board's database failed");
  }
}

Answer Submit(ScoreStore& store, const VerifyLimits& limits, std::string_view name,
              std::string_view replay) {
  try {
    const std::string hash = Sha256Hex(replay);
    if (const auto id = store.Find(hash)) return Duplicate(*id);
    Verdict verdict;
    {
      std::lock_guard lock(theGame);
      verdict = VerifyReplayText(replay, limits);
    }
    if (!verdict.verified) return ErrorAnswer(422, verdict.reason);
    const ReplayHeader& game = verdict.claim;
    try {
      const Added added = store.Add({hash, game.score, game.over - game.began, name, replay});
      return {201,
              nlohmann::json{{"id", added.id}, {"score", game.score}, {"rank", added.rank}}.dump()};
    } catch (const DatabaseError& failure) {
      // Sent twice at once: the other one was kept first.
      if (failure.kind != DatabaseError::Kind::Duplicate) throw;
      const auto id = store.Find(hash);
      return Duplicate(id.value_or(0));
    }
  } catch (const DatabaseError& failure) {
    return DatabaseAnswer(failure);
  }
}

}  // namespace ridgeline
