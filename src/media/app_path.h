#pragma once

#include <string>

namespace ridgeline {

// The directory holding the game's executable, without a trailing separator:
// the data directory Data/ sits in it.
const std::string& AppPath();
// Points the game at another directory (tests, and runs from elsewhere).
void SetAppPath(std::string path);

}  // namespace ridgeline
