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
    using ridgeline::SpriteKind;
    switch (file.Kind()) {
      case SpriteKind::Player:
        return art.runner.at(file.frame);
      case SpriteKind::Enemy:
        return art.flyer.at(file.frame);
      case SpriteKind::Shot:
        return art.bolt;
      case SpriteKind::Explosion:
        return art.explosion.at(file.frame);
      case SpriteKind::SplashLogo:
        return art.logo;
      case SpriteKind::FloorTile:
        return art.tile;
      case SpriteKind::TitlePicture:
        return art.title;
    }
  }
  throw std::invalid_argument(std::string(file.path) + " is not a picture that the artwork has");
}

}  // namespace datagen
