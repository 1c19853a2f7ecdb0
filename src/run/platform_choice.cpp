#include "run/platform_choice.h"

#include "media/headless/headless_platform.h"
#include "media/sdl/sdl_platform.h"
#include "run/stats.h"

namespace ridgeline {

Platform MakePlatform(const Options& options) {
  Platform platform = options.headless ? MakeHeadlessPlatform().platform
                                       : MakeSdlPlatform(options.windowed, options.scale);
  if (options.stats) TimeFramesShown(platform);
  return platform;
}

}  // namespace ridgeline
