#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ridgeline {

// What the command line asks of a run.
struct Options {
  bool headless = false;  // no window, no sound device, no pacing
  // Play at a desktop: each changes the player's settings for this run only.
  std::optional<bool> fullScreen;     // --fullscreen, --windowed
  std::optional<int> scale;           // the window's size as a multiple of 640 x 480
  std::optional<int> volume;          // 0 to 100
  bool noAutopause = false;           // play on while the window is away
  bool mute = false;                  // open no sound device at all
  bool stats = false;                 // print frame timing, CPU time and memory on exit
  long frames = 0;                    // end after this many passes (0: run until the player ends)
  std::optional<std::uint64_t> seed;  // fixes the clock that enemy placement reads
  std::string input;                  // take input from this script
  std::string record;                 // write this run's input as a script
  std::string trace;                  // write the game state after every pass
  std::vector<std::pair<long, std::string>> dumpFrames;  // (pass, file): save that pass's frame
  bool scores = false;                                   // print the table of the best games kept
  // A kept game's replay to check headless (verify) or to show in a window
  // (watch): a file, or a rank in the table of the best.
  std::string verify;
  std::string watch;
  // A kept game to send to a score board (a file, or a rank), with the
  // board's address and the player's name when they differ from the ones
  // kept in the settings (and then kept there).
  std::string submit;
  std::optional<std::string> board;
  std::optional<std::string> name;
  bool help = false;
  bool version = false;

  bool operator==(const Options&) const = default;
};

// Reads the command line. On a bad option, returns nothing and sets `error`
// to one line saying what is wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string Usage();

}  // namespace ridgeline
