#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/run_setup.h"
#include "fixture_data.h"
#include "game/random.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/directx/sound.h"
#include "media/platform/platform.h"
#include "read_file.h"
#include "replay/fast_forward.h"
#include "replay/script_input.h"
#include "replay/trace.h"
#include "scripted_run.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// With the fixture data: passes 0..101 are splash frames, the title follows;
// a key at pass 150 starts play from pass 151 on.
constexpr long kTitlePass = 149;
const std::string kStartPlay = "150 down 32\n";

// Replays take the seed that the script names.
ScriptedRunSettings ScriptsOwnSeed() {
  ScriptedRunSettings settings;
  settings.seed.reset();
  return settings;
}

TEST(Replay, ARecordingWithoutASeedPicksOneAndFixesTheClockByIt) {
  ScriptedRunSettings recording = ScriptsOwnSeed();
  recording.record = true;
  const ScriptedRun original = RunScript(kStartPlay, 300, recording);
  ASSERT_TRUE(original.record.starts_with("seed ")) << original.record;
  const ScriptedRun replay = RunScript(original.record, 300, ScriptsOwnSeed());
  EXPECT_EQ(replay.trace, original.trace);
}

// Plays like a person at the keyboard: keys reach the window as frames are shown.
TEST(Replay, KeysFromTheWindowAreRecordedWhereTheGameTookThem) {
  const std::string dir = TempDir("replay-window");
  Options options;
  options.headless = true;
  options.frames = 1000;
  options.seed = 5;
  options.record = dir + "/record.txt";
  options.trace = dir + "/trace.jsonl";
  const std::map<long, WindowEvent> keys{
      {150, {WindowEvent::Kind::KeyDown, 65}}, {160, {WindowEvent::Kind::KeyDown, 38}},
      {170, {WindowEvent::Kind::KeyDown, 38}}, {180, {WindowEvent::Kind::KeyDown, 39}},
      {200, {WindowEvent::Kind::KeyUp, 39}},   {210, {WindowEvent::Kind::KeyDown, 32}},
      {350, {WindowEvent::Kind::MouseDown}}};
  {  // one headless game at a time: the replay below makes its own
    HeadlessGame game;
    std::string error;
    auto setup = RunSetup::Prepare(options, error);
    ASSERT_TRUE(setup) << error;
    setup->Attach(CurrentPlatform());
    CurrentPlatform().frameShown.push_back([&](const FrameView&) {
      if (auto key = keys.find(PassesRun()); key != keys.end()) game.Video().Push(key->second);
    });
    EXPECT_EQ(game.Run(1000), 0);
    ASSERT_TRUE(setup->Finish(error)) << error;
  }

  // During the jump (171 on) the jump step is point 0, so a key that arrives
  // with the shown frame is taken at point 1, the end of RunFrame.
  const std::string record = ReadFile(options.record);
  EXPECT_EQ(record,
            "seed 5\n150.0 down 65\n160.0 down 38\n170.0 down 38\n180.1 down 39\n"
            "200.1 up 39\n210.1 down 32\n350.0 click\n");
  const ScriptedRun replay = RunScript(record, 1000, ScriptsOwnSeed());
  EXPECT_EQ(replay.status, 0);
  std::ifstream trace(options.trace);
  std::vector<std::string> lines;
  for (std::string line; std::getline(trace, line);) lines.push_back(line);
  EXPECT_EQ(lines.size(), 351u);
  EXPECT_EQ(replay.trace, lines);
  fs::remove_all(dir);
}

// Watching a kept game: the passes before it are run but not shown, and the
// sound moves on with them, so that the game plays from there as it did.
TEST(Replay, PassesRunFastBeforeTheWatchedGameAreNotShownAndKeepTheSoundInStep) {
  std::string script = kStartPlay;
  for (long pass = 160; pass < 600; pass += 20) script += std::to_string(pass) + " down 32\n";
  // The first explosion sounds from pass 322 for half a second: the watching
  // starts in the middle of it.
  constexpr long kFirstShown = 330;
  // Each pass's state, and whether the explosion still sounds; the frames shown.
  auto play = [&](bool fastForward) {
    std::pair<std::vector<std::string>, long> run;
    HeadlessGame game;
    FixClock(1);
    if (fastForward) FastForwardUntil(CurrentPlatform(), kFirstShown);
    ScriptInput input(std::get<Script>(ParseScript(script, "")).events);
    SetInputSource(&input);
    SetPassEndHook([&](long pass) {
      std::string line;
      AppendTraceLine(line, pass, Game, PassSound{SoundBuffer(1)->IsPlaying(), 0});
      run.first.push_back(line + (SoundBuffer(0)->IsPlaying() ? "explosion" : ""));
    });
    EXPECT_EQ(game.Run(600), 0);
    SetInputSource(nullptr);
    SetPassEndHook(nullptr);
    run.second = game.Video().Frames();
    return run;
  };
  const auto plain = play(false);
  const auto watched = play(true);
  ASSERT_TRUE(plain.first[kFirstShown].ends_with("explosion"));
  EXPECT_EQ(watched.first, plain.first);
  EXPECT_EQ(plain.second, 600);
  EXPECT_EQ(watched.second, 600 - kFirstShown);
}

}  // namespace

}  // namespace ridgeline
