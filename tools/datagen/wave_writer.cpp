#include "wave_writer.h"

namespace datagen {

Bytes EncodeWav(std::span<const std::int16_t> samples, int sample_rate) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  Bytes out;
  out.reserve(44 + data_size);
  PutText(out, "RIFF");
  PutLe32(out, 36 + data_size);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  PutLe32(out, 16);
  PutLe16(out, 1);  // PCM
  PutLe16(out, kChannels);
  PutLe32(out, static_cast<std::uint32_t>(sample_rate));
  PutLe32(out, static_cast<std::uint32_t>(sample_rate) * kChannels * kBytesPerSample);
  PutLe16(out, kChannels * kBytesPerSample);
  PutLe16(out, 16);
  PutText(out, "data");
  PutLe32(out, data_size);
  for (const std::int16_t s : samples) PutLe16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace datagen
