#include "media/sdl/sdl_window.h"

#include "media/app_path.h"
#include "media/sdl/viewport.h"

namespace {

int WindowScale(int scale) {
  if (scale > 0) return scale;
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1;
  return LargestWindowScale(area.w, area.h);
}

// The icon is the player's first picture, black transparent as in the game.
// Without it the window keeps the system's icon: a missing picture is for
// the start-up to report, not the window.
void SetIcon(SDL_Window* window) {
  const std::string path = AppPath() + "/Data/Bitmap/kelvane10.bmp";
  SDL_Surface* icon = SDL_LoadBMP(path.c_str());
  if (!icon) return;
  SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0, 0, 0));
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace

SDL_Window* OpenGameWindow(int scale) {
  const int factor = WindowScale(scale);
  SDL_Window* window =
      SDL_CreateWindow("Ridgeline", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       factor * kPictureWidth, factor * kPictureHeight, SDL_WINDOW_RESIZABLE);
  if (window) SetIcon(window);
  return window;
}

int RefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode;
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) return 0;
  return mode.refresh_rate;
}
