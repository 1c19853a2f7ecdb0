#pragma once

#include "media/platform.h"
#include "shell/options.h"

// The drivers that the options ask for: headless, or SDL's window and sound.
Platform MakePlatform(const Options& options);
