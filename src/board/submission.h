#pragma once

#include <string>
#include <string_view>

#include "board/replay_verify.h"
#include "board/score_store.h"

namespace ridgeline {

// An HTTP status and its JSON body.
struct Answer {
  int status = 500;
  std::string json;
};

// The answer to a database failure: 503 when it may pass, 507 when the
// disk is full, 500 otherwise; the details go to the log.
Answer DatabaseAnswer(const DatabaseError& failure);
// {"error": reason} with `status`.
Answer ErrorAnswer(int status, const std::string& reason);

// A replay submitted to the board: checked by playing it, here, as --verify
// does, and kept with the score the check saw when it verifies and the board
// does not have it yet. 201 {"id", "score", "rank"}; 409 for one the board
// has (the same bytes); 422 with --verify's reason for one that does not
// verify. Checks run one at a time: the game has one state per process.
Answer Submit(ScoreStore& store, const VerifyLimits& limits, std::string_view name,
              std::string_view replay);

}  // namespace ridgeline
