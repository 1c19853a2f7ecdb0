#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ridgeline {

// The keys and pad buttons the player has chosen for the game's actions:
// for each, a list of up to kMostPerAction SDL key codes (the four keyboard
// lists) or SDL game-controller buttons (the two pad lists).
struct Controls {
  static constexpr std::size_t kMostPerAction = 2;
  enum List { Left, Right, Jump, Fire, PadJump, PadFire, kLists };
  static constexpr int kKeyLists = PadJump;

  static bool IsPadList(int list) { return list >= kKeyLists; }

  std::vector<int> lists[kLists];

  bool operator==(const Controls&) const = default;
};

// The arrows with Space, and the pad's A to jump and B or X to fire.
Controls DefaultControls();
// The same actions on the letters, for keyboards without handy arrows: A and
// D run, W jumps, J and K fire.
Controls LaptopKeys();

// The game's key code that `key` stands for: its action's code when it is
// bound, else its own code, except that a key whose own code is an action's
// and which is bound to none reaches the game as any other key would.
int GameKeyCode(const Controls& controls, int key);

// Whether `key` belongs to the desktop around the game (Escape, F9, F11, F12,
// Pause, Return for Alt+Enter, Alt) and so can never be bound.
bool IsPlatformKey(int key);

// A comma-separated list of SDL key names ("Space, J"), or of SDL pad button
// names ("b, x"); nothing when a name is unknown, a key is the desktop's,
// the list is empty or longer than kMostPerAction.
std::optional<std::vector<int>> ReadKeyNames(std::string_view text);
std::optional<std::vector<int>> ReadButtonNames(std::string_view text);
// The lists as the two above read them back.
std::string KeyNames(const std::vector<int>& keys);
std::string ButtonNames(const std::vector<int>& buttons);

// A key's or button's name as the menu shows it ("Space", "J", "A").
std::string KeyName(int key);
std::string ButtonName(int button);

}  // namespace ridgeline
