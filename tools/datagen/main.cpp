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
#include "image.h"
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
    const Artwork art = draw_artwork();
    for (const auto& [name, picture] : bitmap_files(art)) {
      write_file(data / "Bitmap" / name, encode_bmp(to_image(*picture)));
    }
    write_file(argv[2], encode_bmp(to_image(draw_contact_sheet(art))));
    const std::vector<ScoreNote> score = compose_score();
    write_file(data / "Wave" / "bakuon.wav", encode_wav(synthesize_explosion(), kSampleRate));
    write_file(data / "Wave" / "music.wav", encode_wav(synthesize_music(score), kSampleRate));
    write_file(data / "Midi" / "music.mid", encode_midi(score));
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
