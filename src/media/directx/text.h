#pragma once

#include <SDL.h>

#include <string>

namespace ridgeline {

// Draws a line of text in the game's embedded font onto a surface at (x, y),
// in `colour`, with nothing drawn behind the letters.
void DrawTextLine(SDL_Surface& target, int x, int y, const std::string& text, SDL_Color colour);

// The width in pixels of a line of text as DrawTextLine draws it.
int TextWidth(const std::string& text);

// Frees the rendered lines and closes the font, before SDL itself stops.
void ReleaseText();

}  // namespace ridgeline
