#include "robust_wave_forms.h"

#include <cmath>
#include <cstring>

namespace ridgeline {

namespace {

void Append(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// One sample of a quiet tone in the form's sample format.
void AppendSample(std::string& out, const WaveForm& form, double level) {
  if (form.formatTag == 3) {
    const float sample = static_cast<float>(level);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &sample, sizeof bits);
    Append(out, bits, 4);
  } else if (form.bitsPerSample == 8) {
    Append(out, static_cast<std::uint32_t>(128 + std::lround(level * 127)), 1);
  } else {
    Append(out, static_cast<std::uint32_t>(std::lround(level * 32767)), form.bitsPerSample / 8);
  }
}

}  // namespace

std::string EncodeWave(const WaveForm& form) {
  std::string sound;
  for (std::uint32_t i = 0; i < form.frames; ++i) {
    for (int c = 0; c < form.channels; ++c) AppendSample(sound, form, 0.1 * std::sin(i * 0.05));
  }
  const std::uint32_t blockAlign = form.channels * form.bitsPerSample / 8;
  std::string out = "RIFF";
  Append(out, 0, 4);  // the RIFF size, filled in at the end
  out += "WAVEfmt ";
  Append(out, 16, 4);
  Append(out, form.formatTag, 2);
  Append(out, form.channels, 2);
  Append(out, form.rate, 4);
  Append(out, form.rate * blockAlign, 4);
  Append(out, blockAlign, 2);
  Append(out, form.bitsPerSample, 2);
  if (form.chunkBeforeData) {
    out += "LIST";
    Append(out, 5, 4);
    out += "INFO!";
    out.push_back('\0');  // chunks are padded to an even length
  }
  out += "data";
  Append(out, static_cast<std::uint32_t>(sound.size()), 4);
  out += sound;
  std::string riffSize;
  Append(riffSize, static_cast<std::uint32_t>(out.size() - 8), 4);
  out.replace(4, 4, riffSize);
  return out;
}

}  // namespace ridgeline
