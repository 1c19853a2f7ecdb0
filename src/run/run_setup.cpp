#include "run/run_setup.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <variant>

#include "game/random.h"
#include "media/platform.h"
#include "run/best_folder.h"
#include "run/best_games.h"
#include "run/frame_dump.h"
#include "run/recorder.h"
#include "run/replay_run.h"
#include "run/script.h"
#include "run/script_file.h"
#include "run/script_input.h"
#include "run/trace.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

constexpr std::size_t kTraceBuffer = 1 << 20;

}  // namespace

// The pieces that a run uses, made once the options are read.
struct RunSetup::Parts {
  std::unique_ptr<InputSource> input;
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
    parts.replay = ReplayRun::Prepare(options, error);
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

  auto open = [&](const std::string& name, File& file) {
    file.reset(std::fopen(name.c_str(), "wb"));
    if (!file) error = name + ": cannot be written (" + std::strerror(errno) + ")";
    return file != nullptr;
  };
  if (!options.trace.empty()) {
    if (!open(options.trace, run->trace_)) return nullptr;
    std::setvbuf(run->trace_.get(), nullptr, _IOFBF, kTraceBuffer);
    run->traceName_ = options.trace;
    parts.trace = std::make_unique<TraceWriter>(run->trace_.get());
  }
  if (!options.record.empty()) {
    if (!open(options.record, run->record_)) return nullptr;
    run->recordName_ = options.record;
    parts.recorder = std::make_unique<Recorder>(*parts.taken, run->record_.get(), *run->seed_);
    parts.taken = parts.recorder.get();
  }
  if (!options.dumpFrames.empty()) {
    parts.dumper = std::make_shared<FrameDumper>(options.dumpFrames);
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
  if (parts.trace || parts.best) {
    SetPassEndHook([trace = parts.trace.get(), best = parts.best.get()](long pass) {
      if (trace) trace->PassEnded(pass);
      if (best) best->PassEnded(pass);
    });
  }
  if (parts.best) platform.video->SetTitle(parts.best->Title());
  if (parts.dumper) {
    platform.frameShown.push_back([dumper = parts.dumper](const FrameView& frame) {
      dumper->FrameShown(frame, PassesRun());
    });
  }
}

void RunSetup::Detach() {
  SetInputSource(nullptr);
  SetPassEndHook(nullptr);
}

bool RunSetup::Finish(std::string& error) {
  Detach();
  if (parts_->replay) return parts_->replay->Finish(error);
  auto close = [&](File& file, const std::string& name) {
    if (!file) return true;
    const bool written = !std::ferror(file.get()) && std::fclose(file.release()) == 0;
    if (!written && error.empty()) error = name + ": could not be written in full";
    return written;
  };
  const bool traceWritten = close(trace_, traceName_);
  const bool recordWritten = close(record_, recordName_);
  const std::string missingFrame = parts_->dumper ? parts_->dumper->Missing() : "";
  if (!missingFrame.empty() && error.empty()) {
    error = missingFrame + ": not written, no frame was shown in its pass";
  }
  return traceWritten && recordWritten && missingFrame.empty();
}

}  // namespace ridgeline
