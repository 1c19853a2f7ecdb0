#include "wave_writer.h"

namespace datagen {

Bytes encode_wav(std::span<const std::int16_t> samples, int sample_rate) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  Bytes out;
  out.reserve(44 + data_size);
  put_text(out, "RIFF");
  put_le32(out, 36 + data_size);
  put_text(out, "WAVE");
  put_text(out, "fmt ");
  put_le32(out, 16);
  put_le16(out, 1);  // PCM
  put_le16(out, kChannels);
  put_le32(out, static_cast<std::uint32_t>(sample_rate));
  put_le32(out, static_cast<std::uint32_t>(sample_rate) * kChannels * kBytesPerSample);
  put_le16(out, kChannels * kBytesPerSample);
  put_le16(out, 16);
  put_text(out, "data");
  put_le32(out, data_size);
  for (const std::int16_t s : samples) put_le16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace datagen
