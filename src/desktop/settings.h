#pragma once

#include <string>
#include <string_view>

#include "media/sdl/controls.h"

namespace ridgeline {

// What a player sets for the desktop around the game. None of it reaches the
// game: a pass runs the same in a window or full screen, loud or muted, and
// a key reaches it as the code of the action it is bound to.
struct Settings {
  bool fullScreen = true;  // desktop full screen, or a window
  int scale = 0;           // the window as a multiple of 640 x 480; 0: the largest that fits
  int volume = 100;        // 0 to 100, of the planned level
  bool muted = false;      // F9: silent, though the sounds go on playing unheard
  bool autopause = true;   // stop while the window is away (focus lost, minimised)
  Controls controls = DefaultControls();  // the keys and pad buttons of the actions
  // Where --submit sends a kept game, and the name it goes under; empty
  // until the player gives them, and never used unless the player asks.
  std::string board = {};
  std::string playerName = {};

  bool operator==(const Settings&) const = default;
};

// Settings read from text, with what could not be read.
struct ReadSettings {
  Settings settings;    // every setting read, defaults for the rest
  std::string problem;  // the first problem found, with how many followed; empty: none
};

// Reads the settings file's text: `name = value` lines, blank lines and `#`
// comments. A line that cannot be read, an unknown name or a missing setting
// is a problem, never a failure.
ReadSettings ParseSettings(std::string_view text);

// The text that ParseSettings reads back as `settings`, with a comment for each.
std::string FormatSettings(const Settings& settings);

}  // namespace ridgeline
