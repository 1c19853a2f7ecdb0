#include "artwork.h"

#include <stdexcept>
#include <string>

#include "background.h"
#include "lettering.h"

namespace datagen {

Artwork DrawArtwork() {
  return {DrawBackground(), DrawRunner(),     DrawFlyer(),     DrawExplosion(),
          DrawBolt(),       DrawStudioLogo(), DrawFloorTile(), DrawTitle()};
}

const Canvas& PictureOf(const Artwork& art, const ridgeline::DataFile& file) {
  if (file.role == ridgeline::DataRole::Background) return art.background;
  if (file.role == ridgeline::DataRole::Sprite) {
    switch (file.slot) {  // the sprite kind
      case 0:
        return art.runner.at(file.frame);
      case 1:
        return art.flyer.at(file.frame);
      case 2:
        return art.bolt;
      case 3:
        return art.explosion.at(file.frame);
      case 4:
        return art.logo;
      case 5:
        return art.tile;
      case 6:
        return art.title;
    }
  }
  throw std::invalid_argument(std::string(file.path) + " is not a picture that the artwork has");
}

}  // namespace datagen
