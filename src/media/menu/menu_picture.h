#pragma once

#include <SDL.h>

#include <string>

#include "media/menu/pause_menu.h"

namespace ridgeline {

// Draws a menu page over a 640 x 480 picture, in the game's font and in the
// colours of its hills: a board of earth framed in grass.
void DrawMenu(SDL_Surface& picture, const MenuView& view);

// Draws `picture`, the last one shown, dimmed onto `onto`: what a paused
// game or its menu lies over.
void DrawDimmed(SDL_Surface& picture, SDL_Surface& onto);

// Draws a short notice ("Sound off") at the foot of a 640 x 480 picture.
void DrawNotice(SDL_Surface& picture, const std::string& text);

}  // namespace ridgeline
