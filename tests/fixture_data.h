#pragma once

#include <string>

namespace ridgeline {

// Writes a small, fully known data directory (DIR/Data/...) for tests that
// need exact pixels and sounds: every sprite is a black canvas of its file's
// size with one coloured 10 x 10 block at its top-left corner (colour by kind
// and frame), the background a horizontal ramp, the explosion sound 0.5 s and
// the music 1 s of quiet tones. There is no MIDI file. Returns DIR.
std::string MakeFixtureData(const std::string& dir);

// A fresh directory under the system's temporary directory.
std::string TempDir(const std::string& name);

// The RGB565 pixel value of the block in the fixture's sprite (kind, frame).
unsigned FixtureSpriteColour(int kind, int frame);
// The RGB565 value of the fixture background's column x (the same in every row).
unsigned FixtureBackgroundColour(int x);

}  // namespace ridgeline
