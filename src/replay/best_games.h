#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "replay/best_folder.h"
#include "replay/best_table.h"
#include "replay/game_tracker.h"
#include "replay/recorder.h"

namespace ridgeline {

// The best games of a run played at the window: every game is recorded as it
// is played, and one that ends among the ten best is kept in the best folder
// as its replay, with the best score shown in the window's title. The game
// itself knows nothing of it.
class BestGames {
 public:
  // Records what `from` delivers in a run whose clock `seed` fixes, and keeps
  // the best games in `folder`, reading those already kept there (each file
  // left out costs a warning line). With no folder, nothing is kept.
  BestGames(InputSource& from, std::uint64_t seed, std::string folder);

  // The source to take the events from, which records them.
  InputSource& Input() { return recorder_; }
  // "Ridgeline — best 4300", or "Ridgeline" while no game is kept.
  std::string Title() const;
  // Called at the end of every pass: keeps a game that has just ended among
  // the best, and shows a new best in the title. A replay that cannot be
  // written costs a warning line, never the game.
  void PassEnded(long pass);

 private:
  void Keep(const GameResult& game);

  MemoryRecorder recorder_;
  std::string folder_;
  BestTable table_;
  BestIndex index_;
  GameTracker tracker_;
};

// Calls `hook` whenever a game has been kept, once its replay is in the best
// folder (empty: none); a web page copies the folder into its storage then.
void SetBestKeptHook(std::function<void()> hook);

// Prints the table of the best games kept (--scores), or where they would be
// when there are none yet, then the files that do not rank. Each replay not
// yet replayed is checked first, by `check`.
void PrintBestScores(const ReplayCheck& check);

}  // namespace ridgeline
