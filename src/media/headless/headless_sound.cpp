#include "media/headless/headless_sound.h"

#include "media/mixer.h"

static_assert(Mixer::kRate % 60 == 0, "a shown frame must be a whole number of sound frames");

void HeadlessSound::FrameShown() {
  if (mixer_) mixer_->Advance(kFramesPerShownFrame);
}
