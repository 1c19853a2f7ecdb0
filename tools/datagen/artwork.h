// Every picture of the game, drawn once and then written out and reviewed.
#pragma once

#include "canvas.h"
#include "common/data_files.h"
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

// The picture that the game's bitmap file `file` holds: the background, or the
// sprite of the file's kind and frame.
const Canvas& PictureOf(const Artwork& art, const ridgeline::DataFile& file);

}  // namespace datagen
