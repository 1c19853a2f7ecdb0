#include "media/sdl/sdl_platform.h"

#include "media/headless/headless_sound.h"
#include "media/sdl/sdl_sound.h"
#include "media/sdl/sdl_video.h"

namespace ridgeline {

Platform MakeSdlPlatform(const WindowSettings& settings, WindowHooks hooks, bool withSound) {
  return WithSdlSound(std::make_unique<SdlVideo>(settings, std::move(hooks)), withSound);
}

Platform WithSdlSound(std::unique_ptr<VideoDriver> video, bool withSound) {
  Platform platform;
  platform.video = std::move(video);
  // Either way the sounds are clocked first, before any other watcher sees
  // the frame, as the headless video driver clocks them when presenting.
  if (withSound) {
    auto sound = std::make_unique<SdlSound>();
    platform.frameShown.push_back([clock = sound.get()](const FrameView&) { clock->FrameShown(); });
    platform.sound = std::move(sound);
  } else {
    auto sound = std::make_unique<HeadlessSound>();
    platform.frameShown.push_back([clock = sound.get()](const FrameView&) { clock->FrameShown(); });
    platform.sound = std::move(sound);
  }
  return platform;
}

}  // namespace ridgeline
