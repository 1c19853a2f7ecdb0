#include "headless_game.h"

#include <cstdint>
#include <filesystem>

#include "common/app_path.h"
#include "fixture_data.h"
#include "game/random.h"
#include "game/state.h"
#include "media/directx/display.h"
#include "media/directx/media.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

namespace ridgeline {

HeadlessGame::HeadlessGame(const std::string& appPath) {
  HeadlessPlatform headless = MakeHeadlessPlatform();
  video_ = headless.video;
  sound_ = headless.sound;
  SetPlatform(std::move(headless.platform));
  SetAppPath(appPath);
  SetPassLimit(0);
  ResetRandom();
  FixClock(12345);
  Game = GameVariables{};
}

HeadlessGame::~HeadlessGame() {
  ReleaseMedia();
}

void HeadlessGame::StartUp() {
  BringUpGame();
}

int HeadlessGame::Run(long passes) {
  SetPassLimit(passes);
  try {
    StartGame();
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}

unsigned HeadlessGame::Pixel(int x, int y) {
  const FrameView frame = BackBuffer->View();
  return static_cast<const std::uint16_t*>(frame.pixels)[y * (frame.pitch / 2) + x];
}

const std::string& HeadlessGame::FixtureAppPath() {
  // Made on first use and removed when the test program ends: every test runs
  // in a process of its own, so these would otherwise pile up.
  struct FixtureDir {
    std::string path = MakeFixtureData(TempDir("fixture"));
    ~FixtureDir() { std::filesystem::remove_all(path); }
  };
  static const FixtureDir fixture;
  return fixture.path;
}

}  // namespace ridgeline
