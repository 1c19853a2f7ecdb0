#include "run/run_setup.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <variant>

#include "game/random.h"
#include "media/platform.h"
#include "run/frame_dump.h"
#include "run/recorder.h"
#include "run/script.h"
#include "run/script_input.h"
#include "run/trace.h"
#include "shell/events.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

constexpr std::size_t kTraceBuffer = 1 << 20;

std::optional<std::string> ReadFile(const std::string& name, std::string& error) {
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> in(std::fopen(name.c_str(), "rb"),
                                                              std::fclose);
  std::string text;
  if (in) {
    char block[1 << 16];
    while (const std::size_t got = std::fread(block, 1, sizeof block, in.get())) {
      text.append(block, got);
    }
  }
  if (!in || std::ferror(in.get())) {
    error = name + ": cannot be read (" + std::strerror(errno) + ")";
    return std::nullopt;
  }
  return text;
}

}  // namespace

// The pieces that a run uses, made once the options are read.
struct RunSetup::Parts {
  std::unique_ptr<InputSource> input;
  std::unique_ptr<Recorder> recorder;
  std::unique_ptr<TraceWriter> trace;
  std::shared_ptr<FrameDumper> dumper;  // shared with the platform's hook
};

RunSetup::RunSetup() : parts_(std::make_unique<Parts>()) {}

RunSetup::~RunSetup() {
  Detach();
}

std::unique_ptr<RunSetup> RunSetup::Prepare(const Options& options, std::string& error) {
  std::unique_ptr<RunSetup> run(new RunSetup());
  Parts& parts = *run->parts_;
  Script script;
  if (!options.input.empty()) {
    const auto text = ReadFile(options.input, error);
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

  run->seed_ = options.seed ? options.seed : script.seed;
  if (!run->seed_ && !options.record.empty()) run->seed_ = std::random_device{}();

  auto open = [&](const std::string& name, File& file) {
    file.reset(std::fopen(name.c_str(), "wb"));
    if (!file) error = name + ": cannot be written (" + std::strerror(errno) + ")";
    return file != nullptr;
  };
  if (!options.trace.empty()) {
    if (!open(options.trace, run->trace_)) return nullptr;
    // Headless, passes come as fast as they can and the lines go out in large
    // blocks; in a window they come 60 a second, and each line goes out with
    // its pass, so that the file shows how far the run has got.
    if (options.headless) {
      std::setvbuf(run->trace_.get(), nullptr, _IOFBF, kTraceBuffer);
    } else {
      std::setvbuf(run->trace_.get(), nullptr, _IOLBF, 0);
    }
    run->traceName_ = options.trace;
    parts.trace = std::make_unique<TraceWriter>(run->trace_.get());
  }
  if (!options.record.empty()) {
    if (!open(options.record, run->record_)) return nullptr;
    run->recordName_ = options.record;
    parts.recorder = std::make_unique<Recorder>(*parts.input, run->record_.get(), *run->seed_);
  }
  if (!options.dumpFrames.empty()) {
    parts.dumper = std::make_shared<FrameDumper>(options.dumpFrames);
  }
  return run;
}

void RunSetup::Attach(Platform& platform) {
  if (seed_) FixClock(*seed_);
  ResetRandom();
  Parts& parts = *parts_;
  SetInputSource(parts.recorder ? parts.recorder.get() : parts.input.get());
  if (parts.trace) {
    SetPassEndHook([trace = parts.trace.get()](long pass) { trace->PassEnded(pass); });
  }
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
