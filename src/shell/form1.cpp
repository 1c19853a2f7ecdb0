#include "shell/form1.h"

#include "media/platform.h"
#include "shell/frame_loop.h"
#include "shell/input.h"

namespace ridgeline {

Form1Window Form1;

void Form1Window::Show() {
  CurrentPlatform().video->ShowWindow(Label1);
}

HWND Form1Window::hWnd() const {
  return CurrentPlatform().video->WindowHandle();
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
