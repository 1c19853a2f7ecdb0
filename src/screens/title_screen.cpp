#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "screens/screen_parts.h"
#include "screens/screens.h"

namespace ridgeline {

void TitleFrame() {
  SoundBuffer(1)->Stop();
  ClearBackBuffer();
  BlitSprite(*BackBuffer, Sprite(SpriteKind::TitlePicture, 0).get(), 10, 0, 572, 158);
  BackBuffer->SetForeColor(kGreen);
  BackBuffer->DrawText(200, 200, kMakersNotice, false);
  BackBuffer->DrawText(200, 340, "       Push Anykey!", false);
  FlipWithWait();
}

}  // namespace ridgeline
