#include "media/headless/headless_platform.h"

namespace ridgeline {

HeadlessPlatform MakeHeadlessPlatform() {
  auto sound = std::make_unique<HeadlessSound>();
  auto video = std::make_unique<HeadlessVideo>(*sound);
  HeadlessPlatform headless{Platform{}, video.get(), sound.get()};
  headless.platform.video = std::move(video);
  headless.platform.sound = std::move(sound);
  return headless;
}

}  // namespace ridgeline
