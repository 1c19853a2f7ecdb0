#pragma once

#include <string>

// The directory holding the game's executable, without a trailing separator:
// the data directory Data/ sits in it.
const std::string& AppPath();
// Points the game at another directory (tests, and runs from elsewhere).
void SetAppPath(std::string path);
