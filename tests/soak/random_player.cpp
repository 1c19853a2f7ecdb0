#include "random_player.h"

#include <array>

namespace ridgeline {

namespace {

// Run, jump and fire, and two keys that only start or restart a game.
constexpr std::array<int, 6> kKeys{37, 39, 38, 32, 65, 13};

}  // namespace

std::vector<WindowEvent> RandomPlayer::Next() {
  std::vector<WindowEvent> events;
  std::uniform_int_distribution<int> chance(0, 99);
  // About one pass in six changes a key; a held key repeats now and then, as
  // the platform's key repeat does.
  if (chance(random_) < 16) {
    const int key = kKeys[std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(random_)];
    const bool release = held_.erase(key) > 0;
    if (!release) held_.insert(key);
    events.push_back(
        WindowEvent{release ? WindowEvent::Kind::KeyUp : WindowEvent::Kind::KeyDown, key});
  }
  for (int key : held_) {
    if (chance(random_) < 3) events.push_back(WindowEvent{WindowEvent::Kind::KeyDown, key});
  }
  return events;
}

}  // namespace ridgeline
