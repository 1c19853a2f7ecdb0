#include "desktop/desktop_platform.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "common/path_text.h"
#include "common/run_time_error.h"
#include "common/warning.h"
#include "desktop/screenshot.h"
#include "desktop/settings_file.h"
#include "desktop/user_dirs.h"
#include "media/sdl/sdl_platform.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

// What the desktop's keys change, shared by their hooks.
struct Desktop {
  Settings play;
  KeptSettings kept;
  SoundDriver* sound = nullptr;  // null: no sound device this run, nothing to hold or mute
  long shownPass = 0;            // the pass whose frame was shown last

  // Changes a setting for this run and in the player's file.
  void Change(const std::function<void(Settings&)>& change) {
    change(play);
    if (kept.file.empty()) return;
    change(kept.settings);
    std::string error;
    if (!SaveSettings(kept.file, kept.settings, error)) Warn(error);
  }

  void ToggleMute() {
    if (!sound) {
      Warn("no sound to mute: this run opened no sound device (--mute)");
      return;
    }
    const bool muted = !play.muted;
    Change([muted](Settings& settings) { settings.muted = muted; });
    sound->SetVolume(muted ? 0 : play.volume);
  }

  void SaveShot(const FrameView& picture) const {
    const std::filesystem::path dir = ScreenshotDir();
    if (dir.empty()) {
      Warn("no screenshot: no pictures directory (set XDG_PICTURES_DIR or HOME)");
      return;
    }
    try {
      const std::filesystem::path file = SaveScreenshot(picture, dir, std::time(nullptr));
      // Flushed at once: a program reading the output hears of it now.
      std::printf("ridgeline: the picture of pass %ld is saved as %s\n", shownPass,
                  Utf8FromPath(file).c_str());
      std::fflush(stdout);
    } catch (const RunTimeError& failure) {
      Warn(std::string("no screenshot: ") + failure.what());
    }
  }
};

}  // namespace

Platform MakeDesktopPlatform(const Settings& play, KeptSettings kept, bool withoutSound) {
  auto desktop = std::make_shared<Desktop>(Desktop{play, std::move(kept)});
  WindowHooks hooks;
  hooks.fullScreenChanged = [desktop](bool on) {
    desktop->Change([on](Settings& settings) { settings.fullScreen = on; });
  };
  hooks.muteToggled = [desktop] { desktop->ToggleMute(); };
  hooks.screenshot = [desktop](const FrameView& picture) { desktop->SaveShot(picture); };
  hooks.pauseChanged = [desktop](bool paused) {
    if (desktop->sound) desktop->sound->Pause(paused);
  };
  Platform platform = MakeSdlPlatform(WindowSettings{!play.fullScreen, play.scale, play.autopause},
                                      std::move(hooks), !withoutSound);
  platform.sound->SetVolume(play.muted ? 0 : play.volume);
  if (!withoutSound) desktop->sound = platform.sound.get();
  platform.frameShown.push_back([desktop](const FrameView&) { desktop->shownPass = PassesRun(); });
  return platform;
}

}  // namespace ridgeline
