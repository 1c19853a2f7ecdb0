#pragma once

#include <string>

namespace ridgeline {

// One line on standard error, as the game says everything that went wrong:
// "ridgeline: LINE".
void Warn(const std::string& line);

}  // namespace ridgeline
