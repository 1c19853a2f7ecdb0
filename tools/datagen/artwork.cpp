#include "artwork.h"

#include "background.h"
#include "lettering.h"

namespace datagen {

Artwork DrawArtwork() {
  return {DrawBackground(), DrawRunner(),     DrawFlyer(),     DrawExplosion(),
          DrawBolt(),       DrawStudioLogo(), DrawFloorTile(), DrawTitle()};
}

std::vector<NamedPicture> BitmapFiles(const Artwork& art) {
  std::vector<NamedPicture> files{{"yama.bmp", &art.background}};
  for (int frame = 0; frame < kFrames; ++frame) {
    const std::string digit = std::to_string(frame);
    files.push_back({"kelvane1" + digit + ".bmp", &art.runner[frame]});
    files.push_back({"tekiss" + digit + ".bmp", &art.flyer[frame]});
    files.push_back({"exp" + digit + ".bmp", &art.explosion[frame]});
  }
  files.push_back({"vorp.bmp", &art.logo});
  files.push_back({"fire.bmp", &art.bolt});
  files.push_back({"tile.bmp", &art.tile});
  files.push_back({"title.bmp", &art.title});
  return files;
}

}  // namespace datagen
