#include "media/sdl/sdl_platform.h"

#include "media/sdl/sdl_sound.h"
#include "media/sdl/sdl_video.h"

namespace ridgeline {

Platform MakeSdlPlatform(bool windowed, long scale) {
  Platform platform;
  platform.video = std::make_unique<SdlVideo>(SdlVideo::Settings{windowed, scale});
  platform.sound = std::make_unique<SdlSound>();
  return platform;
}

}  // namespace ridgeline
