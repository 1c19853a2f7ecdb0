#pragma once

#include "common/key_codes.h"
#include "media/platform/video_driver.h"

namespace ridgeline {

// What a key or a mouse button does depends on the current GameState.
void OnKeyDown(int keyCode, int shift);
void OnKeyUp(int keyCode, int shift);
void OnMouseDown(int button, int shift);

// Whether `event` ends the game whatever its state: closing the window, a
// click, or Escape.
bool EndsTheGame(const WindowEvent& event);

}  // namespace ridgeline
