#include "media/headless/headless_video.h"

namespace ridgeline {

void HeadlessVideo::ShowWindow(const std::string& label) {
  calls_.push_back("ShowWindow " + label);
}

void HeadlessVideo::SetTitle(const std::string& title) {
  calls_.push_back("SetTitle " + title);
}

void HeadlessVideo::SetFullScreen(bool fullScreen) {
  calls_.push_back(fullScreen ? "SetFullScreen 1" : "SetFullScreen 0");
}

void HeadlessVideo::Present(const FrameView& /*frame*/) {
  ++frames_;
  sound_.FrameShown();
}

void HeadlessVideo::ShowCursor(bool show) {
  cursorShown_ = show;
  calls_.push_back(show ? "ShowCursor 1" : "ShowCursor 0");
}

bool HeadlessVideo::PollEvent(WindowEvent& event) {
  if (events_.empty()) return false;
  event = events_.front();
  events_.pop_front();
  return true;
}

}  // namespace ridgeline
