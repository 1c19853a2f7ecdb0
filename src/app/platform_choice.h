#pragma once

#include "app/options.h"
#include "media/platform/platform.h"

#include <string>
#include <utility>
#include <vector>

namespace ridgeline {

// The best games kept, as the pause menu lists them: each one's rank and
// score, and the day and time it was played.
std::vector<std::pair<std::string, std::string>> MenuBestGames();

// The drivers that the options ask for: headless, or SDL's window and sound.
Platform MakePlatform(const Options& options);

}  // namespace ridgeline
