#pragma once

#include <deque>
#include <string>
#include <vector>

#include "media/headless/headless_sound.h"
#include "media/platform/video_driver.h"

namespace ridgeline {

// The video driver with nothing behind it: no window, no screen, no waiting.
// A frame presented is shown nowhere; it only moves the headless sound on, so
// that what plays follows the frames. It keeps a log of the calls it
// receives, and takes its events from a queue that the caller fills.
class HeadlessVideo : public VideoDriver {
 public:
  explicit HeadlessVideo(HeadlessSound& sound) : sound_(sound) {}

  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return 1; }
  void SetTitle(const std::string& title) override;
  void SetFullScreen(bool fullScreen) override;
  void Present(const FrameView& frame) override;
  void ShowCursor(bool show) override;
  bool PollEvent(WindowEvent& event) override;

  void Push(const WindowEvent& event) { events_.push_back(event); }

  // Every call received but Present and PollEvent, in order ("ShowWindow
  // Now Loading...", "SetFullScreen 1", "ShowCursor 0", ...).
  const std::vector<std::string>& Calls() const { return calls_; }
  long Frames() const { return frames_; }
  bool CursorShown() const { return cursorShown_; }

 private:
  HeadlessSound& sound_;
  std::deque<WindowEvent> events_;
  std::vector<std::string> calls_;
  long frames_ = 0;
  bool cursorShown_ = true;
};

}  // namespace ridgeline
