// The one list of the game's data files: the 22 files the game loads and the
// MIDI file whose path it holds, each with where it lies under the data
// directory and what the game does with it. The game loads its files through
// this list, the generator writes exactly these files, and the tests read them
// through it. CMake reads the paths from this file too (ridgeline_data_files
// in cmake/data_files.cmake), so each entry keeps to one line and starts with
// its quoted path.
#pragma once

#include <stdexcept>
#include <string_view>

#include "common/sprite_kind.h"

namespace ridgeline {

// What the game does with a data file.
enum class DataRole {
  Background,  // the scrolling background picture
  Sprite,      // a picture of the sprite store, at (kind, frame)
  Sound,       // a wave in a sound buffer slot
  Midi,        // the MIDI file, whose path the game holds but which it never opens
};

struct DataFile {
  std::string_view path;  // under the data directory, folders separated by '/'
  DataRole role;
  int slot;   // a sprite's kind, or a sound's buffer slot
  int frame;  // a sprite's frame
  int width;  // a picture's size in pixels
  int height;

  constexpr SpriteKind Kind() const { return SpriteKind{slot}; }
};

// Pictures first, in the order the game loads them, then the sounds by slot.
// clang-format off
inline constexpr DataFile kDataFiles[] = {
    // path                  role                  slot frame width height
    {"Bitmap/yama.bmp",      DataRole::Background, 0,   0,    640,  480},
    {"Bitmap/kelvane10.bmp", DataRole::Sprite,     0,   0,    80,   80},   // player
    {"Bitmap/tekiss0.bmp",   DataRole::Sprite,     1,   0,    80,   80},   // enemy
    {"Bitmap/exp0.bmp",      DataRole::Sprite,     3,   0,    80,   80},   // explosion
    {"Bitmap/kelvane11.bmp", DataRole::Sprite,     0,   1,    80,   80},
    {"Bitmap/tekiss1.bmp",   DataRole::Sprite,     1,   1,    80,   80},
    {"Bitmap/exp1.bmp",      DataRole::Sprite,     3,   1,    80,   80},
    {"Bitmap/kelvane12.bmp", DataRole::Sprite,     0,   2,    80,   80},
    {"Bitmap/tekiss2.bmp",   DataRole::Sprite,     1,   2,    80,   80},
    {"Bitmap/exp2.bmp",      DataRole::Sprite,     3,   2,    80,   80},
    {"Bitmap/kelvane13.bmp", DataRole::Sprite,     0,   3,    80,   80},
    {"Bitmap/tekiss3.bmp",   DataRole::Sprite,     1,   3,    80,   80},
    {"Bitmap/exp3.bmp",      DataRole::Sprite,     3,   3,    80,   80},
    {"Bitmap/kelvane14.bmp", DataRole::Sprite,     0,   4,    80,   80},
    {"Bitmap/tekiss4.bmp",   DataRole::Sprite,     1,   4,    80,   80},
    {"Bitmap/exp4.bmp",      DataRole::Sprite,     3,   4,    80,   80},
    {"Bitmap/vorp.bmp",      DataRole::Sprite,     4,   0,    400,  300},  // splash logo
    {"Bitmap/fire.bmp",      DataRole::Sprite,     2,   0,    80,   80},   // shot
    {"Bitmap/tile.bmp",      DataRole::Sprite,     5,   0,    80,   80},   // floor tile
    {"Bitmap/title.bmp",     DataRole::Sprite,     6,   0,    572,  158},  // title picture
    {"Wave/bakuon.wav",      DataRole::Sound,      0,   0,    0,    0},    // explosion
    {"Wave/music.wav",       DataRole::Sound,      1,   0,    0,    0},    // music
    {"Midi/music.mid",       DataRole::Midi,       0,   0,    0,    0},
};
// clang-format on

// No two entries name the same file or the same place in the game.
consteval bool EntriesAreDistinct() {
  for (const DataFile& a : kDataFiles) {
    for (const DataFile& b : kDataFiles) {
      if (&a == &b) continue;
      if (a.path == b.path) return false;
      if (a.role == b.role && a.slot == b.slot && a.frame == b.frame) return false;
    }
  }
  return true;
}
static_assert(EntriesAreDistinct());

// The entry with that role, slot and frame.
constexpr const DataFile& FindDataFile(DataRole role, int slot, int frame) {
  for (const DataFile& file : kDataFiles) {
    if (file.role == role && file.slot == slot && file.frame == frame) return file;
  }
  throw std::out_of_range("no data file is listed for that role, slot and frame");
}

constexpr const DataFile& BackgroundFile() {
  return FindDataFile(DataRole::Background, 0, 0);
}
constexpr const DataFile& SpriteFile(SpriteKind kind, int frame) {
  return FindDataFile(DataRole::Sprite, static_cast<int>(kind), frame);
}
constexpr const DataFile& SoundFile(int slot) {
  return FindDataFile(DataRole::Sound, slot, 0);
}
constexpr const DataFile& MidiFile() {
  return FindDataFile(DataRole::Midi, 0, 0);
}

}  // namespace ridgeline
