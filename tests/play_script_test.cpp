#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fixture_data.h"
#include "scripted_run.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// Passes are numbered from 0; the splash shows in passes 0 to 100. Leaving the
// title in its first frame makes pass 102 the first play frame.
const std::string kStartPlay = "101 down 32\n";

std::string Pass(long pass, const std::string& rest) {
  return std::to_string(pass) + " " + rest + "\n";
}

std::string Pass(long pass, int point, const std::string& rest) {
  return std::to_string(pass) + "." + std::to_string(point) + " " + rest + "\n";
}

ScriptedRun Play(const std::string& script, long passes) {
  ScriptedRun run = RunScript(script, passes);
  EXPECT_EQ(run.status, 0) << run.error;
  return run;
}

// The pass in which the player, left standing, is first touched.
long ContactPass() {
  static const long pass = [] {
    const ScriptedRun run = Play(kStartPlay, 3000);
    for (std::size_t p = 0; p < run.trace.size(); ++p) {
      if (TraceValue(run.trace[p], "state") == "2") return static_cast<long>(p);
    }
    return -1L;
  }();
  return pass;
}

TEST(PlayScript, AShotFiredDuringAJumpStepStartsFromTheHeightBeforeIt) {
  // The jump runs from pass 107; pass 130's jump step takes the first
  // Space, the end of the same pass the second.
  const ScriptedRun run =
      Play(kStartPlay + "105 down 38\n106.0 down 38\n130.0 down 32\n130.1 down 32\n", 133);
  const std::string before = TraceValue(run.trace[129], "playerY");
  const std::string after = TraceValue(run.trace[130], "playerY");
  ASSERT_NE(before, after);
  EXPECT_EQ(TraceValue(run.trace[130], "shots"),
            "[[0,180," + before + ",0],[1,180," + after + ",0]]");
  // Both are first moved, and drawn, in the next frame.
  EXPECT_EQ(TraceValue(run.trace[131], "shots"),
            "[[0,190," + before + ",0],[1,190," + after + ",0]]");
}

TEST(PlayScript, NoRestartBefore51GameOverFramesThenAnyKey) {
  const long contact = ContactPass();
  ASSERT_GT(contact, 0);
  const long frame51 = contact + 51;  // the 51st game-over frame
  // Inside that frame the count is still 50: dropped. After its flip: restart.
  const ScriptedRun run = Play(kStartPlay + Pass(contact + 10, "down 65") +
                                   Pass(frame51, 0, "down 65") + Pass(frame51, 1, "down 65"),
                               frame51 + 3);
  EXPECT_EQ(TraceValue(run.trace[contact + 10], "state"), "2");
  EXPECT_EQ(TraceValue(run.trace[frame51 - 1], "gameOver"), "50");
  const std::string& restarted = run.trace[frame51];
  EXPECT_EQ(TraceValue(restarted, "state"), "0");
  EXPECT_EQ(TraceValue(restarted, "splash"), "1");
  EXPECT_EQ(TraceValue(restarted, "gameOver"), "0");
  EXPECT_EQ(TraceValue(restarted, "playerX"), "100");
  EXPECT_EQ(TraceValue(restarted, "waveAngle"), "0");
  // The new game places its enemies anew, from the generator's current state.
  EXPECT_NE(TraceValue(restarted, "enemies"), TraceValue(run.trace[3], "enemies"));
  EXPECT_EQ(TraceValue(run.trace[frame51 + 1], "splash"), "2");
  EXPECT_EQ(TraceValue(run.trace[frame51 + 1], "music"), "false");
}

TEST(PlayScript, ARestartInsideTheGameOverFrameSkipsItsFlip) {
  const long contact = ContactPass();
  ASSERT_GT(contact, 0);
  const long frame52 = contact + 52;  // its event processing sees 51
  const std::string dir = TempDir("restart-flip");
  for (int point : {0, 1}) {
    const std::string file = dir + "/frame" + std::to_string(point) + ".bmp";
    ScriptedRunSettings settings;
    settings.dumpFrames = {{frame52, file}};
    const ScriptedRun run =
        RunScript(kStartPlay + Pass(frame52, point, "down 32"), frame52 + 2, settings);
    EXPECT_EQ(TraceValue(run.trace[frame52], "state"), "0");
    EXPECT_EQ(fs::exists(file), point == 1) << "restart at point " << point;
  }
  fs::remove_all(dir);
}

}  // namespace

}  // namespace ridgeline
