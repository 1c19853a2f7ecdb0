#include "desktop/desktop_platform.h"

#include <cstdio>
#include <ctime>
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

WindowSettings ForWindow(const Settings& settings) {
  WindowSettings window;
  window.windowed = !settings.fullScreen;
  window.scale = settings.scale;
  window.autopause = settings.autopause;
  window.volume = settings.volume;
  window.muted = settings.muted;
  window.controls = settings.controls;
  return window;
}

// Sets in `to` each setting that differs between `before` and `after`.
void CopyChanges(const Settings& before, const Settings& after, Settings& to) {
  auto copy = [&](auto Settings::*field) {
    if (before.*field != after.*field) to.*field = after.*field;
  };
  copy(&Settings::fullScreen);
  copy(&Settings::scale);
  copy(&Settings::volume);
  copy(&Settings::muted);
  copy(&Settings::autopause);
  copy(&Settings::controls);
}

// What the desktop's keys and the menu change, shared by their hooks.
struct Desktop {
  Settings play;
  KeptSettings kept;
  SoundDriver* sound = nullptr;  // null: no sound device this run, nothing to hold or mute
  VideoDriver* video = nullptr;
  long shownPass = 0;  // the pass whose frame was shown last

  // Takes the window's settings for this run, and keeps in the player's
  // file those that changed: a setting given on the command line stays
  // this run's alone.
  void Changed(const WindowSettings& now) {
    Settings next = play;
    next.fullScreen = !now.windowed;
    next.scale = static_cast<int>(now.scale);
    next.volume = now.volume;
    next.muted = now.muted;
    next.autopause = now.autopause;
    next.controls = now.controls;
    if (next == play) return;
    if (sound) sound->SetVolume(next.muted ? 0 : next.volume);
    // Muted at the start, this run opened no sound device to turn up.
    if (!sound && play.muted && !next.muted) video->ShowNotice("Sound on from the next start");
    if (!kept.file.empty()) {
      CopyChanges(play, next, kept.settings);
      std::string error;
      if (!SaveSettings(kept.file, kept.settings, error)) Warn(error);
    }
    play = next;
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
      video->ShowNotice("Saved " + Utf8FromPath(file.filename()));
    } catch (const RunTimeError& failure) {
      Warn(std::string("no screenshot: ") + failure.what());
    }
  }
};

}  // namespace

Platform MakeDesktopPlatform(const Settings& play, KeptSettings kept, bool withoutSound,
                             const MenuSources& sources) {
  auto desktop = std::make_shared<Desktop>(Desktop{play, std::move(kept)});
  WindowHooks hooks;
  hooks.settingsChanged = [desktop](const WindowSettings& now) { desktop->Changed(now); };
  hooks.bestGames = sources.bestGames;
  hooks.watch = sources.watch;
  hooks.submit = sources.submit;
  hooks.screenshot = [desktop](const FrameView& picture) { desktop->SaveShot(picture); };
  hooks.pauseChanged = [desktop](bool paused) {
    if (desktop->sound) desktop->sound->Pause(paused);
  };
  WindowSettings window = ForWindow(play);
  window.menu = sources.menu;
  Platform platform = MakeSdlPlatform(window, std::move(hooks), !withoutSound);
  platform.sound->SetVolume(play.muted ? 0 : play.volume);
  if (!withoutSound) desktop->sound = platform.sound.get();
  desktop->video = platform.video.get();
  platform.frameShown.push_back([desktop](const FrameView&) { desktop->shownPass = PassesRun(); });
  return platform;
}

}  // namespace ridgeline
