#include "run/recorder.h"

#include <optional>
#include <string>

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

}  // namespace

Recorder::Recorder(InputSource& from, std::FILE* file, std::uint64_t seed)
    : from_(from), file_(file) {
  std::fprintf(file_, "seed %ju\n", static_cast<std::uintmax_t>(seed));
  // At once, like every line: a run killed before its first event keeps it.
  std::fflush(file_);
}

bool Recorder::Next(EventPoint at, WindowEvent& event) {
  if (!from_.Next(at, event)) return false;
  const auto kind = ScriptKind(event.kind);
  // A script has no way to close the window; the note tells where to stop a replay.
  const std::string line =
      kind ? ScriptLine(
                 ScriptEvent{at, *kind, *kind == ScriptEvent::Kind::Click ? 0 : event.keyCode})
           : "# the window was closed in pass " + std::to_string(at.pass) +
                 ": replay with --frames " + std::to_string(at.pass + 1);
  std::fprintf(file_, "%s\n", line.c_str());
  // Written at once: the event may end the program, and a recording matters
  // most when a run goes wrong.
  std::fflush(file_);
  return true;
}

}  // namespace ridgeline
