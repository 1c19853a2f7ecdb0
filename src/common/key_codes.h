#pragma once

namespace ridgeline {

// The virtual-key codes of the keys that the game acts on, and of Return,
// which the pads' Start button stands for.
constexpr int kKeyBackspace = 8;
constexpr int kKeyReturn = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;

}  // namespace ridgeline
