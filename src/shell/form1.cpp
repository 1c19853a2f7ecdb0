#include "shell/form1.h"

#include "media/directx/window.h"
#include "shell/frame_loop.h"
#include "shell/input.h"

namespace ridgeline {

Form1Window Form1;

HWND Form1Window::hWnd() const {
  return MainWindow.hWnd();
}

void Form1Window::Form_Load() {
  StartGame();
}

void Form1Window::Form_KeyDown(int keyCode, int shift) {
  OnKeyDown(keyCode, shift);
}

void Form1Window::Form_KeyUp(int keyCode, int shift) {
  OnKeyUp(keyCode, shift);
}

void Form1Window::Form_MouseDown(int button, int shift) {
  OnMouseDown(button, shift);
}

}  // namespace ridgeline
