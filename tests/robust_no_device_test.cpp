// The game started with no display or no sound device: without a display,
// start-up ends through ShutDown with status 1 and one line that says so;
// without sound, the game plays silent after one line. Runs the built game,
// since the devices are SDL's.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "desktop/settings_file.h"
#include "fixture_data.h"
#include "read_file.h"

namespace ridgeline {

namespace {

struct Ending {
  int status = -1;
  std::string errors;
};

// Runs the built game for a few passes with `environment` (NAME=VALUE words,
// or -u NAME to remove one) added to this process's environment, and
// `settings` of its own.
Ending RunGame(const std::string& environment, const std::string& options = "",
               const Settings& settings = {}) {
  const std::string dir = TempDir("no-device");
  const std::string errors = dir + "/stderr.txt";
  std::string saveError;
  if (!SaveSettings(dir + "/ridgeline/settings.ini", settings, saveError)) return {-1, saveError};
  const std::string command = "env " + environment + " XDG_CONFIG_HOME=" + dir +
                              " " RIDGELINE_BUILD_DIR "/ridgeline --frames 3 " + options + " 2>" +
                              errors + " >/dev/null";
  const int result = std::system(command.c_str());
  Ending ending{WIFEXITED(result) ? WEXITSTATUS(result) : -1, ReadFile(errors)};
  std::filesystem::remove_all(dir);
  return ending;
}

long Lines(const std::string& text) {
  return std::count(text.begin(), text.end(), '\n');
}

TEST(NoDevice, WithoutADisplayStartUpEndsSayingSo) {
  // A session's own directory, as a desktop session has one: without it the
  // Wayland library SDL tries first complains on a line of its own.
  const std::string session = TempDir("session");
  // Asked for X with no X server; and asked for nothing, where SDL would fall
  // back on a driver that shows nothing.
  for (const char* video : {"SDL_VIDEODRIVER=x11", "-u SDL_VIDEODRIVER"}) {
    SCOPED_TRACE(video);
    const Ending ending = RunGame("-u DISPLAY -u WAYLAND_DISPLAY " + std::string(video) +
                                  " XDG_RUNTIME_DIR=" + session + " SDL_AUDIODRIVER=dummy");
    EXPECT_EQ(ending.status, 1);
    EXPECT_EQ(Lines(ending.errors), 1) << ending.errors;
    EXPECT_NE(ending.errors.find("no display"), std::string::npos) << ending.errors;
  }
  std::filesystem::remove_all(session);
}

TEST(NoDevice, WithoutASoundDeviceTheGamePlaysSilentSayingSoOnce) {
  const std::string noDevice = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=no-such-device";
  const Ending ending = RunGame(noDevice);
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(Lines(ending.errors), 1) << ending.errors;
  EXPECT_NE(ending.errors.find("no sound device"), std::string::npos) << ending.errors;
  // --mute, and muted in the settings, open no device at all, so that
  // nothing is missing.
  Settings muted;
  muted.muted = true;
  for (const auto& [option, settings] : {std::pair{"--mute", Settings{}}, std::pair{"", muted}}) {
    const Ending silent = RunGame(noDevice, option, settings);
    EXPECT_EQ(silent.status, 0) << silent.errors;
    EXPECT_EQ(silent.errors, "");
  }
}

TEST(NoDevice, TheDummySoundDriverPlaysWithoutSound) {
  const Ending ending = RunGame("SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy");
  EXPECT_EQ(ending.status, 0) << ending.errors;
}

}  // namespace

}  // namespace ridgeline
