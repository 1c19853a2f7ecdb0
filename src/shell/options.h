#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks of a run.
struct Options {
  bool headless = false;  // no window, no sound device, no pacing
  bool windowed = false;  // a window instead of full screen
  long frames = 0;        // end after this many passes (0: run until the player ends)
  bool help = false;
  bool version = false;
};

// Reads the command line. On a bad option, returns nothing and sets `error`
// to one line saying what is wrong.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string Usage();
