#pragma once

#include <deque>
#include <string>
#include <vector>

#include "media/video_driver.h"

namespace ridgeline {

// The video driver with nothing behind it: no window, no screen, no waiting.
// It keeps a log of the calls it receives, and takes its events from a queue
// that the caller fills.
class HeadlessVideo : public VideoDriver {
 public:
  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return 1; }
  void SetCooperativeLevel(HWND window, long flags) override;
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void RestoreDisplayMode() override;
  void Present(const SDL_Surface& frame) override;
  void ShowCursor(bool show) override;
  bool PollEvent(WindowEvent& event) override;

  void Push(const WindowEvent& event) { events_.push_back(event); }

  // Every call received, in order ("SetCooperativeLevel 81", "Present", ...).
  const std::vector<std::string>& Calls() const { return calls_; }
  long Frames() const { return frames_; }
  bool CursorShown() const { return cursorShown_; }

 private:
  std::deque<WindowEvent> events_;
  std::vector<std::string> calls_;
  long frames_ = 0;
  bool cursorShown_ = true;
};

}  // namespace ridgeline
