#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "fixture_data.h"
#include "scripted_run.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// Passes are numbered from 0; the splash shows in passes 0 to 100.
constexpr long kFirstTitlePass = 101;
// Leaving the title in its first frame makes pass 102 the first play frame.
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

// The numbers of one row of a trace table such as "[[1,2.5,true],[...]]".
std::vector<std::vector<std::string>> TraceRows(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string>* row = nullptr;
  std::string cell;
  for (char c : table.substr(1)) {
    if (c == '[') {
      row = &rows.emplace_back();
    } else if (c == ',' || c == ']') {
      if (row && !cell.empty()) row->push_back(cell);
      cell.clear();
      if (c == ']') row = nullptr;
    } else {
      cell += c;
    }
  }
  return rows;
}

double Number(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Whether some visible enemy of a trace line overlaps the player as the
// contact test counts it.
bool AnyContact(const std::string& line) {
  const double px = TraceNumber(line, "playerX");
  const double py = TraceNumber(line, "playerY");
  for (const auto& e : TraceRows(TraceValue(line, "enemies"))) {
    const float ex = static_cast<float>(Number(e[0]));
    const double ey = Number(e[1]);
    if (e[4] == "true" && ex + 60 > px && ex < px + 60 && ey + 60 > py && ey < py + 60) {
      return true;
    }
  }
  return false;
}

TEST(PlayScript, TheSplashLasts101FramesWhateverIsPressedThenTheTitleWaits) {
  const ScriptedRun run = Play("20 down 32\n30 down 8\n40 down 65\n40 up 37\n", 200);
  EXPECT_EQ(TraceValue(run.trace[40], "state"), "0");
  EXPECT_EQ(TraceValue(run.trace[99], "splash"), "101");
  EXPECT_EQ(TraceValue(run.trace[99], "state"), "0");
  // The splash frame of pass 100 sets the title for the next pass.
  EXPECT_EQ(TraceValue(run.trace[100], "state"), "3");
  EXPECT_EQ(TraceValue(run.trace[100], "splash"), "0");
  EXPECT_EQ(TraceValue(run.trace[199], "state"), "3");
  for (const std::string& line : run.trace) EXPECT_EQ(TraceValue(line, "music"), "false");
}

TEST(PlayScript, TheKeyThatLeavesTheTitleIsNotAlsoAPlayingKey) {
  for (int key : {32, 38, 37, 8}) {
    const ScriptedRun run = Play(Pass(kFirstTitlePass, "down " + std::to_string(key)), 104);
    const std::string& left = run.trace[kFirstTitlePass];
    EXPECT_EQ(TraceValue(left, "state"), "1") << key;
    EXPECT_EQ(TraceValue(left, "shotsActive"), "false") << key;
    EXPECT_EQ(TraceValue(left, "jumping"), "false") << key;
    EXPECT_EQ(TraceValue(left, "speed"), "0") << key;
    EXPECT_EQ(TraceValue(left, "music"), "false");
    // The first play frame: the background steps, the wave moves, music starts.
    const std::string& first = run.trace[kFirstTitlePass + 1];
    EXPECT_EQ(TraceValue(first, "bgOffset"), "-2");
    EXPECT_EQ(TraceValue(first, "waveAngle"), "1");
    EXPECT_EQ(TraceValue(first, "music"), "true");
  }
}

TEST(PlayScript, TheFirstJumpStaysOnTheGroundTheSecondLastsOneHundredFrames) {
  // Up at the end of pass 105; its landing step in pass 106 processes the
  // second Up, so the full jump runs in passes 107 to 206.
  const ScriptedRun run = Play(kStartPlay + "105 down 38\n106.0 down 38\n", 210);
  EXPECT_EQ(TraceValue(run.trace[105], "jumping"), "true");
  EXPECT_EQ(TraceValue(run.trace[106], "playerY"), "323");
  EXPECT_EQ(TraceValue(run.trace[106], "jumpVelocity"), "10");
  EXPECT_EQ(TraceValue(run.trace[106], "jumping"), "true");
  EXPECT_EQ(TraceValue(run.trace[107], "playerY"), "313.2");
  EXPECT_EQ(TraceValue(run.trace[205], "jumping"), "true");
  EXPECT_EQ(TraceValue(run.trace[206], "playerY"), "323");
  EXPECT_EQ(TraceValue(run.trace[206], "jumping"), "false");
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

TEST(PlayScript, ContactEndsTheGameAfterTheFrameInWhichItHappens) {
  const long contact = ContactPass();
  ASSERT_GT(contact, kFirstTitlePass + 129);  // no enemy is on screen sooner
  const ScriptedRun run = Play(kStartPlay, contact + 3);
  EXPECT_EQ(TraceValue(run.trace[contact - 1], "state"), "1");
  EXPECT_FALSE(AnyContact(run.trace[contact - 1]));
  EXPECT_TRUE(AnyContact(run.trace[contact]));
  EXPECT_EQ(TraceValue(run.trace[contact], "gameOver"), "0");
  // The game-over frames leave the world as it was and the music playing.
  for (long p = contact + 1; p < contact + 3; ++p) {
    EXPECT_EQ(TraceValue(run.trace[p], "gameOver"), std::to_string(p - contact));
    EXPECT_EQ(TraceValue(run.trace[p], "enemies"), TraceValue(run.trace[contact], "enemies"));
    EXPECT_EQ(TraceValue(run.trace[p], "bgOffset"), TraceValue(run.trace[contact], "bgOffset"));
    EXPECT_EQ(TraceValue(run.trace[p], "music"), "true");
  }
}

TEST(PlayScript, NoRestartBefore51GameOverFramesThenAnyKeyButEscapeAndBackspace) {
  const long contact = ContactPass();
  ASSERT_GT(contact, 0);
  const long frame51 = contact + 51;  // the 51st game-over frame
  // Inside that frame the count is still 50: dropped. After its flip: restart.
  for (int key : {32, 37, 38, 39, 65}) {
    const std::string down = "down " + std::to_string(key);
    const ScriptedRun run = Play(
        kStartPlay + Pass(contact + 10, down) + Pass(frame51, 0, down) + Pass(frame51, 1, down),
        frame51 + 3);
    EXPECT_EQ(TraceValue(run.trace[contact + 10], "state"), "2") << key;
    EXPECT_EQ(TraceValue(run.trace[frame51 - 1], "gameOver"), "50");
    const std::string& restarted = run.trace[frame51];
    EXPECT_EQ(TraceValue(restarted, "state"), "0") << key;
    EXPECT_EQ(TraceValue(restarted, "splash"), "1");
    EXPECT_EQ(TraceValue(restarted, "gameOver"), "0");
    EXPECT_EQ(TraceValue(restarted, "playerX"), "100");
    EXPECT_EQ(TraceValue(restarted, "waveAngle"), "0");
    // The new game places its enemies anew, from the generator's current state.
    EXPECT_NE(TraceValue(restarted, "enemies"), TraceValue(run.trace[3], "enemies"));
    EXPECT_EQ(TraceValue(run.trace[frame51 + 1], "splash"), "2");
    EXPECT_EQ(TraceValue(run.trace[frame51 + 1], "music"), "false");
  }
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

TEST(PlayScript, EscapeBackspaceAndTheMouseEndTheGameWhereTheKeyTableSays) {
  struct Case {
    std::string script;
    std::size_t passes;  // passes run, the ending one included
  };
  const long contact = ContactPass();
  ASSERT_GT(contact, 0);
  const Case cases[] = {
      {"10 down 27\n", 11},
      {"10 down 8\n" + Pass(kFirstTitlePass + 5, "down 8") + "150 down 8\n", 151},
      {"50 click\n", 51},
      {"120 click\n", 121},
      {kStartPlay + "130 down 27\n", 131},
      {kStartPlay + "130 click\n", 131},
      {kStartPlay + Pass(contact + 5, "down 8"), static_cast<std::size_t>(contact + 6)},
      {kStartPlay + Pass(contact + 5, 0, "down 27"), static_cast<std::size_t>(contact + 6)},
      {kStartPlay + Pass(contact + 5, "click"), static_cast<std::size_t>(contact + 6)},
  };
  for (const Case& c : cases) {
    const ScriptedRun run = Play(c.script, 5000);
    EXPECT_EQ(run.trace.size(), c.passes) << c.script;
  }
}

}  // namespace

}  // namespace ridgeline
