#pragma once

#include <httplib.h>

#include "board/rate_limit.h"
#include "board/replay_verify.h"
#include "board/score_store.h"
#include "board/work_queue.h"

namespace ridgeline {

// What the board's handlers share.
struct BoardServices {
  ScoreStore& store;
  WorkQueue& checks;
  RateLimit& rate;
  VerifyLimits limits;
  std::string gamePage;  // where the browser build is served; empty: not served
};

// The board's HTTP API and its page:
//   POST /api/replays?name=NAME   a replay file as the body: 201, 409, 422, 400,
//                                 413 (httplib, past the body cap), 429, 503, 507
//   GET  /api/scores?limit=N&offset=M
//   GET  /api/replays/ID          the replay file
//   GET  /                        the board as a plain HTML page
void AddBoardRoutes(httplib::Server& server, BoardServices& services);

}  // namespace ridgeline
