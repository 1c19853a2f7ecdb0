#pragma once

#include <string>

#include "media/ddraw_types.h"

namespace ridgeline {

// The game's one window. Its four events are the only ways into the game's
// code, and each calls one procedure.
class Form1Window {
 public:
  // The window's one label, shown until the display takes the window over.
  std::string Label1 = "Now Loading...";

  // Shows the window, modeless and without an owner.
  void Show();
  HWND hWnd() const;

  void Form_Load();  // starts the game; never returns
  void Form_KeyDown(int keyCode, int shift);
  void Form_KeyUp(int keyCode, int shift);
  void Form_MouseDown(int button, int shift);
};

extern Form1Window Form1;

}  // namespace ridgeline
