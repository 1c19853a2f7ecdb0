#pragma once

#include <cstdint>
#include <string>

namespace ridgeline {

// A wave file's sound format and length, for writing test files of any form.
struct WaveForm {
  std::uint16_t formatTag = 1;  // 1 whole-number samples, 3 floating point
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint16_t bitsPerSample = 16;
  std::uint32_t frames = 0;
  bool chunkBeforeData = false;  // a "LIST" chunk between the format and the sound

  double Seconds() const { return static_cast<double>(frames) / rate; }
};

// The bytes of a wave file of `form` holding a quiet tone.
std::string EncodeWave(const WaveForm& form);

// Where EncodeWave puts the header fields that hostile files change.
constexpr std::size_t kWaveChannelsAt = 22;
constexpr std::size_t kWaveRateAt = 24;
// The sound data's length, without a chunk before the data.
constexpr std::size_t kWaveDataSizeAt = 40;

}  // namespace ridgeline
