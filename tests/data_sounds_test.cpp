// The generated sounds: 16-bit PCM waves of the right length; music that is a
// whole number of bars at its tempo and loops without a click, a gap or a
// fade; an explosion that bursts and dies away.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/data_files.h"

namespace ridgeline {

namespace {

struct Wave {
  SDL_AudioSpec spec{};
  std::vector<std::int16_t> samples;  // first channel only

  double Seconds() const { return static_cast<double>(samples.size()) / spec.freq; }

  // Root mean square of the samples in [from, to) seconds, as a share of full scale.
  double Loudness(double from, double to) const {
    const auto first = static_cast<std::size_t>(from * spec.freq);
    const auto last = std::min(samples.size(), static_cast<std::size_t>(to * spec.freq));
    double sum = 0;
    for (std::size_t i = first; i < last; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(last - first)) / 32768.0;
  }
};

constexpr const DataFile& kExplosion = SoundFile(0);
constexpr const DataFile& kMusic = SoundFile(1);

Wave Load(const DataFile& file) {
  const std::string name(file.path);
  const std::string path = RIDGELINE_DATA_DIR "/" + name;
  Wave wave;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wave.spec, &buffer, &length)) {
    ADD_FAILURE() << name << ": " << SDL_GetError();
    return wave;
  }
  EXPECT_EQ(wave.spec.format, AUDIO_S16LSB) << name << " is 16-bit PCM";
  EXPECT_TRUE(wave.spec.channels == 1 || wave.spec.channels == 2) << name;
  EXPECT_TRUE(wave.spec.freq == 22050 || wave.spec.freq == 44100) << name;
  const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
  const std::size_t frames = length / 2 / std::max<int>(wave.spec.channels, 1);
  for (std::size_t i = 0; i < frames; ++i) wave.samples.push_back(samples[i * wave.spec.channels]);
  SDL_FreeWAV(buffer);
  return wave;
}

TEST(DataSounds, MusicIsAWholeNumberOfBarsOfAtLeastTwentySeconds) {
  const Wave music = Load(kMusic);
  ASSERT_FALSE(music.samples.empty());
  EXPECT_GE(music.Seconds(), 20.0);
  EXPECT_LE(music.Seconds(), 60.0) << "a sensible size for a loop";
  // At 140 beats a minute, the loop must end exactly on a bar line to keep time.
  const long long beat_samples_x140 = 60LL * music.spec.freq;
  const long long length_x140 = static_cast<long long>(music.samples.size()) * 140;
  EXPECT_EQ(length_x140 % beat_samples_x140, 0);
  EXPECT_EQ(length_x140 / beat_samples_x140 % 4, 0);
}

TEST(DataSounds, MusicLoopsWithoutAClickAGapOrAFade) {
  const Wave music = Load(kMusic);
  ASSERT_GT(music.samples.size(), 2u);
  int largest_step = 0;
  for (std::size_t i = 0; i + 1 < music.samples.size(); ++i) {
    largest_step = std::max(largest_step, std::abs(music.samples[i + 1] - music.samples[i]));
  }
  EXPECT_LE(std::abs(music.samples.front() - music.samples.back()), largest_step);
  // Sound right up to the end and right from the start: no silence at the wrap.
  EXPECT_GT(music.Loudness(0, 0.02), 0.01);
  EXPECT_GT(music.Loudness(music.Seconds() - 0.02, music.Seconds()), 0.01);
  // No fade-out: the last bar is about as loud as the first.
  const double bar = 4 * 60.0 / 140;
  EXPECT_GT(music.Loudness(music.Seconds() - bar, music.Seconds()), 0.6 * music.Loudness(0, bar));
}

TEST(DataSounds, NeitherSoundClipsNorLeansToOneSide) {
  for (const DataFile& file : {kMusic, kExplosion}) {
    SCOPED_TRACE(file.path);
    const Wave wave = Load(file);
    const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    ASSERT_NE(low, wave.samples.end());
    EXPECT_GT(*low, -32768);
    EXPECT_LT(*high, 32767);
    EXPECT_GT(wave.Loudness(0, wave.Seconds()), 0.05) << "loud enough to hear";
    // Centred on zero: a constant offset would thump when the sound starts and stops.
    long long sum = 0;
    for (const std::int16_t s : wave.samples) sum += s;
    EXPECT_LT(std::abs(sum / static_cast<long long>(wave.samples.size())), 330);
  }
}

TEST(DataSounds, ExplosionBurstsAndDiesAwayInHalfASecond) {
  const Wave blast = Load(kExplosion);
  ASSERT_FALSE(blast.samples.empty());
  EXPECT_GE(blast.Seconds(), 0.4);
  EXPECT_LE(blast.Seconds(), 0.7);
  EXPECT_GT(blast.Loudness(0, 0.1), 10 * blast.Loudness(blast.Seconds() - 0.05, blast.Seconds()));
  // Starts and ends at rest, so it neither clicks on nor off.
  EXPECT_LT(std::abs(blast.samples.front()), 1000);
  EXPECT_LT(std::abs(blast.samples.back()), 100);
}

}  // namespace

}  // namespace ridgeline
