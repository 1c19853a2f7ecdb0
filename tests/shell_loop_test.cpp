#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "app/program_run.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/directx/display.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

constexpr unsigned kMarker = 0x4321;

// Fills the back buffer with a marker so that a test can tell whether a frame drew.
void MarkBackBuffer() {
  BackBuffer->BltColorFill(RECT{0, 0, 640, 480}, kMarker);
}

TEST(FrameLoop, RunFrameDoesNothingWhileNotRunning) {
  HeadlessGame game;
  game.StartUp();
  Game.Running = false;
  MarkBackBuffer();
  game.Video().Push({WindowEvent::Kind::KeyDown, 27});
  RunFrame();  // would end the program if it processed the Escape
  EXPECT_EQ(HeadlessGame::Pixel(0, 0), kMarker);
  EXPECT_EQ(game.Video().Frames(), 0);
  EXPECT_EQ(Game.ScrollStep, 0);
}

TEST(FrameLoop, UnknownStateDrawsNothingButStillTakesEvents) {
  HeadlessGame game;
  game.StartUp();
  Game.GameState = static_cast<GameState>(4);
  MarkBackBuffer();
  RunFrame();
  EXPECT_EQ(HeadlessGame::Pixel(0, 0), kMarker);
  EXPECT_EQ(game.Video().Frames(), 0);
  EXPECT_EQ(Game.ScrollStep, -2);
  game.Video().Push({WindowEvent::Kind::KeyDown, 27});
  try {
    RunFrame();
    FAIL() << "Escape did not end the program";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
}

// Without the MIDI file too: the shutdown's commands for it fail without effect.
TEST(FrameLoop, EscapeEndsTheProgramWithDisplayRestoredThenCursorShown) {
  HeadlessGame game;
  game.Video().Push({WindowEvent::Kind::KeyDown, 27});
  EXPECT_EQ(game.Run(1000), 0);
  EXPECT_FALSE(fs::exists(Game.MidiPath)) << "the fixture has a MIDI file";
  const std::vector<std::string>& calls = game.Video().Calls();
  ASSERT_GE(calls.size(), 2u);
  const std::vector<std::string> last(calls.end() - 2, calls.end());
  EXPECT_EQ(last, (std::vector<std::string>{"SetFullScreen 0", "ShowCursor 1"}));
  EXPECT_EQ(game.Video().Frames(), 1);  // the first splash frame, then the loop's events
  EXPECT_TRUE(game.Video().CursorShown());
}

// The desktop and the page run each step of the game so: whatever ends the
// program in it gives a status, a failure never a success.
TEST(FrameLoop, AStepThatEndsTheProgramGivesItsStatusAndAnyOtherFailureOne) {
  const std::pair<std::function<void()>, std::optional<int>> cases[] = {
      {[] {}, std::nullopt},
      {[] { throw ProgramExit{130}; }, 130},
      {[] { throw std::runtime_error("cannot restore the display"); }, 1},
  };
  for (const auto& [step, status] : cases) EXPECT_EQ(EndedIn(step), status);
}

}  // namespace

}  // namespace ridgeline
