#include "run/platform_choice.h"

#include "media/headless/headless_sound.h"
#include "media/headless/headless_video.h"
#include "media/sdl/sdl_sound.h"
#include "media/sdl/sdl_video.h"
#include "run/stats.h"

namespace ridgeline {

Platform MakePlatform(const Options& options) {
  Platform platform;
  if (options.headless) {
    platform.video = std::make_unique<HeadlessVideo>();
    platform.sound = std::make_unique<HeadlessSound>();
  } else {
    const SdlVideo::Settings settings{options.windowed, options.scale};
    platform.video = std::make_unique<SdlVideo>(settings);
    platform.sound = std::make_unique<SdlSound>();
  }
  if (options.stats) TimeFramesShown(platform);
  return platform;
}

}  // namespace ridgeline
