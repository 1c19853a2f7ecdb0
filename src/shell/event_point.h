#pragma once

#include <compare>

namespace ridgeline {

// Where input is taken: the pass of the frame loop (from 0, across restarts)
// and the event-processing point within it (from 0, in the order the pass
// reaches them: inside a jump step, in the game-over frame, at the end of
// RunFrame, in the loop after it). A run is fixed by its input and the point
// at which each input is taken.
struct EventPoint {
  long pass = 0;
  int point = 0;

  auto operator<=>(const EventPoint&) const = default;
};

}  // namespace ridgeline
