// Standard MIDI files (format 1) of the score.
#pragma once

#include <vector>

#include "bytes.h"
#include "score.h"

namespace datagen {

// A conductor track with the tempo and metre, then one track per part; the
// drums on the General MIDI percussion channel.
Bytes EncodeMidi(const std::vector<ScoreNote>& score);

}  // namespace datagen
