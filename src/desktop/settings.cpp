#include "desktop/settings.h"

#include <array>
#include <optional>

#include "common/whole_number.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<bool> ReadFlag(std::string_view value) {
  if (value == "yes" || value == "true" || value == "on") return true;
  if (value == "no" || value == "false" || value == "off") return false;
  return std::nullopt;
}

std::optional<int> ReadNumber(std::string_view value, int lowest, int highest) {
  const auto number = WholeNumber<int>(value);
  if (!number || *number < lowest || *number > highest) return {};
  return number;
}

// One setting as the file names and explains it, and how its value is read
// and written.
struct Entry {
  std::string_view name;
  std::string_view comment;
  bool Settings::*flag = nullptr;
  int Settings::*number = nullptr;
  int lowest = 0;
  int highest = 0;
  int controls = -1;  // a list of Controls, read from names
  std::string Settings::*text = nullptr;
};

// The controls came later than the rest: a file without them is no problem.
constexpr std::size_t kAlwaysWritten = 5;

constexpr std::array<Entry, 13> kEntries{{
    {"fullscreen", "yes: desktop full screen; no: a window (Alt+Enter or F11 switches)",
     &Settings::fullScreen},
    {"scale", "the window as a multiple of 640 x 480; 0: the largest that fits", nullptr,
     &Settings::scale, 0, kLargestScale},
    {"volume", "0 to 100", nullptr, &Settings::volume, 0, 100},
    {"mute", "yes: silent (F9 switches)", &Settings::muted},
    {"autopause", "yes: the game pauses while its window is away", &Settings::autopause},
    {"key.left", "up to two SDL key names each, such as Left, A, Space or J", nullptr, nullptr, 0,
     0, Controls::Left},
    {"key.right", "", nullptr, nullptr, 0, 0, Controls::Right},
    {"key.jump", "", nullptr, nullptr, 0, 0, Controls::Jump},
    {"key.fire", "", nullptr, nullptr, 0, 0, Controls::Fire},
    {"pad.jump", "up to two pad buttons each: a, b, x, y, leftshoulder, rightshoulder", nullptr,
     nullptr, 0, 0, Controls::PadJump},
    {"pad.fire", "", nullptr, nullptr, 0, 0, Controls::PadFire},
    {"board", "the score board that --submit sends kept games to (http://host:port)", nullptr,
     nullptr, 0, 0, -1, &Settings::board},
    {"name", "the name that --submit gives the board", nullptr, nullptr, 0, 0, -1,
     &Settings::playerName},
}};

std::optional<std::vector<int>> ReadControls(const Entry& entry, std::string_view value) {
  return Controls::IsPadList(entry.controls) ? ReadButtonNames(value) : ReadKeyNames(value);
}

std::string ControlsText(const Entry& entry, const Settings& settings) {
  const std::vector<int>& list = settings.controls.lists[entry.controls];
  return Controls::IsPadList(entry.controls) ? ButtonNames(list) : KeyNames(list);
}

std::string Expected(const Entry& entry) {
  if (entry.flag) return "yes or no";
  if (entry.controls >= 0) {
    return Controls::IsPadList(entry.controls)
               ? "one or two pad buttons (a, b, x, y, ...)"
               : "one or two key names (Escape, Return, Pause, F9, F11 and F12 are taken)";
  }
  return "a whole number from " + std::to_string(entry.lowest) + " to " +
         std::to_string(entry.highest);
}

// Notes the first problem and counts the others.
class Problems {
 public:
  void Add(std::string text) {
    if (count_++ == 0) first_ = std::move(text);
  }
  std::string Text() const {
    if (count_ <= 1) return first_;
    return first_ + " (and " + std::to_string(count_ - 1) + " more)";
  }

 private:
  std::string first_;
  int count_ = 0;
};

}  // namespace

ReadSettings ParseSettings(std::string_view text) {
  ReadSettings read;
  Problems problems;
  std::array<bool, kEntries.size()> seen{};
  int lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      problems.Add(where + "not a setting (name = value)");
      continue;
    }
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    std::size_t i = 0;
    while (i < kEntries.size() && kEntries[i].name != name) ++i;
    if (i == kEntries.size()) {
      problems.Add(where + "no such setting");
      continue;
    }
    const Entry& entry = kEntries[i];
    seen[i] = true;
    if (entry.text) {
      read.settings.*entry.text = std::string(value);
      continue;
    }
    if (entry.controls >= 0) {
      if (const auto list = ReadControls(entry, value)) {
        read.settings.controls.lists[entry.controls] = *list;
        continue;
      }
    } else if (entry.flag) {
      if (const auto flag = ReadFlag(value)) {
        read.settings.*entry.flag = *flag;
        continue;
      }
    } else if (const auto number = ReadNumber(value, entry.lowest, entry.highest)) {
      read.settings.*entry.number = *number;
      continue;
    }
    problems.Add(where + std::string(entry.name) + " needs " + Expected(entry));
  }
  for (std::size_t i = 0; i < kAlwaysWritten; ++i) {
    if (!seen[i]) problems.Add(std::string(kEntries[i].name) + " is missing");
  }
  read.problem = problems.Text();
  return read;
}

std::string FormatSettings(const Settings& settings) {
  std::string text =
      "# Ridgeline's settings, written by the game when a key changes one.\n"
      "# Edit them while the game is not running; options on the command line\n"
      "# (see ridgeline --help) change them for one run only.\n";
  for (const Entry& entry : kEntries) {
    if (!entry.comment.empty()) {
      text += "\n# ";
      text += entry.comment;
      text += '\n';
    }
    text += entry.name;
    text += " = ";
    text += entry.text            ? settings.*entry.text
            : entry.controls >= 0 ? ControlsText(entry, settings)
            : entry.flag          ? (settings.*entry.flag ? "yes" : "no")
                                  : std::to_string(settings.*entry.number);
    text += '\n';
  }
  return text;
}

}  // namespace ridgeline
