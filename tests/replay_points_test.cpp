#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/run_setup.h"
#include "fixture_data.h"
#include "headless_game.h"
#include "media/platform/platform.h"
#include "read_file.h"
#include "scripted_run.h"

namespace ridgeline {

namespace {

// With the fixture data a key at pass 150 starts play from pass 151 on. The
// first Up of a game lands at once; a second one, at 170, makes a jump that
// is in progress from pass 171 for many passes.
const std::string kJumping = "150 down 32\n160 down 38\n170 down 38\n";

std::string Value(const ScriptedRun& run, long pass, const char* key) {
  if (pass < 0 || pass >= static_cast<long>(run.trace.size()))
    return "(no pass " + std::to_string(pass) + ")";
  return TraceValue(run.trace[pass], key);
}

TEST(EventPoints, InsideAJumpPointZeroIsTheJumpStepBeforeThePlayerMoves) {
  const ScriptedRun inJumpStep = RunScript(kJumping + "175.0 down 39\n", 200);
  const ScriptedRun atFrameEnd = RunScript(kJumping + "175.1 down 39\n", 200);
  ASSERT_EQ(Value(inJumpStep, 175, "jumping"), "true");
  EXPECT_EQ(Value(inJumpStep, 174, "playerX"), "100");
  EXPECT_EQ(Value(inJumpStep, 175, "playerX"), "104");  // moved in the same frame
  EXPECT_EQ(Value(atFrameEnd, 175, "playerX"), "100");  // taken after this frame's move
  EXPECT_EQ(Value(atFrameEnd, 176, "playerX"), "104");
}

TEST(EventPoints, AnEventAtAPointThePassNeverReachesComesAtTheNextPoint) {
  // A jumping pass has three points (0..2); point 7 of pass 180 is due by the
  // first point of pass 181, and is recorded where it came.
  ScriptedRunSettings recording;
  recording.record = true;
  const ScriptedRun late = RunScript(kJumping + "180.7 down 39\n", 200, recording);
  const ScriptedRun next = RunScript(kJumping + "181.0 down 39\n", 200);
  ASSERT_EQ(late.trace.size(), 200u);
  EXPECT_EQ(late.trace, next.trace);
  EXPECT_EQ(Value(late, 181, "playerX"), "104");
  EXPECT_TRUE(late.record.ends_with("170.0 down 38\n181.0 down 39\n")) << late.record;
}

TEST(EventPoints, AShotFiredInAJumpStepStartsFromTheHeightBeforeIt) {
  const ScriptedRun run = RunScript(kJumping + "175.0 down 32\n175.1 down 32\n", 177);
  const std::string before = Value(run, 174, "playerY");
  const std::string after = Value(run, 175, "playerY");
  ASSERT_NE(before, after);
  EXPECT_EQ(Value(run, 175, "shots"), "[[0,180," + before + ",0],[1,180," + after + ",0]]");
  // Both are first moved, and drawn, in the next frame.
  EXPECT_EQ(Value(run, 176, "shots"), "[[0,190," + before + ",0],[1,190," + after + ",0]]");
}

TEST(EventPoints, EventsDueTogetherComeInFileOrder) {
  const ScriptedRun rightThenLeft = RunScript(kJumping + "190 down 39\n190 down 37\n", 200);
  const ScriptedRun leftThenRight = RunScript(kJumping + "190 down 37\n190 down 39\n", 200);
  EXPECT_EQ(Value(rightThenLeft, 190, "speed"), "-4");
  EXPECT_EQ(Value(leftThenRight, 190, "speed"), "4");
}

// The player standing still on the fixture's seed 1 is caught by an enemy.
class GameOver : public ::testing::Test {
 protected:
  void SetUp() override {
    const ScriptedRun run = RunScript("150 down 32\n", 3000);
    for (std::size_t pass = 0; pass < run.trace.size() && !firstFrame; ++pass) {
      if (TraceValue(run.trace[pass], "state") == "2") firstFrame = static_cast<long>(pass) + 1;
    }
    ASSERT_GT(firstFrame, 151) << "the player was never caught";
    // The 51st game-over frame: it takes events before its flip with the
    // tick count still at 50, and after it with 51.
    fiftyFirst = firstFrame + 50;
  }

  std::string At(long pass, int point, const char* event) const {
    return std::to_string(pass) + "." + std::to_string(point) + " " + event + "\n";
  }

  long firstFrame = 0;
  long fiftyFirst = 0;
};

TEST_F(GameOver, AKeyInsideTheFrameBeforeItsFlipIsTooEarly) {
  const ScriptedRun run = RunScript("150 down 32\n" + At(fiftyFirst, 0, "down 65"), fiftyFirst + 3);
  EXPECT_EQ(Value(run, fiftyFirst, "state"), "2");
  EXPECT_EQ(Value(run, fiftyFirst, "gameOver"), "51");
  EXPECT_EQ(Value(run, fiftyFirst + 1, "state"), "2");
}

TEST_F(GameOver, AKeyAtTheEndOfThatFrameRestartsAndCutsThePassShort) {
  ScriptedRunSettings recording;
  recording.record = true;
  // The events after the restarting key wait for the next point, the end of
  // the new game's first frame; the one at the point that the cut pass never
  // reached comes then too.
  const ScriptedRun run =
      RunScript("150 down 32\n" + At(fiftyFirst, 1, "down 65") + At(fiftyFirst, 1, "down 66") +
                    At(fiftyFirst, 2, "down 67") + At(fiftyFirst + 1, 0, "down 27"),
                fiftyFirst + 100, recording);
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.trace.size(), static_cast<std::size_t>(fiftyFirst + 2));
  // The cut pass ends right after the reset: no flip, no tick.
  EXPECT_EQ(Value(run, fiftyFirst, "state"), "0");
  EXPECT_EQ(Value(run, fiftyFirst, "splash"), "1");
  EXPECT_EQ(Value(run, fiftyFirst, "gameOver"), "0");
  EXPECT_EQ(Value(run, fiftyFirst, "music"), "true");  // only a splash frame stops it
  EXPECT_EQ(Value(run, fiftyFirst + 1, "splash"), "2");
  EXPECT_EQ(Value(run, fiftyFirst + 1, "music"), "false");
  EXPECT_EQ(run.record, "seed 1\n150.0 down 32\n" + At(fiftyFirst, 1, "down 65") +
                            At(fiftyFirst + 1, 0, "down 66") + At(fiftyFirst + 1, 0, "down 67") +
                            At(fiftyFirst + 1, 0, "down 27"));
}

TEST_F(GameOver, ARestartInsideTheNextFrameSkipsItsFlip) {
  const std::string dir = TempDir("restart-flip");
  for (int point : {0, 1}) {
    const std::string file = dir + "/frame" + std::to_string(point) + ".bmp";
    ScriptedRunSettings settings;
    settings.dumpFrames = {{fiftyFirst + 1, file}};
    const ScriptedRun run =
        RunScript("150 down 32\n" + At(fiftyFirst + 1, point, "down 32"), fiftyFirst + 3, settings);
    EXPECT_EQ(Value(run, fiftyFirst + 1, "state"), "0");
    EXPECT_EQ(std::filesystem::exists(file), point == 1) << "restart at point " << point;
  }
  std::filesystem::remove_all(dir);
}

TEST(EventPoints, TheProgramEndingInAJumpStepStillWritesThatPass) {
  ScriptedRunSettings recording;
  recording.record = true;
  const ScriptedRun run = RunScript(kJumping + "175.0 click\n175.0 down 39\n", 1000, recording);
  EXPECT_EQ(run.status, 0);
  ASSERT_EQ(run.trace.size(), 176u);
  // Cut in the jump step: the enemies and the wave have not moved in pass 175.
  EXPECT_EQ(Value(run, 175, "waveAngle"), Value(run, 174, "waveAngle"));
  EXPECT_EQ(Value(run, 175, "enemies"), Value(run, 174, "enemies"));
  EXPECT_NEAR(TraceNumber(run.trace[175], "jumpVelocity"),
              TraceNumber(run.trace[174], "jumpVelocity") - 0.2, 1e-12);
  // Nothing is taken after the event that ended the program.
  EXPECT_EQ(run.record, "seed 1\n150.0 down 32\n160.0 down 38\n170.0 down 38\n175.0 click\n");
}

// The player is not part of a scripted run: a key of the window is ignored,
// and leaving (Escape, a click, closing the window) ends the program with
// status 0 once the pass is over, untouched by it, and unrecorded.
TEST(EventPoints, APlayerLeavingAScriptedRunEndsItAtTheEndOfThePass) {
  const std::string dir = TempDir("script-window");
  Options options;
  options.frames = 20;
  options.input = dir + "/script.txt";
  options.record = dir + "/record.txt";
  options.trace = dir + "/trace.jsonl";
  std::ofstream(options.input) << "seed 3\n";
  ScriptedRunSettings seedThree;
  seedThree.seed = 3;
  const std::string passZero = RunScript("", 1, seedThree).trace.at(0) + "\n";
  const std::pair<WindowEvent, long> cases[] = {
      {{WindowEvent::Kind::KeyDown, 65}, 20},
      {{WindowEvent::Kind::KeyDown, 27}, 1},
      {{WindowEvent::Kind::MouseDown}, 1},
      {{WindowEvent::Kind::Close}, 1},
  };
  for (const auto& [event, passes] : cases) {
    HeadlessGame game;
    std::string error;
    auto setup = RunSetup::Prepare(options, error);
    ASSERT_TRUE(setup) << error;
    setup->Attach(CurrentPlatform());
    game.Video().Push(event);
    EXPECT_EQ(game.Run(options.frames), 0);
    EXPECT_EQ(game.Video().Frames(), passes);
    EXPECT_TRUE(setup->Finish(error)) << error;
    EXPECT_EQ(ReadFile(options.record), "seed 3\n");
    if (passes == 1) {
      EXPECT_EQ(ReadFile(options.trace), passZero);
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace

}  // namespace ridgeline
