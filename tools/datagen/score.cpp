#include "score.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace datagen {
namespace {

// The tune, bar by bar: NAME[#]OCTAVE:SIXTEENTHS, or -:SIXTEENTHS for a rest.
constexpr std::string_view kMelody =
    // A: the hook, climbing the A minor chord and stepping back down.
    "A4:2 C5:2 E5:2 A5:4 G5:2 E5:2 C5:2 "
    "F5:3 E5:1 D5:2 C5:2 A4:4 C5:2 D5:2 "
    "E5:2 G5:2 C6:4 B5:2 G5:2 E5:2 G5:2 "
    "D5:3 E5:1 D5:2 B4:2 G4:4 -:2 B4:2 "
    // A': the hook again, reaching higher and turning to E major.
    "A4:2 C5:2 E5:2 A5:4 B5:2 C6:2 B5:2 "
    "A5:3 G5:1 F5:2 E5:2 F5:4 A5:2 C6:2 "
    "G5:3 F5:1 E5:2 D5:2 C5:2 E5:2 G5:2 C6:2 "
    "B5:4 G#5:2 E5:2 B4:2 D5:2 G#5:4 "
    // B: long notes over F, G, E minor and A minor.
    "A5:4 G5:2 F5:2 E5:2 F5:2 A5:4 "
    "G5:4 F5:2 E5:2 D5:2 E5:2 G5:4 "
    "E5:2 B4:2 E5:2 G5:2 B5:4 A5:2 G5:2 "
    "A5:6 E5:2 C5:2 E5:2 A5:4 "
    // C: up to the top and down the E major chord into the hook again.
    "F5:2 A5:2 D6:4 C6:2 A5:2 F5:2 A5:2 "
    "E5:2 A5:2 C6:4 B5:2 A5:2 E5:2 C5:2 "
    "F5:2 A5:2 C6:4 G5:2 B5:2 D6:4 "
    "E6:4 B5:2 G#5:2 E5:2 B4:2 G#4:4";

// One chord per half bar.
constexpr std::string_view kChords =
    "Am Am F F C C G G "
    "Am Am F F C C E E "
    "F F G G Em Em Am Am "
    "Dm Dm Am Am F G E E";

// Drum lanes, one character per sixteenth: the groove, and the fill that
// closes each half of the tune.
struct DrumBar {
  std::string_view kick, snare, hat;
};
constexpr DrumBar kGroove{"x.......x.x.....", "....x.......x...", "x.x.x.x.x.x.x.x."};
constexpr DrumBar kFill{"x.......x.......", "....x...x.x.xxxx", "x.x.x.x.x.x....."};

int Semitone(char name) {
  constexpr std::array<int, 7> kFromA{9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  return kFromA[static_cast<std::size_t>(name - 'A')];
}

void AddMelody(std::vector<ScoreNote>& notes) {
  std::istringstream tokens{std::string(kMelody)};
  int step = 0;
  for (std::string token; tokens >> token;) {
    const std::size_t colon = token.find(':');
    const int length = std::stoi(token.substr(colon + 1));
    if (token[0] != '-') {
      const bool sharp = token[1] == '#';
      const int octave = token[sharp ? 2 : 1] - '0';
      const int pitch = 12 * (octave + 1) + Semitone(token[0]) + (sharp ? 1 : 0);
      notes.push_back({Part::Lead, pitch, step, length});
    }
    step += length;
  }
  if (step != kSteps) throw std::logic_error("the melody does not fill the tune");
}

struct Chord {
  int root;  // pitch class, C = 0
  bool minor;
};

std::vector<Chord> ReadChords() {
  std::istringstream tokens{std::string(kChords)};
  std::vector<Chord> chords;
  for (std::string token; tokens >> token;) {
    chords.push_back({Semitone(token[0]), token.size() > 1 && token[1] == 'm'});
  }
  if (static_cast<int>(chords.size()) * kStepsPerBar / 2 != kSteps) {
    throw std::logic_error("the chords do not fill the tune");
  }
  return chords;
}

// Sixteenth-note arpeggios up and down each chord, from the second phrase on
// so that the tune opens lighter; and a bass that pumps between each chord's
// root and its octave in eighths.
void AddAccompaniment(std::vector<ScoreNote>& notes) {
  const std::vector<Chord> chords = ReadChords();
  constexpr int kHalfBar = kStepsPerBar / 2;
  for (int half = 0; half < static_cast<int>(chords.size()); ++half) {
    const Chord chord = chords[static_cast<std::size_t>(half)];
    const int third = chord.minor ? 3 : 4;
    const std::array<int, 4> shape{0, third, 7, 12};
    const int start = half * kHalfBar;
    if (start >= 4 * kStepsPerBar) {
      for (int i = 0; i < kHalfBar; ++i) {
        const int up_and_down = i % 8 < 4 ? i % 4 : 3 - i % 4;
        notes.push_back({Part::Arpeggio,
                         60 + chord.root + shape[static_cast<std::size_t>(up_and_down)], start + i,
                         1});
      }
    }
    // The last half bar walks down E, D, C, B, G# to the A that opens the tune.
    constexpr std::array<int, 4> kWalk{50, 48, 47, 44};
    const bool last = half + 1 == static_cast<int>(chords.size());
    const int root = 38 + (chord.root + 10) % 12;  // D2..C#3
    for (int i = 0; i < kHalfBar; i += 2) {
      const int pitch = last ? kWalk[static_cast<std::size_t>(i / 2)] : root + (i % 4 ? 12 : 0);
      notes.push_back({Part::Bass, pitch, start + i, 2});
    }
  }
}

void AddDrums(std::vector<ScoreNote>& notes) {
  for (int bar = 0; bar < kBars; ++bar) {
    const DrumBar& pattern = bar % 8 == 7 ? kFill : kGroove;
    for (int i = 0; i < kStepsPerBar; ++i) {
      const int step = bar * kStepsPerBar + i;
      if (pattern.kick[i] == 'x') notes.push_back({Part::Drums, kKick, step, 1});
      if (pattern.snare[i] == 'x') notes.push_back({Part::Drums, kSnare, step, 1});
      if (pattern.hat[i] == 'x') notes.push_back({Part::Drums, kClosedHat, step, 1});
    }
  }
}

}  // namespace

std::vector<ScoreNote> ComposeScore() {
  std::vector<ScoreNote> notes;
  AddMelody(notes);
  AddAccompaniment(notes);
  AddDrums(notes);
  std::stable_sort(notes.begin(), notes.end(),
                   [](const ScoreNote& a, const ScoreNote& b) { return a.step < b.step; });
  return notes;
}

}  // namespace datagen
