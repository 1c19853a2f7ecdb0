#include "media/sdl/sdl_window.h"

#include <string>

#include "common/data_files.h"
#include "media/app_path.h"
#include "media/bitmap_check.h"
#include "media/regular_sdl_file.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

int WindowScale(long scale) {
  if (scale > 0) return static_cast<int>(scale);
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1;
  return LargestWindowScale(area.w, area.h);
}

// The icon is the player's first picture, black transparent as in the game.
// Without it the window keeps the system's icon: a missing or damaged picture
// is for the start-up to report, not the window.
void SetIcon(SDL_Window* window) {
  const std::string path = DataFilePath(SpriteFile(SpriteKind::Player, 0));
  std::string why;
  SdlFilePtr file = OpenRegularSdlFile(path, why);
  if (!file || BitmapRefusal(*file)) return;
  SDL_Surface* icon = SDL_LoadBMP_RW(file.get(), 0);
  if (!icon) return;
  SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0, 0, 0));
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace

SDL_Window* OpenGameWindow(long scale) {
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

}  // namespace ridgeline
