#pragma once

#include "media/directx/ddraw_types.h"

namespace ridgeline {

// The game's one window as the shell sees it. Its four events are the only
// ways into the game's code, and each calls one procedure. The window itself,
// its label and its handle, belong to the media layer (MainWindow).
class Form1Window {
 public:
  HWND hWnd() const;

  void Form_Load();  // starts the game; never returns
  void Form_KeyDown(int keyCode, int shift);
  void Form_KeyUp(int keyCode, int shift);
  void Form_MouseDown(int button, int shift);
};

extern Form1Window Form1;

}  // namespace ridgeline
