#pragma once

#include <string>

#include "media/directx/ddraw_types.h"

namespace ridgeline {

// The game's one window, which the video driver opens. The display and sound
// objects are bound to it here, below the shell; the shell's Form1 is the
// same window as its event handlers see it.
struct GameWindow {
  // The window's one label, shown until the display takes the window over.
  std::string Label1 = "Now Loading...";

  // Shows the window, modeless and without an owner.
  void Show() const;
  HWND hWnd() const;
};

extern GameWindow MainWindow;

}  // namespace ridgeline
