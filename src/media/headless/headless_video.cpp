#include "media/headless/headless_video.h"

namespace ridgeline {

void HeadlessVideo::ShowWindow(const std::string& label) {
  calls_.push_back("ShowWindow " + label);
}

void HeadlessVideo::SetCooperativeLevel(HWND /*window*/, long flags) {
  calls_.push_back("SetCooperativeLevel " + std::to_string(flags));
}

void HeadlessVideo::SetDisplayMode(int width, int height, int bitsPerPixel) {
  calls_.push_back("SetDisplayMode " + std::to_string(width) + " " + std::to_string(height) + " " +
                   std::to_string(bitsPerPixel));
}

void HeadlessVideo::RestoreDisplayMode() {
  calls_.push_back("RestoreDisplayMode");
}

void HeadlessVideo::Present(const SDL_Surface& /*frame*/) {
  ++frames_;
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
