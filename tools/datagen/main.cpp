// ridgeline-datagen: draws and synthesizes the game's pictures, sounds and
// music and writes them as the files the game loads.
//
//   ridgeline-datagen DATA_DIR CONTACT_SHEET
//
// writes DATA_DIR/Bitmap/*.bmp, DATA_DIR/Wave/*.wav, DATA_DIR/Midi/music.mid
// and a review picture of all the artwork to CONTACT_SHEET (a .bmp).
#include <exception>
#include <filesystem>
#include <iostream>

#include "artwork.h"
#include "audio.h"
#include "bmp_writer.h"
#include "bytes.h"
#include "contact_sheet.h"
#include "midi_writer.h"
#include "score.h"
#include "wave_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: " << argv[0] << " DATA_DIR CONTACT_SHEET\n";
    return 2;
  }
  using namespace datagen;
  try {
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
