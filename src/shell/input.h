#pragma once

#include "common/key_codes.h"

namespace ridgeline {

// What a key or a mouse button does depends on the current GameState.
void OnKeyDown(int keyCode, int shift);
void OnKeyUp(int keyCode, int shift);
void OnMouseDown(int button, int shift);

}  // namespace ridgeline
