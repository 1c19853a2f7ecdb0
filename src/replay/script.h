#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/event_point.h"

namespace ridgeline {

// An input script: the input of a run as text, one directive a line.
//   seed N              optional, once, before any event: fixes the clock
//   P down CODE         key CODE (0..65535) pressed at P
//   P up CODE           key CODE released at P
//   P click             a mouse button pressed at P
// P is `pass` or `pass.point` (point 0 when left out); events come in
// non-decreasing order of P. Blank lines and lines starting with # are ignored.

struct ScriptEvent {
  enum class Kind { KeyDown, KeyUp, Click };
  EventPoint at;
  Kind kind = Kind::KeyDown;
  int keyCode = 0;  // 0 for a click

  bool operator==(const ScriptEvent&) const = default;
};

struct Script {
  std::optional<std::uint64_t> seed;
  std::vector<ScriptEvent> events;

  bool operator==(const Script&) const = default;
};

// Why a script was refused, and where.
struct ScriptError {
  std::string file;
  std::int64_t line = 0;  // from 1
  std::string what;

  // "FILE:LINE: what", the one line shown to the user.
  std::string Text() const;
};

// Reads a script from its text; `fileName` only names it in an error.
std::variant<Script, ScriptError> ParseScript(std::string_view text, std::string_view fileName);

// `text` without the byte-order mark that some editors put first, as scripts
// and replays are read.
std::string_view WithoutByteOrderMark(std::string_view text);

// The line that ParseScript reads back as `event` ("12.1 down 32").
std::string ScriptLine(const ScriptEvent& event);

}  // namespace ridgeline
