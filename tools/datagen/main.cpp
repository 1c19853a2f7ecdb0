// ridgeline-datagen: draws and synthesizes the game's pictures, sounds and
// music and writes them as the files the game loads.
//
//   ridgeline-datagen DATA_DIR CONTACT_SHEET
//
// writes every file of the game's list of data files under DATA_DIR
// (Bitmap/*.bmp, Wave/*.wav, Midi/music.mid) and a review picture of all the
// artwork to CONTACT_SHEET (a .bmp).
//
//   ridgeline-datagen --icon SIZE FILE
//
// writes the desktop icon, SIZE x SIZE pixels, to FILE (a .png).
//
//   ridgeline-datagen --windows-icon FILE
//
// writes the icon of the Windows game, in the sizes Explorer shows, to FILE
// (a .ico).
#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "artwork.h"
#include "audio.h"
#include "bmp_writer.h"
#include "bytes.h"
#include "common/data_files.h"
#include "contact_sheet.h"
#include "ico_writer.h"
#include "icon.h"
#include "midi_writer.h"
#include "png_writer.h"
#include "score.h"
#include "wave_writer.h"

namespace datagen {
namespace {

using ridgeline::DataFile;
using ridgeline::DataRole;

// The picture of `file`, which must be drawn at the size the list gives.
Bytes EncodePicture(const Artwork& art, const DataFile& file) {
  const Canvas& picture = PictureOf(art, file);
  if (picture.width() != file.width || picture.height() != file.height) {
    throw std::logic_error(std::string(file.path) + " is drawn " + std::to_string(picture.width()) +
                           " x " + std::to_string(picture.height()) + ", not " +
                           std::to_string(file.width) + " x " + std::to_string(file.height));
  }
  return EncodeBmp(picture);
}

Bytes Encode(const Artwork& art, const std::vector<ScoreNote>& score, const DataFile& file) {
  switch (file.role) {
    case DataRole::Background:
    case DataRole::Sprite:
      return EncodePicture(art, file);
    case DataRole::Sound:
      return EncodeWav(file.slot == 0 ? SynthesizeExplosion() : SynthesizeMusic(score),
                       kSampleRate);
    case DataRole::Midi:
      return EncodeMidi(score);
  }
  throw std::logic_error(std::string(file.path) + " has no known role");
}

// The icon size as a whole number of pixels from 1 to 1024, or 0.
int IconSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  return error == std::errc() && end == text.data() + text.size() && size >= 1 && size <= 1024
             ? size
             : 0;
}

}  // namespace
}  // namespace datagen

int main(int argc, char** argv) {
  const bool icon = argc == 4 && std::string(argv[1]) == "--icon";
  const bool windowsIcon = argc == 3 && std::string(argv[1]) == "--windows-icon";
  if (argc != 3 && !(icon && datagen::IconSize(argv[2]))) {
    std::cerr << "usage: " << argv[0] << " DATA_DIR CONTACT_SHEET\n"
              << "       " << argv[0] << " --icon SIZE FILE\n"
              << "       " << argv[0] << " --windows-icon FILE\n";
    return 2;
  }
  using namespace datagen;
  try {
    if (icon) {
      WriteFile(argv[3], EncodePng(DrawIcon(IconSize(argv[2]))));
      return 0;
    }
    if (windowsIcon) {
      WriteFile(argv[2], EncodeIco({DrawIcon(16), DrawIcon(32), DrawIcon(48), DrawIcon(256)}));
      return 0;
    }
    const std::filesystem::path data = argv[1];
    const Artwork art = DrawArtwork();
    const std::vector<ScoreNote> score = ComposeScore();
    for (const ridgeline::DataFile& file : ridgeline::kDataFiles) {
      WriteFile(data / file.path, Encode(art, score, file));
    }
    WriteFile(argv[2], EncodeBmp(DrawContactSheet(art)));
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
