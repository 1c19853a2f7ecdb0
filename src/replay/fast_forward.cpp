#include "replay/fast_forward.h"

#include "media/headless/headless_sound.h"
#include "shell/frame_loop.h"

namespace ridgeline {

namespace {

// Feeds the mixer to nothing, as headless does, until the device takes over.
class FastForwardSound : public SoundDriver {
 public:
  explicit FastForwardSound(std::unique_ptr<SoundDriver> device) : device_(std::move(device)) {}

  void Open(Mixer& mixer) override {
    mixer_ = &mixer;
    quiet_.Open(mixer);
  }
  void Close() override {
    if (live_) device_->Close();
    quiet_.Close();
    live_ = false;
  }
  void Lock() override {
    if (live_) device_->Lock();
  }
  void Unlock() override {
    if (live_) device_->Unlock();
  }
  // The device keeps the level and the pause for when it takes over.
  void SetVolume(int volume) override { device_->SetVolume(volume); }
  void Pause(bool paused) override { device_->Pause(paused); }

  // A frame passed over: the sound moves on by as much, unheard.
  void FramePassedOver() { quiet_.FrameShown(); }
  // The frames are shown from now on: the device plays the mixer.
  void GoLive() {
    if (live_ || !mixer_) return;
    quiet_.Close();
    device_->Open(*mixer_);
    live_ = true;
  }

 private:
  std::unique_ptr<SoundDriver> device_;
  HeadlessSound quiet_;
  Mixer* mixer_ = nullptr;
  bool live_ = false;
};

class FastForwardVideo : public VideoDriver {
 public:
  FastForwardVideo(std::unique_ptr<VideoDriver> screen, FastForwardSound& sound, long firstShown)
      : screen_(std::move(screen)), sound_(sound), firstShown_(firstShown) {}

  void ShowWindow(const std::string& label) override { screen_->ShowWindow(label); }
  HWND WindowHandle() const override { return screen_->WindowHandle(); }
  void SetTitle(const std::string& title) override { screen_->SetTitle(title); }
  void SetFullScreen(bool fullScreen) override { screen_->SetFullScreen(fullScreen); }
  void ShowCursor(bool show) override { screen_->ShowCursor(show); }
  bool PollEvent(WindowEvent& event) override { return screen_->PollEvent(event); }

  void Present(const FrameView& frame) override {
    if (PassesRun() < firstShown_) {
      sound_.FramePassedOver();
      return;
    }
    sound_.GoLive();
    screen_->Present(frame);
  }

 private:
  std::unique_ptr<VideoDriver> screen_;
  FastForwardSound& sound_;
  long firstShown_;
};

}  // namespace

void FastForwardUntil(Platform& platform, long firstShown) {
  auto sound = std::make_unique<FastForwardSound>(std::move(platform.sound));
  platform.video =
      std::make_unique<FastForwardVideo>(std::move(platform.video), *sound, firstShown);
  platform.sound = std::move(sound);
}

}  // namespace ridgeline
