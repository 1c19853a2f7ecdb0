#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fixture_data.h"
#include "headless_game.h"
#include "read_file.h"

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

  // Runs `program` with `arguments` in the fixture's directory; returns its exit status.
  int Run(const std::string& arguments, const std::string& program = "./ridgeline") {
    const std::string command = "cd '" + dir_ +
                                "' && SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy " + program +
                                " " + arguments + " >stdout.txt 2>stderr.txt";
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
  EXPECT_EQ(Run("--headless --frames 3", "prefix/bin/ridgeline"), 0) << stderr_;
  EXPECT_EQ(Run("--headless --frames 3", "./linked"), 0) << stderr_;

  fs::remove_all(prefix + "/share/ridgeline/Data");
  EXPECT_EQ(Run("--headless --frames 3 --trace t.jsonl", "./linked"), 1);
  EXPECT_EQ(stderr_, "ridgeline: no game data in " + prefix + "/bin/Data nor in " + prefix +
                         "/share/ridgeline/Data\n");
  EXPECT_FALSE(Exists("t.jsonl"));

  // Started through the dynamic loader, the kernel's link to the program names
  // the loader; the game beside its Data/ must not look beside the loader.
  const std::string loader = "/lib64/ld-linux-x86-64.so.2";
  if (!fs::exists(loader)) GTEST_SKIP() << "no " << loader << " on this machine";
  EXPECT_EQ(Run("--headless --frames 3", loader + " ./ridgeline"), 1);
  EXPECT_EQ(stderr_,
            "ridgeline: cannot tell where the game's data is: started through the dynamic "
            "loader; start the game's executable itself\n");
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

}  // namespace

}  // namespace ridgeline
