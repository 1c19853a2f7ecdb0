#pragma once

#include <optional>
#include <string>

namespace ridgeline {

// Looks for Data/ from the executable's real path: beside the executable (a
// build tree or a portable copy), else in ../share/ridgeline (an installed
// tree, under any prefix). When neither holds, or the executable's own path
// cannot be known, gives nothing and says why in `error`; it never guesses
// from the working directory.
std::optional<std::string> FindAppPath(std::string& error);

}  // namespace ridgeline
