#include <gtest/gtest.h>

#include <cmath>

#include "headless_game.h"
#include "media/directx/sound.h"
#include "media/platform/mixer.h"

namespace ridgeline {

namespace {

class SoundBuffers : public ::testing::Test {
 protected:
  void SetUp() override { game_.StartUp(); }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) game_.Sound().FrameShown();
  }

  HeadlessGame game_;
};

TEST_F(SoundBuffers, PlayOnceUntilItsLengthWithoutRestartingOrLoopUntilStopped) {
  DirectSoundBuffer& explosion = *SoundBuffer(0);  // 0.5 s: 30 frames
  explosion.Play(0);
  Frames(20);
  explosion.Play(0);  // no restart: it ends where the first play would
  Frames(9);
  EXPECT_TRUE(explosion.IsPlaying());
  Frames(1);
  EXPECT_FALSE(explosion.IsPlaying());
  explosion.Play(0);
  EXPECT_TRUE(explosion.IsPlaying());
  EXPECT_EQ(explosion.Starts(), 2);

  DirectSoundBuffer& music = *SoundBuffer(1);  // 1 s
  music.Play(DSBPLAY_LOOPING);
  Frames(600);
  EXPECT_TRUE(music.IsPlaying());
  music.Stop();
  music.Stop();  // stopping a silent buffer is harmless
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_EQ(music.Starts(), 1);
}

// The sum of 16-bit samples as the mixer plays it at its planned level.
std::int16_t Planned(float sum, float volume = 1) {
  return static_cast<std::int16_t>(std::lround(sum * Mixer::kVoiceGain * volume));
}

TEST(Mixer, AddsVoicesAtThePlannedLevelAndLoopsWithoutAGap) {
  Voice loud{{30000, -30000, 30000, -30000}, 0, true, true};           // two frames, looping
  Voice quiet{{5000, -5000, 1000, 2000, 3000, 4000}, 0, true, false};  // three frames, once
  Mixer mixer;
  mixer.Add(&loud);
  mixer.Add(&quiet);
  std::vector<std::int16_t> out(10);
  mixer.Mix(out.data(), 5);
  const std::vector<std::int16_t> expected{
      Planned(35000),  Planned(-35000), Planned(31000),  Planned(-28000), Planned(33000),
      Planned(-26000), Planned(30000),  Planned(-30000), Planned(30000),  Planned(-30000)};
  EXPECT_EQ(out, expected);
  EXPECT_TRUE(loud.playing);
  EXPECT_FALSE(quiet.playing);
  EXPECT_EQ(quiet.frame, 0u);  // rewound for its next play
  // The volume scales the output; silent, the voices still move on.
  mixer.SetVolume(0.5f);
  mixer.Mix(out.data(), 1);
  EXPECT_EQ(out[0], Planned(30000, 0.5f));
  mixer.SetVolume(0);
  mixer.Mix(out.data(), 1);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(loud.frame, 1u);
  mixer.Remove(&loud);
  mixer.SetVolume(1);
  mixer.Mix(out.data(), 5);
  EXPECT_EQ(out, std::vector<std::int16_t>(10, 0));
}

TEST(Mixer, FourVoicesAtFullScaleStayBelowItAndMoreAreBentNotClipped) {
  std::vector<Voice> voices(12, Voice{{32767, -32768}, 0, true, true});
  Mixer mixer;
  std::int16_t previous = 0;
  for (std::size_t count = 1; count <= voices.size(); ++count) {
    mixer.Add(&voices[count - 1]);
    std::int16_t out[2];
    mixer.Mix(out, 1);
    if (count <= Mixer::kPlannedVoices) {
      EXPECT_EQ(out[0], Planned(32767.0f * count)) << count;
    } else {
      EXPECT_GT(out[0], Planned(32767.0f * Mixer::kPlannedVoices)) << count;
    }
    EXPECT_GE(out[0], previous) << count;  // no quieter for another voice...
    EXPECT_LT(out[0], 32767) << count;     // ...and never on the rails
    EXPECT_GT(out[1], -32767) << count;
    previous = out[0];
  }
}

}  // namespace

}  // namespace ridgeline
