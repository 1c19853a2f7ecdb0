#include "media/menu/notice.h"

#include "media/menu/menu_picture.h"

namespace ridgeline {

void Notice::Show(const std::string& text) {
  text_ = text;
  ends_ = SDL_GetTicks64() + kShownFor;
}

bool Notice::Showing() const {
  return TimeLeft() > 0;
}

int Notice::TimeLeft() const {
  const Uint64 now = SDL_GetTicks64();
  return text_.empty() || now >= ends_ ? 0 : static_cast<int>(ends_ - now);
}

void Notice::Draw(SDL_Surface& picture) const {
  if (Showing()) DrawNotice(picture, text_);
}

}  // namespace ridgeline
