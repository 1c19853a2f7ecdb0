#include "media/files/wave_file.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/run_time_error.h"
#include "media/files/regular_sdl_file.h"
#include "media/files/wave_check.h"

namespace ridgeline {

namespace {

// What the game takes from a wave file; within these, loading a sound needs at
// most the decoded sound and the converted sound at once.
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 8;
constexpr std::uint64_t kMaxVoiceBytes = 64u << 20;  // nearly six minutes
constexpr std::uint64_t kFrameBytes = Mixer::kChannels * sizeof(std::int16_t);
// How many input frames the resampler's filter reaches at rates up to the
// mixer's (at higher rates, as many times more as the rate is higher).
constexpr Uint32 kResamplerReach = 512;
constexpr Uint32 kPieceBytes = 64u << 10;

// The converted sound's frames, rounded up: what the voice must hold.
std::uint64_t ConvertedFrames(const SDL_AudioSpec& spec, Uint32 length) {
  const std::uint64_t frames = length / (SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels);
  return (frames * Mixer::kRate + spec.freq - 1) / spec.freq;
}

std::optional<std::string> ConversionRefusal(const SDL_AudioSpec& spec, Uint32 length) {
  // Outside these rates the resampler's own buffers grow without bound.
  if (spec.freq < kMinRate || spec.freq > kMaxRate) {
    return "a rate of " + std::to_string(spec.freq) + " Hz is outside " + std::to_string(kMinRate) +
           " to " + std::to_string(kMaxRate);
  }
  if (spec.channels < 1 || spec.channels > kMaxChannels) {
    return std::to_string(spec.channels) + " channels is more than the game mixes";
  }
  const std::uint64_t bytes = ConvertedFrames(spec, length) * kFrameBytes;
  if (bytes > kMaxVoiceBytes) {
    return "the sound would take " + std::to_string(bytes) +
           " bytes, more than the game gives it (" + std::to_string(kMaxVoiceBytes) + ")";
  }
  return std::nullopt;
}

// Moves what the stream has converted to the end of `samples`, keeping no more
// than `wanted` samples in all.
void Take(SDL_AudioStream& stream, std::vector<std::int16_t>& samples, std::size_t wanted) {
  std::int16_t piece[4096];
  for (;;) {
    const int got = SDL_AudioStreamGet(&stream, piece, sizeof piece);
    if (got < 0) throw RunTimeError(SDL_GetError());
    if (got == 0) return;
    const std::size_t keep =
        std::min(static_cast<std::size_t>(got) / sizeof(std::int16_t), wanted - samples.size());
    samples.insert(samples.end(), piece, piece + keep);
  }
}

// Converts the decoded sound to the mixer's format piece by piece, so that
// nothing but the finished sound grows with its length.
std::vector<std::int16_t> Convert(const SDL_AudioSpec& spec, const Uint8* data, Uint32 length) {
  using Stream = std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)>;
  Stream stream(SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                   Mixer::kChannels, Mixer::kRate),
                &SDL_FreeAudioStream);
  if (!stream) throw RunTimeError(SDL_GetError());

  // Whole frames only: a cut last frame would shift the channels of a loop.
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  length -= length % frameBytes;
  const std::size_t wanted = ConvertedFrames(spec, length) * Mixer::kChannels;
  std::vector<std::int16_t> samples;
  samples.reserve(wanted);
  auto put = [&](const Uint8* bytes, Uint32 size) {
    if (SDL_AudioStreamPut(stream.get(), bytes, static_cast<int>(size)) != 0) {
      throw RunTimeError(SDL_GetError());
    }
    Take(*stream, samples, wanted);
  };
  for (Uint32 at = 0; at < length; at += kPieceBytes) {
    put(data + at, std::min(kPieceBytes, length - at));
  }
  // The resampler keeps back the sound's last frames, as many as its filter
  // reaches, until more follow, and a flush drops them; it also loses up to a
  // frame where one piece meets the next. So silence follows the sound, enough
  // to bring out all of it, and the cut at `wanted` takes the rest off again.
  const Uint32 pieces = length / kPieceBytes + 1;
  const Uint32 reach = kResamplerReach * ((spec.freq + Mixer::kRate - 1) / Mixer::kRate);
  const std::vector<Uint8> silence((reach + pieces) * frameBytes,
                                   spec.format == AUDIO_U8 ? 0x80 : 0);
  put(silence.data(), static_cast<Uint32>(silence.size()));
  if (SDL_AudioStreamFlush(stream.get()) != 0) throw RunTimeError(SDL_GetError());
  Take(*stream, samples, wanted);
  samples.resize(samples.size() - samples.size() % Mixer::kChannels);
  return samples;
}

}  // namespace

Voice LoadVoice(const std::string& path) {
  auto fail = [&path](const std::string& why) {
    return RunTimeError("cannot load wave " + path + ": " + why);
  };
  std::string why;
  SdlFilePtr file = OpenRegularSdlFile(path, why);
  if (!file) throw fail(why);
  if (auto why = WaveRefusal(*file)) throw fail(*why);
  SDL_AudioSpec spec;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(file.get(), 0, &spec, &data, &length)) throw fail(SDL_GetError());
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(data, &SDL_FreeWAV);
  if (auto why = ConversionRefusal(spec, length)) throw fail(*why);

  Voice voice;
  try {
    voice.samples = Convert(spec, data, length);
  } catch (const RunTimeError& failure) {
    throw fail(failure.what());
  }
  return voice;
}

}  // namespace ridgeline
