// ridgeline-datagen: draws and synthesizes the game's pictures, sounds and
// music and writes them as the files the game loads.
//
//   ridgeline-datagen DATA_DIR CONTACT_SHEET
//
// writes DATA_DIR/Bitmap/*.bmp, DATA_DIR/Wave/*.wav, DATA_DIR/Midi/music.mid
// and a review picture of all the artwork to CONTACT_SHEET (a .bmp).
//
//   ridgeline-datagen --icon SIZE FILE
//
// writes the desktop icon, SIZE x SIZE pixels, to FILE (a .png).
#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "artwork.h"
#include "audio.h"
#include "bmp_writer.h"
#include "bytes.h"
#include "contact_sheet.h"
#include "icon.h"
#include "midi_writer.h"
#include "png_writer.h"
#include "score.h"
#include "wave_writer.h"

namespace {

// The icon size as a whole number of pixels from 1 to 1024, or 0.
int IconSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  return error == std::errc() && end == text.data() + text.size() && size >= 1 && size <= 1024
             ? size
             : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool icon = argc == 4 && std::string(argv[1]) == "--icon";
  if (argc != 3 && !(icon && IconSize(argv[2]))) {
    std::cerr << "usage: " << argv[0] << " DATA_DIR CONTACT_SHEET\n"
              << "       " << argv[0] << " --icon SIZE FILE\n";
    return 2;
  }
  using namespace datagen;
  try {
    if (icon) {
      WriteFile(argv[3], EncodePng(DrawIcon(IconSize(argv[2]))));
      return 0;
    }
    const std::filesystem::path data = argv[1];
    const Artwork art = DrawArtwork();
    for (const auto& [name, picture] : BitmapFiles(art)) {
      WriteFile(data / "Bitmap" / name, EncodeBmp(*picture));
    }
    WriteFile(argv[2], EncodeBmp(DrawContactSheet(art)));
    const std::vector<ScoreNote> score = ComposeScore();
    WriteFile(data / "Wave" / "bakuon.wav", EncodeWav(SynthesizeExplosion(), kSampleRate));
    WriteFile(data / "Wave" / "music.wav", EncodeWav(SynthesizeMusic(score), kSampleRate));
    WriteFile(data / "Midi" / "music.mid", EncodeMidi(score));
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
