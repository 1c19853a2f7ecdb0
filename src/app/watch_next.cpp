#include "app/watch_next.h"

#include "common/exit_status.h"
#include "common/warning.h"

namespace ridgeline {

namespace {

int chosenRank = 0;

}  // namespace

void ChooseToWatch(int rank) {
  chosenRank = rank;
}

std::optional<int> WatchChosenGame(int status) {
  if (status != 0 || chosenRank == 0) return status;
  std::string error;
  WatchInstead(chosenRank, error);
  if (error.empty()) return std::nullopt;
  Warn(error);
  return kFailureStatus;
}

}  // namespace ridgeline
