#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/file_system.h"
#include "fixture_data.h"
#include "game/random.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/platform/platform.h"
#include "read_file.h"
#include "replay/best_folder.h"
#include "replay/best_games.h"
#include "replay/script_file.h"
#include "replay/script_input.h"
#include "scripted_run.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

ReplayHeader Header(std::int64_t score, const std::string& date, long began = 10, long over = 20) {
  return ReplayHeader{score, date, began, over};
}

BestGame Kept(std::int64_t score, const std::string& date, const std::string& file) {
  return BestGame{Header(score, date), file};
}

// A check that finds every replay ends as it says.
const ReplayCheck kEveryReplayVerifies = [](const std::string&) { return std::optional(true); };

std::vector<std::string> Files(const BestTable& table) {
  std::vector<std::string> files;
  for (const BestGame& game : table.Games()) files.push_back(game.file);
  return files;
}

TEST(BestTable, HigherScoresFirstAndOfEqualScoresTheEarlierGame) {
  BestTable table;
  for (const BestGame& game :
       {Kept(300, "2025-01-02 10:00:00", "c"), Kept(500, "2025-01-03 10:00:00", "e"),
        Kept(300, "2025-01-01 10:00:00", "a"), Kept(300, "2025-01-01 10:00:00", "b"),
        Kept(0, "2025-01-01 09:00:00", "z")}) {
    EXPECT_FALSE(table.Add(game));
  }
  EXPECT_EQ(Files(table), (std::vector<std::string>{"e", "a", "b", "c", "z"}));
  EXPECT_EQ(table.Best(), 500);
}

TEST(BestTable, TheEleventhGameIsKeptOnlyWhenItBeatsTheTenth) {
  BestTable table;
  EXPECT_EQ(table.Best(), std::nullopt);
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(table.Keeps(0)) << "with " << i << " kept";
    table.Add(Kept(100 * (i + 1), "2025-01-01 10:00:0" + std::to_string(i), std::to_string(i)));
  }
  // A tie with the tenth goes to the earlier game.
  EXPECT_FALSE(table.Keeps(100));
  const auto tie = table.Add(Kept(100, "2025-01-02 10:00:00", "tie"));
  ASSERT_TRUE(tie);
  EXPECT_EQ(tie->file, "tie");
  EXPECT_TRUE(table.Keeps(101));
  const auto left = table.Add(Kept(101, "2025-01-02 10:00:00", "new"));
  ASSERT_TRUE(left);
  EXPECT_EQ(left->file, "0");
  EXPECT_EQ(table.Games().size(), BestTable::kKept);
  EXPECT_EQ(table.Games().back().file, "new");
  EXPECT_TRUE(FormatBestTable(table, "/b")
                  .starts_with("rank       score  date                 file\n"
                               "   1        1000  2025-01-01 10:00:09  /b/9\n"
                               "   2         900  2025-01-01 10:00:08  /b/8\n"));
}

TEST(ReplayFile, TextsThatAreNotReplaysSayWhy) {
  const std::string head = "# ridgeline replay\n# score 10\n# date 2025-06-01 12:30:05\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", "it does not start with \"# ridgeline replay\""},
      {"seed 1\n5 down 32\n", "it does not start with \"# ridgeline replay\""},
      {"# ridgeline replay\n# score -10\n", "no score on line 2"},
      {"# ridgeline replay\n# score 99999999999999999999\n", "no score on line 2"},
      {"# ridgeline replay\n# score 10\n# date 2025-06-01 12:30\n", "no date on line 3"},
      {"# ridgeline replay\n# score 10\n# date 2025-06-01\x1b[2J:30:05\n", "no date on line 3"},
      {head, "no pass of the game's beginning on line 4"},
      {head + "# began 20\n# over 19\nseed 1\n", "the game is over before it began"},
      {head + "# began 20\n# over 5184001\nseed 1\n",
       "the game is over after more than a day of play"},
      {head + "# began 20\n# over 30\n", "it has no seed"},
      {head + "# began 20\n# over 30\nseed 1\n31.0 down 32\n",
       "it has events after the game-over pass"},
      {head + "# began 20\n# over 30\nseed 1\n12.0 do",
       "line 7: expected down, up or click "
       "after '12.0', found 'do'"},
  };
  for (const auto& [text, why] : cases) {
    const auto replay = ParseReplay(text);
    ASSERT_TRUE(std::holds_alternative<std::string>(replay)) << text;
    EXPECT_EQ(std::get<std::string>(replay), why) << text;
  }
}

TEST(ReplayFile, ADifferentEndIsNamedByWhatDiffers) {
  const ReplayHeader claim = Header(700, "2025-06-01 12:30:05", 151, 912);
  const std::pair<std::optional<GameResult>, std::optional<std::string>> cases[] = {
      {GameResult{151, 912, 700}, std::nullopt},
      {GameResult{151, 912, 600}, "score: the game scores 600, the file says 700"},
      {GameResult{151, 640, 700}, "pass: the game ends in pass 640, the file says 912"},
      {GameResult{150, 912, 700}, "pass: the game begins in pass 150, the file says 151"},
      {std::nullopt, "pass: no game ends by pass 912, where the file says one does"},
  };
  for (const auto& [played, difference] : cases) {
    EXPECT_EQ(ReplayDifference(claim, played), difference);
  }
}

class BestFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = TempDir("best-folder"); }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_;
};

TEST_F(BestFolderTest, EachBrokenOrHostileFileIsSkippedWithOneWarning) {
  const std::string good = FormatReplay(Header(40, "2025-06-01 12:30:05"), "seed 1\n");
  Write("good.script", good);
  Write(".20250601-123005-40.script.tmp", "half a save");  // hidden: skipped silently
  Write("text.script", "hello\n");
  Write("binary.script", std::string("\0\xff\x01", 3));
  Write("cut.script", good.substr(0, 30));
  Write("name\x1b[2J.script", good);
  fs::create_directory(dir_ + "/folder.script");
  fs::create_symlink(dir_ + "/good.script", dir_ + "/link.script");
  ASSERT_EQ(::mkfifo((dir_ + "/pipe.script").c_str(), 0600), 0);  // would block a reader
  std::ofstream(dir_ + "/huge.script", std::ios::binary) << good;
  fs::resize_file(dir_ + "/huge.script", kLargestScript + 1);

  const LoadedBest loaded = LoadBestFolder(dir_, kEveryReplayVerifies);
  EXPECT_EQ(Files(loaded.table), std::vector<std::string>{"good.script"});
  std::vector<std::string> warnings = loaded.warnings;
  std::sort(warnings.begin(), warnings.end());
  const std::string at = dir_ + "/";
  EXPECT_EQ(
      warnings,
      (std::vector<std::string>{
          at + "binary.script: skipped, not a replay (it does not start with \"# ridgeline "
               "replay\")",
          at + "cut.script: skipped, not a replay (no date on line 3)",
          at + "folder.script: skipped, not a regular file",
          at + "huge.script: cannot be read (larger than the 64 MB a script may hold); skipped",
          at + "link.script: skipped, not a regular file",
          at + "pipe.script: skipped, not a regular file",
          at + "text.script: skipped, not a replay (it does not start with \"# ridgeline "
               "replay\")",
          dir_ + ": a file whose name has unprintable bytes is skipped",
      }));
}

TEST_F(BestFolderTest, AFolderThatIsNotThereHoldsNothingAndOneThatIsAFileWarns) {
  const LoadedBest none = LoadBestFolder(dir_ + "/not-yet");
  EXPECT_TRUE(none.table.Games().empty());
  EXPECT_TRUE(none.warnings.empty());
  Write("file", "");
  const LoadedBest file = LoadBestFolder(dir_ + "/file");
  EXPECT_TRUE(file.table.Games().empty());
  EXPECT_EQ(file.warnings, std::vector<std::string>{dir_ + "/file: the best games cannot be read "
                                                           "(Not a directory)"});
}

TEST_F(BestFolderTest, AWriteLeavesTheWholeFileOrNothingAndNoTemporaryFile) {
  EXPECT_EQ(WriteFileWhole(dir_ + "/a.script", "first"), std::nullopt);
  EXPECT_EQ(WriteFileWhole(dir_ + "/a.script", "second"), std::nullopt);
  EXPECT_EQ(ReadFile(dir_ + "/a.script"), "second");
  // A rename that fails (a folder holds the name) leaves the folder as it was.
  fs::create_directory(dir_ + "/b.script");
  EXPECT_NE(WriteFileWhole(dir_ + "/b.script", "lost"), std::nullopt);
  EXPECT_EQ(WriteFileWhole(dir_ + "/missing/c.script", "lost"), "No such file or directory");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.script", "b.script"}));
  EXPECT_TRUE(fs::is_empty(dir_ + "/b.script"));

  // Saving picks a free name from the date and the score.
  std::string error;
  const ReplayHeader header = Header(40, "2025-06-01 12:30:05");
  EXPECT_EQ(SaveReplay(dir_ + "/best", header, "x", error), "20250601-123005-40.script") << error;
  EXPECT_EQ(SaveReplay(dir_ + "/best", header, "y", error), "20250601-123005-40-2.script") << error;
  EXPECT_EQ(SaveReplay(dir_ + "/a.script", header, "z", error), std::nullopt);
  EXPECT_EQ(error, dir_ + "/a.script: cannot be made (Not a directory)");
}

// Plays a script headless as if at the window, its games kept in `folder` by
// BestGames, with the fixture's seed 1.
class KeptRun {
 public:
  KeptRun(const std::string& script, long passes, const std::string& folder) {
    const auto parsed = ParseScript(script, "script");
    ScriptInput input(std::get<Script>(parsed).events);
    HeadlessGame game;
    FixClock(1);
    testing::internal::CaptureStderr();
    BestGames best(input, 1, folder);
    SetInputSource(&best.Input());
    SetPassEndHook([&](long pass) {
      best.PassEnded(pass);
      ++passesRun;
    });
    status = game.Run(passes);
    SetInputSource(nullptr);
    SetPassEndHook(nullptr);
    warnings = testing::internal::GetCapturedStderr();
    for (const std::string& call : game.Video().Calls()) {
      if (call.starts_with("SetTitle ")) titles.push_back(call.substr(9));
    }
  }

  int status = -1;
  long passesRun = 0;
  std::vector<std::string> titles;
  std::string warnings;
};

// Space every 20 passes from pass `from` (on the title, or the play that
// follows) until pass `to`: the player shoots until an enemy catches it.
std::string Shooting(long from, long to) {
  std::string script;
  for (long pass = from; pass < to; pass += 20) {
    script += std::to_string(pass) + " down 32\n" + std::to_string(pass + 1) + " up 32\n";
  }
  return script;
}

// The first pass from `from` on in which `script` ends in game over.
long GameOverAt(const std::string& script, long from = 0) {
  const ScriptedRun run = RunScript(script, 10000);
  while (from < static_cast<long>(run.trace.size()) &&
         TraceValue(run.trace[from], "state") != "2") {
    ++from;
  }
  return from;
}

// Shooting from the title until the first game over, and no further, since a
// key on the game-over screen would start the next game.
const std::string& OneShootingGame() {
  static const std::string script = Shooting(150, GameOverAt(Shooting(150, 3000)));
  return script;
}

TEST(BestGames, ReplaysThatFailOrWereNeverReplayedNeitherRankNorCrowdOutARealGame) {
  const std::string folder = TempDir("best-forged");
  const KeptRun first(OneShootingGame(), 3000, folder);
  const BestGame real = LoadBestFolder(folder).table.Games().at(0);
  const std::string text = ReadFile(folder + "/" + real.file);
  const std::string score = "# score " + std::to_string(real.header.score) + "\n";
  std::string forged = text;
  forged.replace(forged.find(score), score.size(), "# score 999999\n");
  for (int i = 0; i < 10; ++i) {
    std::ofstream(folder + "/forged-" + std::to_string(i) + ".script", std::ios::binary) << forged;
  }
  // Unchecked, they are not read at all; checked and failed, they stay out.
  EXPECT_EQ(LoadBestFolder(folder).unranked.size(), 10u);
  const auto fails = [](const std::string&) { return std::optional(false); };
  const LoadedBest checked = LoadBestFolder(folder, fails);
  EXPECT_EQ(Files(checked.table), std::vector<std::string>{real.file});
  ASSERT_EQ(checked.unranked.size(), 10u);
  EXPECT_TRUE(checked.unranked[0].failed);

  // A copy of the real game under another name is known by its bytes.
  std::ofstream(folder + "/copy.script", std::ios::binary) << text;
  EXPECT_EQ(LoadBestFolder(folder, fails).table.Games().size(), 2u);

  const KeptRun second(OneShootingGame(), 3000, folder);
  const LoadedBest after = LoadBestFolder(folder);
  EXPECT_EQ(after.table.Games().size(), 3u);
  EXPECT_EQ(after.table.Best(), real.header.score);
  EXPECT_EQ(second.warnings, "");
  fs::remove_all(folder);
}

TEST(BestGames, AFolderThatCannotBeWrittenCostsOneWarningAndNotTheGame) {
  const std::string dir = TempDir("best-unwritable");
  std::ofstream(dir + "/best") << "a file where the folder should be";
  const KeptRun run("150 down 32\n", 3000, dir + "/best");  // caught where it stands
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.passesRun, 3000);
  EXPECT_EQ(run.warnings, "ridgeline: " + dir +
                              "/best: the best games cannot be read (Not a directory)\n"
                              "ridgeline: " +
                              dir +
                              "/best: cannot be made (Not a directory); the game is not kept\n");
  EXPECT_TRUE(run.titles.empty());
  fs::remove_all(dir);
}

}  // namespace

}  // namespace ridgeline
