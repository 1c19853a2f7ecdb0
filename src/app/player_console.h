#pragma once

#include <string>

namespace ridgeline {

// Makes standard output and standard error reach the console the game was
// started from, when it has none of its own: a Windows game is a windowed
// program, which gets no console. Streams that the starting program
// redirected (to a pipe, to a file) are kept as they are. Call it first.
void ReachParentConsole();

// Shows the player the line that a failure printed on standard error where
// they may not see that: on Windows, in a message box, unless the error
// stream was redirected for a program to read. Does nothing elsewhere.
void ShowFailure(const std::string& line);

}  // namespace ridgeline
