#include "app/watch_next.h"

namespace ridgeline {

namespace {

int chosenRank = 0;

}  // namespace

void ChooseToWatch(int rank) {
  chosenRank = rank;
}

int RankChosenToWatch() {
  return chosenRank;
}

}  // namespace ridgeline
