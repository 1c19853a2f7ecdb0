#pragma once

#include <SDL.h>

#include "media/platform/video_driver.h"

namespace ridgeline {

// The platform's virtual-key code of an SDL key: Backspace 8, Return 13,
// Escape 27, Space 32, the arrows 37 to 40, digits 48 to 57, letters 65 to
// 90 and so on. A key without a code of its own gets 255, so that it still
// counts as "any key".
int VirtualKeyCode(SDL_Keycode key);

// The modifier state as the key handlers take it: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Uint16 modifiers);

// The game's event of an SDL key press or release, mouse press or quit; false
// for any other SDL event.
bool GameEventOf(const SDL_Event& e, WindowEvent& event);

// The keys that belong to the desktop around the game and never reach it,
// not even as "any key": Alt+Enter and F11 switch between full screen and a
// window, F9 mutes, F12 saves a screenshot, Pause pauses. Alt itself is
// held for Alt+Enter and the desktop's own Alt keys (Alt+Tab).
enum class PlatformKey { None, FullScreen, Mute, Screenshot, Pause, Alt };
PlatformKey PlatformKeyOf(SDL_Keycode key, Uint16 modifiers);

}  // namespace ridgeline
