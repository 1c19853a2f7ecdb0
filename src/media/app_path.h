#pragma once

#include <optional>
#include <string>

#include "common/data_files.h"

namespace ridgeline {

// The directory that holds the game's data directory Data/, without a
// trailing separator. Unless SetAppPath chose one, it is FindAppPath's answer,
// looked up on first use; throws RunTimeError when there is none.
const std::string& AppPath();
// Points the game at another directory (tests, and runs from elsewhere).
void SetAppPath(std::string path);

// Looks for Data/ from the executable's real path: beside the executable (a
// build tree or a portable copy), else in ../share/ridgeline (an installed
// tree, under any prefix). When neither holds, or the executable's own path
// cannot be known, gives nothing and says why in `error`; it never guesses
// from the working directory.
std::optional<std::string> FindAppPath(std::string& error);

// Where the game reads the data file `file`: AppPath()/Data/...
std::string DataFilePath(const DataFile& file);

}  // namespace ridgeline
