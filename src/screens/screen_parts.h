#pragma once

#include <string>

namespace ridgeline {

// Pieces that more than one screen uses.

// Text colours as the display takes them: red + 256 x green + 65536 x blue.
constexpr long kGreen = 0 + 256 * 255 + 65536 * 0;
constexpr long kBlack = 0;

// The title screen's one-line maker's notice.
constexpr const char* kMakersNotice = "(C) 2026 Cairnworks Games";

// Fills the whole back buffer with black.
void ClearBackBuffer();
// "SCORE " followed by the score's decimal digits.
std::string ScoreText();
// Shows the back buffer, waiting until the display has taken it.
void FlipWithWait();

}  // namespace ridgeline
