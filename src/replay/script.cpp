#include "replay/script.h"

#include <algorithm>
#include <limits>

#include "common/whole_number.h"

namespace ridgeline {

namespace {

constexpr std::string_view kSpaces = " \t\r";
constexpr long long kLastKeyCode = 65535;

// The whitespace-separated words of one line.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) {}

  // The next word, or an empty view at the end of the line.
  std::string_view Next() {
    const auto start = rest_.find_first_not_of(kSpaces);
    if (start == std::string_view::npos) {
      rest_ = {};
      return {};
    }
    rest_.remove_prefix(start);
    const auto end = std::min(rest_.find_first_of(kSpaces), rest_.size());
    const std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return word;
  }

 private:
  std::string_view rest_;
};

std::optional<EventPoint> ParsePoint(std::string_view text) {
  const auto dot = text.find('.');
  const auto pass = WholeNumber<long>(text.substr(0, dot));
  if (!pass) return std::nullopt;
  if (dot == std::string_view::npos) return EventPoint{*pass, 0};
  const auto point = WholeNumber<int>(text.substr(dot + 1));
  if (!point) return std::nullopt;
  return EventPoint{*pass, *point};
}

std::string PointText(EventPoint at) {
  return std::to_string(at.pass) + "." + std::to_string(at.point);
}

// A word of the script as an error message shows it: bytes that are not
// printable ASCII are written as \xNN, so that a script cannot send control
// sequences to the terminal through its error message, and at most 80
// characters of it, so that a file of one endless word still gets a short
// message.
std::string Shown(std::string_view word) {
  constexpr std::size_t kLongest = 80;
  std::string shown;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    constexpr char kHex[] = "0123456789abcdef";
    const std::string piece = byte >= 0x20 && byte < 0x7F
                                  ? std::string(1, c)
                                  : std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    if (shown.size() + piece.size() > kLongest) return shown + "...";
    shown += piece;
  }
  return shown;
}

std::string Quoted(std::string_view word) {
  std::string quoted(1, '\'');
  quoted += Shown(word);
  quoted += '\'';
  return quoted;
}

// Reads one script line by line, keeping what the later lines are checked against.
class Parser {
 public:
  // Takes one line; returns the reason when it is refused.
  std::optional<std::string> Line(std::string_view line, std::int64_t number) {
    Words words(line);
    const std::string_view first = words.Next();
    if (first.empty() || first.front() == '#') return std::nullopt;
    auto refusal = first == "seed" ? Seed(words, number) : Event(first, words);
    if (refusal) return refusal;
    if (const std::string_view extra = words.Next(); !extra.empty()) {
      return "unexpected " + Quoted(extra) + " at the end of the line";
    }
    return std::nullopt;
  }

  Script Result() { return std::move(script_); }

 private:
  std::optional<std::string> Seed(Words& words, std::int64_t number) {
    if (seedLine_) return "a second seed (the first is on line " + std::to_string(seedLine_) + ")";
    if (!script_.events.empty()) return "the seed must come before every event";
    const std::string_view text = words.Next();
    const auto seed = WholeNumber<std::uint64_t>(text);
    if (!seed) {
      return "bad seed " + Quoted(text) + " (a whole number 0.." +
             std::to_string(std::numeric_limits<std::uint64_t>::max()) + ")";
    }
    script_.seed = *seed;
    seedLine_ = number;
    return std::nullopt;
  }

  std::optional<std::string> Event(std::string_view first, Words& words) {
    if (first.front() < '0' || first.front() > '9') return "unknown directive " + Quoted(first);
    const auto at = ParsePoint(first);
    if (!at) return "bad event point " + Quoted(first) + " (PASS or PASS.POINT, whole numbers)";
    if (!script_.events.empty() && *at < script_.events.back().at) {
      return "event at " + PointText(*at) + " comes before the previous one at " +
             PointText(script_.events.back().at);
    }
    ScriptEvent event{*at};
    const std::string_view kind = words.Next();
    if (kind == "click") {
      event.kind = ScriptEvent::Kind::Click;
    } else if (kind == "down" || kind == "up") {
      event.kind = kind == "down" ? ScriptEvent::Kind::KeyDown : ScriptEvent::Kind::KeyUp;
      auto refusal = KeyCode(words.Next(), event.keyCode);
      if (refusal) return refusal;
    } else {
      return "expected down, up or click after " + Quoted(first) + ", found " +
             (kind.empty() ? std::string("nothing") : Quoted(kind));
    }
    script_.events.push_back(event);
    return std::nullopt;
  }

  // Digits only, like every number of a script: no sign, so that "-0" and
  // "+13" are refused alike.
  static std::optional<std::string> KeyCode(std::string_view text, int& code) {
    if (text.empty()) return "a key code is missing";
    if (text.find_first_not_of("0123456789") != std::string_view::npos) {
      return "bad key code " + Quoted(text) + " (digits only)";
    }
    const auto value = WholeNumber<long long>(text);
    if (!value || *value > kLastKeyCode) {
      return "key code " + Shown(text) + " is outside 0.." + std::to_string(kLastKeyCode);
    }
    code = static_cast<int>(*value);
    return std::nullopt;
  }

  Script script_;
  std::int64_t seedLine_ = 0;
};

}  // namespace

std::string ScriptError::Text() const {
  return file + ":" + std::to_string(line) + ": " + what;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  return text;
}

std::variant<Script, ScriptError> ParseScript(std::string_view text, std::string_view fileName) {
  text = WithoutByteOrderMark(text);
  Parser parser;
  std::int64_t number = 0;
  while (!text.empty()) {
    ++number;
    const auto end = std::min(text.find('\n'), text.size());
    if (auto refusal = parser.Line(text.substr(0, end), number)) {
      return ScriptError{std::string(fileName), number, std::move(*refusal)};
    }
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return parser.Result();
}

std::string ScriptLine(const ScriptEvent& event) {
  const std::string at = PointText(event.at);
  switch (event.kind) {
    case ScriptEvent::Kind::KeyDown:
      return at + " down " + std::to_string(event.keyCode);
    case ScriptEvent::Kind::KeyUp:
      return at + " up " + std::to_string(event.keyCode);
    case ScriptEvent::Kind::Click:
      break;
  }
  return at + " click";
}

}  // namespace ridgeline
