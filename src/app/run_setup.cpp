#include "app/run_setup.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <variant>

#include "app/output_clash.h"
#include "common/app_path.h"
#include "game/random.h"
#include "media/platform/platform.h"
#include "replay/best_folder.h"
#include "replay/best_games.h"
#include "replay/frame_dump.h"
#include "replay/output_files.h"
#include "replay/recorder.h"
#include "replay/replay_run.h"
#include "replay/script.h"
#include "replay/script_file.h"
#include "replay/script_input.h"
#include "replay/trace.h"
#include "shell/events.h"
#include "shell/frame_loop.h"
#include "shell/input.h"

namespace ridgeline {

namespace {

constexpr std::size_t kTraceBuffer = 1 << 20;

// Whether the script surely ends the game by itself.
bool ScriptEndsTheGame(const Script& script) {
  return std::any_of(script.events.begin(), script.events.end(),
                     [](const ScriptEvent& event) { return EndsTheGame(ToWindowEvent(event)); });
}

}  // namespace

// The pieces that a run uses, made once the options are read.
struct RunSetup::Parts {
  std::unique_ptr<InputSource> input;
  std::unique_ptr<OutputFile> traceFile;
  std::unique_ptr<OutputFile> recordFile;
  std::vector<std::unique_ptr<OutputFile>> dumpFiles;
  std::unique_ptr<Recorder> recorder;
  std::unique_ptr<TraceWriter> trace;
  std::shared_ptr<FrameDumper> dumper;  // shared with the platform's hook
  std::unique_ptr<BestGames> best;      // play at the window: the best games kept
  std::unique_ptr<ReplayRun> replay;    // --verify, --watch: instead of all the rest
  InputSource* taken = nullptr;         // the source the game takes its events from
};

RunSetup::RunSetup() : parts_(std::make_unique<Parts>()) {}

RunSetup::~RunSetup() {
  Detach();
}

std::unique_ptr<RunSetup> RunSetup::Prepare(const Options& options, std::string& error) {
  std::unique_ptr<RunSetup> run(new RunSetup());
  Parts& parts = *run->parts_;
  if (!options.verify.empty() || !options.watch.empty()) {
    parts.replay = ReplayRun::Prepare(options.watch.empty() ? options.verify : options.watch,
                                      !options.watch.empty(), error);
    return parts.replay ? std::move(run) : nullptr;
  }
  Script script;
  if (!options.input.empty()) {
    const auto text = ReadScriptFile(options.input, error);
    if (!text) return nullptr;
    auto parsed = ParseScript(*text, options.input);
    if (const auto* refusal = std::get_if<ScriptError>(&parsed)) {
      error = refusal->Text();
      return nullptr;
    }
    script = std::move(std::get<Script>(parsed));
  }
  // Headless, nobody is there to end the game: it would run for ever.
  if (options.headless && options.frames == 0 && !ScriptEndsTheGame(script)) {
    error = "--headless needs --frames N unless the input ends the game (a click or Escape)";
    return nullptr;
  }
  if (!options.input.empty()) {
    parts.input = std::make_unique<ScriptInput>(std::move(script.events));
  } else {
    parts.input = std::make_unique<WindowInput>();
  }

  // Games played at the window may be kept, so their clock is fixed too.
  const bool playedAtWindow = options.input.empty() && !options.headless;
  run->seed_ = options.seed ? options.seed : script.seed;
  if (!run->seed_ && (!options.record.empty() || playedAtWindow)) {
    run->seed_ = std::random_device{}();
  }
  if (playedAtWindow)
    parts.best = std::make_unique<BestGames>(*parts.input, *run->seed_, BestFolder());
  parts.taken = parts.best ? &parts.best->Input() : parts.input.get();

  if (auto clash = OutputClash(options, AppPath() + "/Data")) {
    error = std::move(*clash);
    return nullptr;
  }
  auto create = [&](const std::string& name, std::unique_ptr<OutputFile>& file) {
    file = OutputFile::Create(name, error);
    return file != nullptr;
  };
  if (!options.trace.empty()) {
    if (!create(options.trace, parts.traceFile)) return nullptr;
    // Headless, passes come as fast as they can and the lines go out in large
    // blocks; in a window they come 60 a second, and each line goes out with
    // its pass, so that the file shows how far the run has got.
    if (options.headless) {
      std::setvbuf(parts.traceFile->Stream(), nullptr, _IOFBF, kTraceBuffer);
    } else {
      std::setvbuf(parts.traceFile->Stream(), nullptr, _IOLBF, 0);
    }
    parts.trace = std::make_unique<TraceWriter>(parts.traceFile->Stream());
  }
  if (!options.record.empty()) {
    if (!create(options.record, parts.recordFile)) return nullptr;
    parts.recorder =
        std::make_unique<Recorder>(*parts.taken, parts.recordFile->Stream(), *run->seed_);
    parts.taken = parts.recorder.get();
  }
  if (!options.dumpFrames.empty()) {
    std::vector<FrameDumper::Dump> dumps;
    for (const auto& [pass, name] : options.dumpFrames) {
      if (!create(name, parts.dumpFiles.emplace_back())) return nullptr;
      dumps.push_back({pass, parts.dumpFiles.back().get()});
    }
    parts.dumper = std::make_shared<FrameDumper>(std::move(dumps));
  }
  return run;
}

void RunSetup::Attach(Platform& platform) {
  Parts& parts = *parts_;
  if (parts.replay) {
    parts.replay->Attach(platform);
    return;
  }
  if (seed_) FixClock(*seed_);
  ResetRandom();
  SetInputSource(parts.taken);
  SetPassEndHook([this, trace = parts.trace.get(), best = parts.best.get()](long pass) {
    passEnded_ = true;
    if (trace) trace->PassEnded(pass);
    if (best) best->PassEnded(pass);
  });
  if (parts.best) platform.video->SetTitle(parts.best->Title());
  if (parts.dumper) {
    platform.frameShown.push_back([dumper = parts.dumper](const FrameView& frame) {
      dumper->FrameShown(frame, PassesRun());
    });
  }
}

long RunSetup::FirstShownPass() const {
  return parts_->replay ? parts_->replay->FirstShownPass() : 0;
}

void RunSetup::Detach() {
  SetInputSource(nullptr);
  SetPassEndHook(nullptr);
}

bool RunSetup::Finish(std::string& error) {
  Detach();
  if (parts_->replay) return parts_->replay->Finish(error);
  Parts& parts = *parts_;
  std::vector<OutputFile*> files;
  for (auto* file : {parts.traceFile.get(), parts.recordFile.get()}) {
    if (file) files.push_back(file);
  }
  for (const auto& file : parts.dumpFiles) {
    if (parts.dumper->Reached(*file)) {
      files.push_back(file.get());
    } else {
      file->Discard();
    }
  }
  if (!passEnded_) {
    for (OutputFile* file : files) file->Discard();
    return true;
  }
  bool written = true;
  for (OutputFile* file : files) written = file->Keep(error) && written;
  const std::string missingFrame = parts.dumper ? parts.dumper->Missing() : "";
  if (!missingFrame.empty() && error.empty()) {
    error = missingFrame + ": not written, no frame was shown in its pass";
  }
  return written && missingFrame.empty();
}

}  // namespace ridgeline
