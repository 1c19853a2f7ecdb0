#include "media/sdl/sdl_window.h"

#include <algorithm>
#include <string>

#include "common/app_path.h"
#include "common/data_files.h"
#include "common/run_time_error.h"
#include "common/warning.h"
#include "media/directx/sdl_picture.h"
#include "media/directx/text.h"
#include "media/files/bitmap_check.h"
#include "media/files/regular_sdl_file.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

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

WindowSize GameWindowSize(long scale) {
  if (scale > kLargestScale) {
    throw RunTimeError("--scale " + std::to_string(scale) + " is larger than any screen (at most " +
                       std::to_string(kLargestScale) + ")");
  }
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) {
    const int factor = scale > 0 ? static_cast<int>(scale) : 1;
    return WindowSize{factor * kPictureWidth, factor * kPictureHeight};
  }
  // A desktop smaller than the picture takes it smaller than 640 x 480.
  const bool small = area.w < kPictureWidth || area.h < kPictureHeight;
  const int largest = small ? 0 : LargestWindowScale(area.w, area.h);
  const int factor = scale > 0 ? std::min(static_cast<int>(scale), largest) : largest;
  const Viewport fitted = FitPicture(area.w, area.h);
  const WindowSize size = small ? WindowSize{fitted.width, fitted.height}
                                : WindowSize{factor * kPictureWidth, factor * kPictureHeight};
  if (scale > largest) {
    const std::string opens = small ? std::to_string(size.width) + " x " +
                                          std::to_string(size.height) + ", smaller than the picture"
                                    : std::to_string(largest) + " times";
    Warn("a window " + std::to_string(scale) + " times 640 x 480 does not fit the desktop (" +
         std::to_string(area.w) + " x " + std::to_string(area.h) + " usable), so it opens at " +
         opens);
  }
  return size;
}

SDL_Window* OpenGameWindow(WindowSize size) {
  SDL_Window* window = SDL_CreateWindow("Ridgeline", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        size.width, size.height, SDL_WINDOW_RESIZABLE);
  if (window) SetIcon(window);
  return window;
}

SdlSurfacePtr LabelPicture(const std::string& label) {
  SdlSurfacePtr picture = NewPicture(kPictureWidth, kPictureHeight);
  if (!picture)
    throw RunTimeError(std::string("cannot draw the window's label: ") + SDL_GetError());
  SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, 212, 208, 200));
  DrawTextLine(*picture, 16, 16, label, SDL_Color{0, 0, 0, 255});
  return picture;
}

int RefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode;
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) return 0;
  return mode.refresh_rate;
}

}  // namespace ridgeline
