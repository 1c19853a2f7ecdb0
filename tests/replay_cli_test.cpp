#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fixture_data.h"
#include "headless_game.h"
#include "read_file.h"
#include "replay/replay_file.h"
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

  // Runs the game with `arguments` in the fixture's directory, its standard
  // output to `output`, after the shell commands `before`; returns its exit status.
  int Run(const std::string& arguments, const std::string& output = "stdout.txt",
          const std::string& before = "") {
    return RunProgram("./ridgeline", arguments, output, before);
  }
  // The same with `program` for the game: another copy of it, or a loader.
  int RunProgram(const std::string& program, const std::string& arguments,
                 const std::string& output = "stdout.txt", const std::string& before = "") {
    const std::string command = "cd '" + dir_ + "' && " + before +
                                " SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy " + program + " " +
                                arguments + " >" + output + " 2>stderr.txt";
    const int status = std::system(command.c_str());
    stderr_ = ReadFile(dir_ + "/stderr.txt");
    stdout_ = ReadFile(dir_ + "/stdout.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
  }
  bool Exists(const std::string& name) const { return fs::exists(dir_ + "/" + name); }
  // The names in the fixture's directory, but for the game and its data.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      const std::string name = entry.path().filename();
      if (name != "ridgeline" && name != "Data") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
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
      {"--headless --frames 1 --trace no/such/dir/t.jsonl",
       "ridgeline: no/such/dir/t.jsonl: cannot be written (No such file or directory)\n"},
      // A frame's file is checked with the others, not when its pass comes.
      {"--headless --frames 9 --dump-frame 5 no/such/dir/f.bmp --trace t.jsonl",
       "ridgeline: no/such/dir/f.bmp: cannot be written (No such file or directory)\n"},
      {"--scale 999", "ridgeline: --scale needs a whole factor from 1 to 16\n"},
      {"--headless --frames 5 --scale 2",
       "ridgeline: --scale needs a window: not with --headless\n"},
      // Nothing would end it: it would run for ever.
      {"--headless --trace t.jsonl",
       "ridgeline: --headless needs --frames N unless the input ends the game (a click or "
       "Escape)\n"},
      {"--headless --input keys.txt --trace t.jsonl",
       "ridgeline: --headless needs --frames N unless the input ends the game (a click or "
       "Escape)\n"},
      // Only regular files are read, and no more of them than a script may hold.
      {"--headless --frames 5 --input /dev/zero --trace t.jsonl",
       "ridgeline: /dev/zero: cannot be read (a character device, not a regular file)\n"},
      {"--headless --frames 5 --input Data --trace t.jsonl",
       "ridgeline: Data: cannot be read (Is a directory)\n"},
      {"--headless --frames 5 --input huge.txt --trace t.jsonl",
       "ridgeline: huge.txt: cannot be read (larger than the 64 MB a script may hold)\n"},
      {"--verify 1 --trace t.jsonl",
       "ridgeline: --scores, --verify and --watch go alone (with --stats or --scale at most)\n"},
      {"--name Ann", "ridgeline: --board and --name go with --submit\n"},
      {"--submit 1 --headless",
       "ridgeline: --submit goes alone (with --board and --name at most)\n"},
      {"--headless --watch 1",
       "ridgeline: --watch shows the game in a window: leave out --headless\n"},
  };
  Write("keys.txt", "150 down 32\n");
  Write("huge.txt", "");
  fs::resize_file(dir_ + "/huge.txt", 65 << 20);  // sparse: no room taken on the disk
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(Run(arguments), 2) << arguments;
    EXPECT_EQ(stderr_, message) << arguments;
    EXPECT_EQ(Files(), (std::vector<std::string>{"bad.txt", "huge.txt", "keys.txt", "late.txt",
                                                 "stderr.txt", "stdout.txt"}))
        << arguments;
  }
}

// An output that is an input, a file of the game's data or another output
// is refused before anything is written; so is one that cannot be written.
// A run that fails at start-up leaves every file as it was.
TEST_F(Command, OutputsNeverOverwriteInputsDataOrEachOther) {
  Write("s.txt", "seed 4\n");
  Write("old.jsonl", "an earlier trace\n");
  fs::create_directory(dir_ + "/sub");
  const std::string data = fs::canonical(dir_ + "/Data").string();
  const std::pair<std::string, std::string> cases[] = {
      {"--input s.txt --trace s.txt", "--trace s.txt would overwrite the --input file s.txt"},
      {"--input s.txt --record sub/../s.txt",
       "--record sub/../s.txt would overwrite the --input file s.txt"},
      {"--trace old.jsonl --record old.jsonl",
       "--record old.jsonl would overwrite the --trace file old.jsonl"},
      {"--trace t.jsonl --dump-frame 3 ./t.jsonl",
       "--dump-frame ./t.jsonl would overwrite the --trace file t.jsonl"},
      {"--trace Data/Wave/music.wav",
       "--trace Data/Wave/music.wav would overwrite the game's data in " + data},
      {"--record Data/Midi/music.mid",
       "--record Data/Midi/music.mid would overwrite the game's data in " + data},
      {"--trace Data/Bitmap/new.bmp",
       "--trace Data/Bitmap/new.bmp would overwrite the game's data in " + data},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(Run("--headless --frames 5 " + arguments), 2) << arguments;
    EXPECT_EQ(stderr_, "ridgeline: " + message + "\n");
  }
  // A hard link is the same file by another name.
  fs::create_hard_link(dir_ + "/Data/Wave/music.wav", dir_ + "/link.wav");
  EXPECT_EQ(Run("--headless --frames 5 --trace link.wav"), 2);
  EXPECT_EQ(stderr_,
            "ridgeline: --trace link.wav would overwrite the game's data in " + data + "\n");
  fs::remove(dir_ + "/link.wav");

  // Reached through /dev, a file is written in place, never replaced: here
  // /dev/stdout is stdout.txt.
  EXPECT_EQ(Run("--headless --frames 2 --trace /dev/stdout"), 0);
  EXPECT_EQ(std::count(stdout_.begin(), stdout_.end(), '\n'), 2);

  fs::remove(dir_ + "/Data/Bitmap/tile.bmp");
  EXPECT_EQ(Run("--headless --frames 5 --input s.txt --trace old.jsonl --record r.txt"), 1);
  EXPECT_EQ(Read("s.txt"), "seed 4\n");
  EXPECT_EQ(Read("old.jsonl"), "an earlier trace\n");
  EXPECT_EQ(Files(),
            (std::vector<std::string>{"old.jsonl", "s.txt", "stderr.txt", "stdout.txt", "sub"}));
  for (const char* name : {"Data/Wave/music.wav", "Data/Midi/music.mid"}) {
    EXPECT_EQ(Read(name), ReadFile(HeadlessGame::FixtureAppPath() + "/" + name)) << name;
  }
}

TEST_F(Command, AFrameThatCannotBeSavedOrWasNeverShownFailsTheRun) {
  EXPECT_EQ(Run("--headless --frames 10 --dump-frame 5 shown.bmp --dump-frame 10 late.bmp"), 1);
  EXPECT_EQ(stderr_, "ridgeline: late.bmp: not written, no frame was shown in its pass\n");
  EXPECT_TRUE(Exists("shown.bmp"));
  // A full disk, as a limit on the size of a file: the system's reason, said
  // once, and no picture cut short left behind.
  EXPECT_EQ(Run("--headless --frames 10 --dump-frame 5 cut.bmp", "stdout.txt",
                "trap '' XFSZ; ulimit -f 100;"),
            1);
  EXPECT_EQ(stderr_, "ridgeline: cannot save the frame to cut.bmp: File too large\n");
  EXPECT_EQ(Files(), (std::vector<std::string>{"shown.bmp", "stderr.txt", "stdout.txt"}));
}

TEST_F(Command, HelpVersionAndStatsPrintAndFailWhenTheyCannot) {
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(stdout_.find("--dump-frame N FILE"), std::string::npos) << stdout_;
  EXPECT_EQ(Run("--version"), 0);
  EXPECT_TRUE(stdout_.starts_with("ridgeline ")) << stdout_;
  for (const char* arguments : {"--help", "--version", "--headless --frames 3 --stats"}) {
    EXPECT_EQ(Run(arguments, "/dev/full"), 1) << arguments;
    EXPECT_EQ(stderr_, "ridgeline: cannot write to standard output (No space left on device)\n");
  }
}

// Data/ beside the game, else ../share/ridgeline/Data from its real path, so
// that an installed tree works under any prefix and through links; never the
// working directory's Data/, nor a guess when the game's own path is unknown.
TEST_F(Command, TheDataIsFoundBesideTheGameOrInTheInstalledTreeAndNowhereElse) {
  const std::string prefix = fs::canonical(dir_).string() + "/prefix";
  fs::create_directories(prefix + "/bin");
  fs::create_directories(prefix + "/share/ridgeline");
  fs::copy_file(dir_ + "/ridgeline", prefix + "/bin/ridgeline");
  fs::copy(dir_ + "/Data", prefix + "/share/ridgeline/Data", fs::copy_options::recursive);
  fs::create_symlink("prefix/bin/ridgeline", dir_ + "/linked");
  EXPECT_EQ(RunProgram("prefix/bin/ridgeline", "--headless --frames 3"), 0) << stderr_;
  EXPECT_EQ(RunProgram("./linked", "--headless --frames 3"), 0) << stderr_;

  fs::remove_all(prefix + "/share/ridgeline/Data");
  EXPECT_EQ(RunProgram("./linked", "--headless --frames 3 --trace t.jsonl"), 1);
  EXPECT_EQ(stderr_, "ridgeline: no game data in " + prefix + "/bin/Data nor in " + prefix +
                         "/share/ridgeline/Data\n");
  EXPECT_FALSE(Exists("t.jsonl"));

  // Started through the dynamic loader, the kernel's link to the program names
  // the loader; the game beside its Data/ must not look beside the loader.
  const std::string loader = "/lib64/ld-linux-x86-64.so.2";
  if (!fs::exists(loader)) GTEST_SKIP() << "no " << loader << " on this machine";
  EXPECT_EQ(RunProgram(loader + " ./ridgeline", "--headless --frames 3"), 1);
  EXPECT_EQ(stderr_,
            "ridgeline: cannot tell where the game's data is: started through the dynamic "
            "loader; start the game's executable itself\n");
}

// The digests pin that runs repeat; here, what the options add to a run.
TEST_F(Command, AHeadlessRunRecordsItsInputAndTheSeedOnTheCommandLineWins) {
  Write("play.txt", "seed 9\n150 down 32\n151 down 39\n170 down 32\n180 up 39\n");
  // Any name, in any language: the same run.
  for (const std::string name : {"a", "b-Jos\u00e9"}) {
    EXPECT_EQ(Run("--headless --frames 250 --input play.txt --trace " + name + ".jsonl --record " +
                  name + ".txt"),
              0)
        << stderr_;
    EXPECT_EQ(stderr_, "");
  }
  EXPECT_EQ(Read("a.jsonl"), Read("b-Jos\u00e9.jsonl"));
  EXPECT_EQ(Read("a.txt"), Read("b-Jos\u00e9.txt"));
  EXPECT_EQ(Read("a.txt"), "seed 9\n150.0 down 32\n151.0 down 39\n170.0 down 32\n180.0 up 39\n");
  EXPECT_EQ(Run("--headless --frames 250 --seed 10 --input play.txt --trace c.jsonl"), 0);
  EXPECT_NE(Read("c.jsonl"), Read("a.jsonl"));
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
  fs::create_directory(dir_ + "/Jos\u00e9");
  Write("Jos\u00e9/kept.script", replay);
  const std::string score = replay.substr(replay.find("# score ") + 8);
  EXPECT_EQ(Run("--verify Jos\u00e9/kept.script"), 0) << stderr_;
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
      {"huge.script", "huge.script: cannot be read (larger than the 64 MB a script may hold)"},
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
  std::string forged = FixtureReplay();
  Write("data/ridgeline/best/forged.script",
        forged.replace(forged.find("# score "), 8, "# score 9"));
  EXPECT_EQ(Run("--scores"), 0);
  EXPECT_TRUE(stdout_.starts_with("rank       score  date                 file\n   1  "))
      << stdout_;
  EXPECT_TRUE(stdout_.ends_with("  2025-06-01 12:30:05  " + folder + "/kept.script\nunverified: " +
                                folder + "/forged.script (its replay does not end as it says)\n"))
      << stdout_;
  EXPECT_EQ(stderr_,
            "ridgeline: " + folder + "/broken.script: skipped, not a replay (no date on line 3)\n");
  EXPECT_EQ(Run("--verify 1"), 0) << stderr_;
  EXPECT_TRUE(stdout_.starts_with("verified: ")) << stdout_;
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace

}  // namespace ridgeline
