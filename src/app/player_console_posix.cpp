#include "app/player_console.h"

namespace ridgeline {

// A program started from a terminal writes to it already, and its errors are
// seen there or where they were sent.
void ReachParentConsole() {}

void ShowFailure(const std::string&) {}

}  // namespace ridgeline
