// The game's music: a sixteen-bar tune in A minor at 140 beats a minute for
// a lead, an arpeggio, a bass line and drums. The synthesizer and the MIDI
// writer both play from this one score.
#pragma once

#include <vector>

namespace datagen {

constexpr int kTempo = 140;       // beats (quarter notes) per minute
constexpr int kStepsPerBeat = 4;  // the score counts in sixteenth notes
constexpr int kStepsPerBar = 16;
constexpr int kBars = 16;
constexpr int kSteps = kBars * kStepsPerBar;
// The bridge, bars 9 to 12, where the tune leaves its hook for long notes.
constexpr int kBridgeStart = 8 * kStepsPerBar;
constexpr int kBridgeEnd = 12 * kStepsPerBar;

enum class Part { Lead, Arpeggio, Bass, Drums };

// General MIDI percussion numbers, used as the pitch of drum notes.
enum Drum { kKick = 36, kSnare = 38, kClosedHat = 42 };

struct ScoreNote {
  Part part;
  int pitch;   // MIDI note number; for drums, one of Drum
  int step;    // start, in sixteenths from the top of the tune
  int length;  // in sixteenths
};

// Every note of one pass through the tune, sorted by start.
std::vector<ScoreNote> ComposeScore();

}  // namespace datagen
