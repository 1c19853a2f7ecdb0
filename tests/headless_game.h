#pragma once

#include <string>

#include "media/headless/headless_platform.h"

namespace ridgeline {

// A game on the headless drivers, for tests: nothing on screen, no sound
// device, the random generator and its clock fixed. Media are released when
// it goes.
class HeadlessGame {
 public:
  // Uses the data directory under `appPath` (the fixture data by default).
  explicit HeadlessGame(const std::string& appPath = FixtureAppPath());
  ~HeadlessGame();
  HeadlessGame(const HeadlessGame&) = delete;
  HeadlessGame& operator=(const HeadlessGame&) = delete;

  // The steps of StartGame before its loop: media up, game reset, enemies
  // placed, Running set and GameState::Splash.
  void StartUp();
  // StartGame itself, ended by ShutDown after `passes` passes or earlier;
  // returns the exit status.
  int Run(long passes);

  HeadlessVideo& Video() { return *video_; }
  HeadlessSound& Sound() { return *sound_; }

  // The back buffer's pixel at (x, y).
  static unsigned Pixel(int x, int y);

  // The fixture data directory's parent, made once per test program.
  static const std::string& FixtureAppPath();

 private:
  HeadlessVideo* video_;
  HeadlessSound* sound_;
};

}  // namespace ridgeline
