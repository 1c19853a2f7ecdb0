// Every picture of the game, drawn once and then written out and reviewed.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "sprites.h"

namespace datagen {

struct Artwork {
  Canvas background;
  Animation runner;
  Animation flyer;
  Animation explosion;
  Canvas bolt;
  Canvas logo;
  Canvas tile;
  Canvas title;
};

Artwork DrawArtwork();

struct NamedPicture {
  std::string file_name;  // as the game loads it from Data/Bitmap
  const Canvas* picture;
};

// The bitmap files of the game, in the order the game loads them.
std::vector<NamedPicture> BitmapFiles(const Artwork& art);

}  // namespace datagen
