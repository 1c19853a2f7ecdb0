#include "media/headless/headless_sound.h"

void HeadlessSound::FrameShown() {
  if (mixer_) mixer_->Advance(kFramesPerShownFrame);
}
