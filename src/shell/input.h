#pragma once

namespace ridgeline {

// The virtual-key codes that the game acts on.
constexpr int kKeyBackspace = 8;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;

// What a key or a mouse button does depends on the current GameState.
void OnKeyDown(int keyCode, int shift);
void OnKeyUp(int keyCode, int shift);
void OnMouseDown(int button, int shift);

}  // namespace ridgeline
