#include "media/directx/display.h"
#include "screens/screens.h"

namespace ridgeline {

// Nine columns of two tiles; only the eight at y 400 inside the screen show,
// the others lie outside the back buffer and draw nothing.
void DrawFloor() {
  for (int x = 0; x <= 640; x += 80) {
    for (int y = 400; y <= 480; y += 80) {
      BlitSprite(*BackBuffer, Sprite(SpriteKind::FloorTile, 0).get(), x, y, 80, 80);
    }
  }
}

}  // namespace ridgeline
