// 16-bit PCM RIFF wave files.
#pragma once

#include <cstdint>
#include <span>

#include "bytes.h"

namespace datagen {

Bytes EncodeWav(std::span<const std::int16_t> samples, int sample_rate);

}  // namespace datagen
