#pragma once

#include <string>

#include "media/mixer.h"

// The whole sound of a wave file, in the mixer's format. A file that is
// missing, damaged or larger than the game takes is a RunTimeError naming the
// file; no file makes loading allocate more than about 100 MB.
Voice LoadVoice(const std::string& path);
