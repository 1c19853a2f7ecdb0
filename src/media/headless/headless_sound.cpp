#include "media/headless/headless_sound.h"

namespace ridgeline {

void HeadlessSound::FrameShown() {
  if (mixer_) mixer_->Advance(kFramesPerShownFrame);
}

}  // namespace ridgeline
