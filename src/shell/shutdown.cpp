#include "shell/shutdown.h"

#include <cstdio>

#include "game/state.h"
#include "media/display.h"
#include "media/windows_calls.h"
#include "shell/form1.h"

void ShutDown(const std::string& failure) {
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
  if (!failure.empty()) {
    std::fprintf(stderr, "ridgeline: %s\n", failure.c_str());
    throw ProgramExit{1};
  }
  throw ProgramExit{0};
}
