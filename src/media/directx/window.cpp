#include "media/directx/window.h"

#include "media/platform/platform.h"

namespace ridgeline {

GameWindow MainWindow;

void GameWindow::Show() const {
  CurrentPlatform().video->ShowWindow(Label1);
}

HWND GameWindow::hWnd() const {
  return CurrentPlatform().video->WindowHandle();
}

}  // namespace ridgeline
