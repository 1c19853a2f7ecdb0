#pragma once

#include <SDL.h>

namespace ridgeline {

// The game's window: titled "Ridgeline", resizable, with the game's own
// player picture as its icon.
//
// `scale` is the window's size as a multiple of 640 x 480; 0 picks the
// largest that fits the desktop's usable area. Returns null on failure, with
// SDL's error set; a factor larger than any screen is a RunTimeError.
SDL_Window* OpenGameWindow(long scale);

// The display's refresh rate in Hz as SDL reports it; 0 where it is unknown
// (virtual displays report none).
int RefreshRate(SDL_Window* window);

}  // namespace ridgeline
