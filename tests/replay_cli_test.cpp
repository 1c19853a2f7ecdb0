#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fixture_data.h"
#include "headless_game.h"
#include "read_file.h"
#include "run/replay_file.h"
#include "scripted_run.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// The game's executable copied beside the fixture data, since it reads the
// Data directory beside itself; run from the shell with its output kept.
class Command : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = TempDir("cli");
    fs::copy(HeadlessGame::FixtureAppPath() + "/Data", dir_ + "/Data", fs::copy_options::recursive);
    fs::copy_file(RIDGELINE_BUILD_DIR "/ridgeline", dir_ + "/ridgeline");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the game with `arguments` in the fixture's directory; returns its exit status.
  int Run(const std::string& arguments) {
    const std::string command = "cd '" + dir_ +
                                "' && SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy " +
                                "./ridgeline " + arguments + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    stderr_ = ReadFile(dir_ + "/stderr.txt");
    stdout_ = ReadFile(dir_ + "/stdout.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
  }
  bool Exists(const std::string& name) const { return fs::exists(dir_ + "/" + name); }
  std::string Read(const std::string& name) const { return ReadFile(dir_ + "/" + name); }

  std::string dir_;
  std::string stderr_;
  std::string stdout_;
};

TEST_F(Command, BadUsageIsOneLineOnStandardErrorAndStatusTwoBeforeAnythingRuns) {
  Write("bad.txt", "seed 4\n# fine so far\n12 down 70000\n");
  Write("late.txt", "5 down 32\nseed 4\n");
  const std::pair<std::string, std::string> cases[] = {
      {"--frobnicate", "ridgeline: unknown option --frobnicate (see --help)\n"},
      {"--seed x", "ridgeline: --seed needs a whole number\n"},
      {"--headless --input bad.txt --trace t.jsonl",
       "ridgeline: bad.txt:3: key code 70000 is outside 0..65535\n"},
      {"--headless --input late.txt --record r.txt",
       "ridgeline: late.txt:2: the seed must come before every event\n"},
      {"--headless --input absent.txt --trace t.jsonl",
       "ridgeline: absent.txt: cannot be read (No such file or directory)\n"},
      {"--headless --trace no/such/dir/t.jsonl",
       "ridgeline: no/such/dir/t.jsonl: cannot be written (No such file or directory)\n"},
      {"--verify 1 --trace t.jsonl",
       "ridgeline: --scores, --verify and --watch go alone (with --stats or --scale at most)\n"},
      {"--headless --watch 1",
       "ridgeline: --watch shows the game in a window: leave out --headless\n"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(Run(arguments), 2) << arguments;
    EXPECT_EQ(stderr_, message) << arguments;
    EXPECT_FALSE(Exists("t.jsonl")) << arguments;
    EXPECT_FALSE(Exists("r.txt")) << arguments;
  }
}

TEST_F(Command, AFrameToSaveThatWasNeverShownFailsTheRun) {
  EXPECT_EQ(Run("--headless --frames 10 --dump-frame 5 shown.bmp --dump-frame 10 late.bmp"), 1);
  EXPECT_EQ(stderr_, "ridgeline: late.bmp: not written, no frame was shown in its pass\n");
  EXPECT_TRUE(Exists("shown.bmp"));
}

TEST_F(Command, HelpAndVersionPrintAndSucceed) {
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(stdout_.find("--dump-frame N FILE"), std::string::npos) << stdout_;
  EXPECT_EQ(Run("--version"), 0);
  EXPECT_TRUE(stdout_.starts_with("ridgeline ")) << stdout_;
}

TEST_F(Command, TwoHeadlessRunsWriteTheSameTraceAndFrame) {
  Write("play.txt", "seed 9\n150 down 32\n151 down 39\n170 down 32\n180 up 39\n");
  for (const char* run : {"a", "b"}) {
    const std::string name(run);
    EXPECT_EQ(Run("--headless --frames 250 --input play.txt --trace " + name +
                  ".jsonl --dump-frame 240 " + name + ".bmp --record " + name + ".txt"),
              0)
        << stderr_;
    EXPECT_EQ(stderr_, "");
  }
  const std::string trace = Read("a.jsonl");
  EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 250);
  EXPECT_EQ(trace, Read("b.jsonl"));
  EXPECT_FALSE(Read("a.bmp").empty());
  EXPECT_EQ(Read("a.bmp"), Read("b.bmp"));
  EXPECT_EQ(Read("a.txt"), "seed 9\n150.0 down 32\n151.0 down 39\n170.0 down 32\n180.0 up 39\n");
  // The seed on the command line wins over the script's.
  EXPECT_EQ(Run("--headless --frames 250 --seed 10 --input play.txt --trace c.jsonl"), 0);
  EXPECT_NE(Read("c.jsonl"), trace);
}

// A replay made from a scripted run of the fixture: the recorded input up to
// the first game over, under the header that the run's trace gives.
std::string FixtureReplay() {
  ScriptedRunSettings recording;
  recording.record = true;
  const ScriptedRun run = RunScript("150 down 32\n160 down 32\n180 down 32\n", 3000, recording);
  ReplayHeader header{0, "2025-06-01 12:30:05", 0, 0};
  for (long pass = 0; pass < static_cast<long>(run.trace.size()) && !header.over; ++pass) {
    const std::string state = TraceValue(run.trace[pass], "state");
    if (state == "1" && !header.began) header.began = pass;
    if (state == "2") header.over = pass;
  }
  header.score = static_cast<std::int64_t>(TraceNumber(run.trace[header.over], "score"));
  return FormatReplay(header, run.record);
}

TEST_F(Command, AReplayVerifiesOnlyAsItWasKept) {
  const std::string replay = FixtureReplay();
  ASSERT_TRUE(replay.find("\n# score ") != std::string::npos);
  Write("kept.script", replay);
  const std::string score = replay.substr(replay.find("# score ") + 8);
  EXPECT_EQ(Run("--verify kept.script"), 0) << stderr_;
  EXPECT_EQ(stdout_, "verified: " + score.substr(0, score.find('\n')) + "\n");

  auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = replay;
    return text.replace(text.find(from), from.size(), to);
  };
  Write("score.script", edited("# score ", "# score 1"));
  Write("over.script", edited("# over ", "# over 1"));
  Write("cut.script", replay.substr(0, replay.size() - 8));
  Write("input.script", "seed 1\n150 down 32\n");
  Write("huge.script", replay);
  fs::resize_file(dir_ + "/huge.script", (64 << 20) + 1);
  const std::pair<std::string, std::string> failures[] = {
      {"score.script", "score.script: score: the game scores "},
      {"over.script", "over.script: pass: the game ends in pass "},
      {"cut.script", "cut.script: not a replay (line "},
      {"input.script", "input.script: not a replay (it does not start with"},
      {"huge.script", "huge.script: larger than 64 MB, the most a script may be"},
      {"absent.script", "absent.script: cannot be read (No such file or directory)"},
  };
  for (const auto& [file, complaint] : failures) {
    EXPECT_EQ(Run("--verify " + file), 1) << file;
    EXPECT_TRUE(stderr_.starts_with("ridgeline: " + complaint)) << stderr_;
    EXPECT_EQ(stdout_, "") << file;
  }
}

TEST_F(Command, TheScoresListTheKeptGamesAndSkipBrokenFiles) {
  const std::string folder = dir_ + "/data/ridgeline/best";
  ::setenv("XDG_DATA_HOME", (dir_ + "/data").c_str(), 1);
  EXPECT_EQ(Run("--scores"), 0);
  EXPECT_EQ(stdout_, "no best games kept yet in " + folder + "\n");
  EXPECT_EQ(Run("--verify 1"), 1);
  EXPECT_EQ(stderr_, "ridgeline: no game of rank 1 is kept (0 in " + folder + ")\n");

  fs::create_directories(folder);
  Write("data/ridgeline/best/kept.script", FixtureReplay());
  Write("data/ridgeline/best/broken.script", "# ridgeline replay\n# score 99999\n");
  EXPECT_EQ(Run("--scores"), 0);
  EXPECT_TRUE(stdout_.starts_with("rank       score  date                 file\n   1  "))
      << stdout_;
  EXPECT_TRUE(stdout_.ends_with("  2025-06-01 12:30:05  " + folder + "/kept.script\n")) << stdout_;
  EXPECT_EQ(stderr_,
            "ridgeline: " + folder + "/broken.script: skipped, not a replay (no date on line 3)\n");
  EXPECT_EQ(Run("--verify 1"), 0) << stderr_;
  EXPECT_TRUE(stdout_.starts_with("verified: ")) << stdout_;
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace

}  // namespace ridgeline
