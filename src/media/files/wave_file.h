#pragma once

#include <string>

#include "media/platform/mixer.h"

namespace ridgeline {

// The whole sound of a wave file, in the mixer's format. A file that is
// missing, damaged or larger than the game takes is a RunTimeError naming the
// file. No file makes loading hold more than about 170 MB at once: the most
// is a 32 MB ADPCM file, which SDL decodes to four times its size.
Voice LoadVoice(const std::string& path);

}  // namespace ridgeline
