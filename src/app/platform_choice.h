#pragma once

#include "app/options.h"
#include "media/platform/platform.h"

namespace ridgeline {

// The drivers that the options ask for: headless, or SDL's window and sound.
Platform MakePlatform(const Options& options);

}  // namespace ridgeline
