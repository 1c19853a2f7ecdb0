#include "shell/shutdown.h"

#include "common/exit_status.h"
#include "common/warning.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/windows_calls.h"
#include "shell/form1.h"

namespace ridgeline {

namespace {

// Stops the music and hands the screen and the cursor back.
void RestoreTheDesktop() {
  std::string reply;
  mciSendStringA("stop " + Game.MidiPath, reply, 0, 0);
  mciSendStringA("close " + Game.MidiPath, reply, 0, 0);
  sndPlaySoundA("", SND_ASYNC | SND_NODEFAULT);
  // A failure while bringing up sound comes before the display exists: there
  // is then no display mode to restore.
  if (DirectDraw) {
    DirectDraw->RestoreDisplayMode();
    const HWND window = Form1.hWnd();
    DirectDraw->SetCooperativeLevel(window, DDSCL_NORMAL);
  }
  ShowCursor(true);
}

}  // namespace

void ShutDown(const std::string& failure) {
  // Said first, so that a step below that fails in turn cannot hide it.
  if (!failure.empty()) Warn(failure);
  RestoreTheDesktop();
  throw ProgramExit{failure.empty() ? 0 : kFailureStatus};
}

void ShutDownWithStatus(int status) {
  RestoreTheDesktop();
  throw ProgramExit{status};
}

}  // namespace ridgeline
