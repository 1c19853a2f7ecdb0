#pragma once

#include <SDL.h>

#include <string>

#include "media/directx/surface.h"

namespace ridgeline {

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The size of the game's window as `scale` times 640 x 480 (0: the largest
// whole factor that fits), never larger than the desktop's usable area: a
// factor that does not fit is lowered, and one line on standard error says
// so. Where not even 640 x 480 fits, the largest 4:3 size that does. A
// factor larger than any screen is a RunTimeError.
WindowSize GameWindowSize(long scale);

// The game's window, centred: titled "Ridgeline", resizable, with the game's
// own player picture as its icon. Returns null on failure, with SDL's error
// set.
SDL_Window* OpenGameWindow(WindowSize size);

// The window's label in black on the grey of an empty window, 640 x 480, as
// the window looks before the game's first frame; throws RunTimeError when it
// cannot be drawn.
SdlSurfacePtr LabelPicture(const std::string& label);

// The display's refresh rate in Hz as SDL reports it; 0 where it is unknown
// (virtual displays report none).
int RefreshRate(SDL_Window* window);

}  // namespace ridgeline
