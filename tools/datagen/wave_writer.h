// 16-bit PCM RIFF wave files.
#pragma once

#include <cstdint>
#include <span>

#include "bytes.h"

namespace datagen {

Bytes encode_wav(std::span<const std::int16_t> samples, int sample_rate);

}  // namespace datagen
