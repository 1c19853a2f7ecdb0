#include <gtest/gtest.h>

#include "headless_game.h"
#include "media/mixer.h"
#include "media/sound.h"

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

TEST_F(SoundBuffers, PlayedOnceFallsSilentAfterItsLength) {
  DirectSoundBuffer& explosion = *SoundBuffer(0);  // 0.5 s: 30 frames
  explosion.Play(0);
  Frames(29);
  EXPECT_TRUE(explosion.IsPlaying());
  Frames(1);
  EXPECT_FALSE(explosion.IsPlaying());
  explosion.Play(0);
  EXPECT_TRUE(explosion.IsPlaying());
  EXPECT_EQ(explosion.Starts(), 2);
}

TEST_F(SoundBuffers, PlayOnAPlayingBufferCarriesOn) {
  DirectSoundBuffer& explosion = *SoundBuffer(0);
  explosion.Play(0);
  Frames(20);
  explosion.Play(0);  // no restart: it ends where the first play would
  Frames(10);
  EXPECT_FALSE(explosion.IsPlaying());
  EXPECT_EQ(explosion.Starts(), 1);
}

TEST_F(SoundBuffers, LoopingPlaysUntilStopped) {
  DirectSoundBuffer& music = *SoundBuffer(1);  // 1 s
  music.Play(DSBPLAY_LOOPING);
  Frames(600);
  EXPECT_TRUE(music.IsPlaying());
  music.Stop();
  EXPECT_FALSE(music.IsPlaying());
  music.Stop();  // stopping a silent buffer is harmless
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_EQ(music.Starts(), 1);
}

TEST(Mixer, AddsVoicesWithSaturationAndLoopsWithoutAGap) {
  Voice loud{{30000, -30000, 30000, -30000}, 0, true, true};  // two frames, looping
  Voice quiet{{5000, -5000, 1, 2, 3, 4}, 0, true, false};     // three frames, once
  Mixer mixer;
  mixer.Add(&loud);
  mixer.Add(&quiet);
  std::vector<std::int16_t> out(10);
  mixer.Mix(out.data(), 5);
  const std::vector<std::int16_t> expected{32767,  -32768, 30001,  -29998, 30003,
                                           -29996, 30000,  -30000, 30000,  -30000};
  EXPECT_EQ(out, expected);
  EXPECT_TRUE(loud.playing);
  EXPECT_FALSE(quiet.playing);
  EXPECT_EQ(quiet.frame, 0u);  // rewound for its next play
  mixer.Remove(&loud);
  mixer.Mix(out.data(), 5);
  EXPECT_EQ(out, std::vector<std::int16_t>(10, 0));
}

}  // namespace

}  // namespace ridgeline
