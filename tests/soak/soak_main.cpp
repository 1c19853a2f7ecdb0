// The soak run: the whole game on the headless drivers for a million passes
// (or as many as asked), with a seeded random player at the keys, checking
// after every pass the bounds that the game's rules keep. Ends with status 0
// and a summary when every pass kept them; otherwise through the game's own
// error trap, with status 1 and one line saying which bound broke at which
// pass. Build it with sanitizers to look for crashes, leaks and undefined
// behaviour along the way.
//
//   ridgeline_soak [--passes N] [--seed S] [--app-dir DIR]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/data_folder.h"
#include "common/app_path.h"
#include "common/run_time_error.h"
#include "game/random.h"
#include "game/state.h"
#include "media/directx/media.h"
#include "media/headless/headless_platform.h"
#include "random_player.h"
#include "robust_invariants.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

using namespace ridgeline;

namespace {

struct SoakOptions {
  long passes = 1'000'000;
  std::uint64_t seed = 1;
  std::string appDir;  // empty: the directory of the program, as for the game
};

bool ParseSoakOptions(int argc, char** argv, SoakOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const char* value = argv[i + 1];
    char* end = nullptr;
    if (option == "--passes") {
      options.passes = std::strtol(value, &end, 10);
      if (*end != '\0' || options.passes < 1) return false;
    } else if (option == "--seed") {
      options.seed = std::strtoull(value, &end, 10);
      if (*end != '\0') return false;
    } else if (option == "--app-dir") {
      options.appDir = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

// Counts how the games went, from the state after each pass.
struct GameCount {
  long started = 0;   // into play
  long ended = 0;     // play to game over
  long restarts = 0;  // game over to splash
  GameState lastState = GameState::Splash;

  void See(GameState state) {
    // A key can end the splash's last pass on the title and leave it at once.
    if (lastState != GameState::Play && state == GameState::Play) ++started;
    if (lastState == GameState::Play && state == GameState::GameOver) ++ended;
    if (lastState == GameState::GameOver && state == GameState::Splash) ++restarts;
    lastState = state;
  }
};

}  // namespace

int main(int argc, char** argv) {
  SoakOptions options;
  if (!ParseSoakOptions(argc, argv, options)) {
    std::fputs("usage: ridgeline_soak [--passes N] [--seed S] [--app-dir DIR]\n", stderr);
    return 2;
  }
  HeadlessPlatform headless = MakeHeadlessPlatform();
  HeadlessVideo& window = *headless.video;
  SetPlatform(std::move(headless.platform));
  if (options.appDir.empty()) {
    std::string error;
    const auto found = FindAppPath(error);
    if (!found) {
      std::fprintf(stderr, "ridgeline_soak: %s\n", error.c_str());
      return 1;
    }
    options.appDir = *found;
  }
  SetAppPath(options.appDir);
  FixClock(options.seed);

  RandomPlayer player(options.seed);
  GameCount games;
  SetPassEndHook([&](long pass) {
    if (auto broken = BrokenInvariant(Game)) {
      throw RunTimeError("soak seed " + std::to_string(options.seed) + ", pass " +
                         std::to_string(pass) + ": " + *broken);
    }
    games.See(Game.GameState);
    for (const WindowEvent& event : player.Next()) window.Push(event);
  });
  SetPassLimit(options.passes);

  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  try {
    StartGame();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  SetPassEndHook({});
  ReleaseMedia();
  if (status == 0) {
    std::printf(
        "soak: %ld passes with seed %llu in %.1f s: %ld games started, %ld ended, %ld restarts; "
        "every pass kept the game's bounds\n",
        PassesRun(), static_cast<unsigned long long>(options.seed), took.count(), games.started,
        games.ended, games.restarts);
  }
  return status;
}
