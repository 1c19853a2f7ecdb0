#include "replay/recorder.h"

#include <optional>

namespace ridgeline {

namespace {

std::optional<ScriptEvent::Kind> ScriptKind(WindowEvent::Kind kind) {
  switch (kind) {
    case WindowEvent::Kind::KeyDown:
      return ScriptEvent::Kind::KeyDown;
    case WindowEvent::Kind::KeyUp:
      return ScriptEvent::Kind::KeyUp;
    case WindowEvent::Kind::MouseDown:
      return ScriptEvent::Kind::Click;
    case WindowEvent::Kind::Close:
      break;
  }
  return std::nullopt;
}

std::string SeedLine(std::uint64_t seed) {
  return "seed " + std::to_string(seed) + "\n";
}

// The script line of `event`, taken at `at`, with its newline.
std::string RecordedLine(EventPoint at, const WindowEvent& event) {
  const auto kind = ScriptKind(event.kind);
  // A script has no way to close the window; the note tells where to stop a replay.
  return (kind ? ScriptLine(
                     ScriptEvent{at, *kind, *kind == ScriptEvent::Kind::Click ? 0 : event.keyCode})
               : "# the window was closed in pass " + std::to_string(at.pass) +
                     ": replay with --frames " + std::to_string(at.pass + 1)) +
         "\n";
}

}  // namespace

Recorder::Recorder(InputSource& from, std::FILE* file, std::uint64_t seed)
    : from_(from), file_(file) {
  std::fputs(SeedLine(seed).c_str(), file_);
  // At once, like every line: a run killed before its first event keeps it.
  std::fflush(file_);
}

bool Recorder::Next(EventPoint at, WindowEvent& event) {
  if (!from_.Next(at, event)) return false;
  std::fputs(RecordedLine(at, event).c_str(), file_);
  // Written at once: the event may end the program, and a recording matters
  // most when a run goes wrong.
  std::fflush(file_);
  return true;
}

MemoryRecorder::MemoryRecorder(InputSource& from, std::uint64_t seed)
    : from_(from), script_(SeedLine(seed)) {}

bool MemoryRecorder::Next(EventPoint at, WindowEvent& event) {
  if (!from_.Next(at, event)) return false;
  script_ += RecordedLine(at, event);
  return true;
}

}  // namespace ridgeline
