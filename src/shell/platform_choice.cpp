#include "shell/platform_choice.h"

#include "media/headless/headless_sound.h"
#include "media/headless/headless_video.h"
#include "media/sdl/sdl_sound.h"
#include "media/sdl/sdl_video.h"

Platform MakePlatform(const Options& options) {
  Platform platform;
  if (options.headless) {
    platform.video = std::make_unique<HeadlessVideo>();
    platform.sound = std::make_unique<HeadlessSound>();
  } else {
    platform.video = std::make_unique<SdlVideo>(SdlVideo::Settings{options.windowed});
    platform.sound = std::make_unique<SdlSound>();
  }
  return platform;
}
