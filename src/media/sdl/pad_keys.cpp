#include "media/sdl/pad_keys.h"

#include <algorithm>

#include "common/key_codes.h"

namespace ridgeline {

namespace {

int KeyOf(PadButton button) {
  switch (button) {
    case PadButton::Left:
      return kKeyLeft;
    case PadButton::Right:
      return kKeyRight;
    case PadButton::Up:
    case PadButton::A:
      return kKeyUp;
    case PadButton::B:
    case PadButton::X:
      return kKeySpace;
    case PadButton::Start:
      return kKeyReturn;
    case PadButton::Back:
      break;
  }
  return kKeyEscape;
}

// The stick's directions as controls, numbered after the buttons.
constexpr int kStickLeft = static_cast<int>(PadButton::Back) + 1;
constexpr int kStickRight = kStickLeft + 1;
constexpr int kStickUp = kStickLeft + 2;

}  // namespace

int StickAxis::Move(int position) {
  const bool backInside = direction_ * position < kReleaseAt;
  if (direction_ == 0 || backInside) {
    direction_ = position >= kPressAt ? 1 : position <= -kPressAt ? -1 : 0;
  }
  return direction_;
}

void PadKeys::Button(int pad, PadButton button, bool held, std::vector<WindowEvent>& out) {
  Hold(Control{pad, static_cast<int>(button), KeyOf(button)}, held, out);
}

void PadKeys::Stick(int pad, bool horizontal, int position, std::vector<WindowEvent>& out) {
  const int direction = sticks_[{pad, horizontal}].Move(position);
  // Down on the stick stands for no key.
  const std::pair<Control, bool> wanted[] = {
      {horizontal ? Control{pad, kStickLeft, kKeyLeft} : Control{pad, kStickUp, kKeyUp},
       direction < 0},
      {Control{pad, kStickRight, kKeyRight}, horizontal && direction > 0}};
  // The direction left goes up before the one taken goes down, as two keys
  // would when the stick is swept across.
  for (const bool pressing : {false, true}) {
    for (const auto& [control, held] : wanted) {
      if (held == pressing) Hold(control, held, out);
    }
  }
}

void PadKeys::Remove(int pad, std::vector<WindowEvent>& out) {
  std::vector<Control> lost;
  for (const Control& control : held_) {
    if (control.pad == pad) lost.push_back(control);
  }
  for (const Control& control : lost) Hold(control, false, out);
  std::erase_if(sticks_, [pad](const auto& stick) { return stick.first.first == pad; });
}

void PadKeys::Hold(const Control& control, bool held, std::vector<WindowEvent>& out) {
  if (held_.contains(control) == held) return;
  const bool keyWasHeld = KeyHeld(control.keyCode);
  if (held) {
    held_.insert(control);
  } else {
    held_.erase(control);
  }
  if (KeyHeld(control.keyCode) == keyWasHeld) return;
  WindowEvent event;
  event.kind = held ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp;
  event.keyCode = control.keyCode;
  out.push_back(event);
}

bool PadKeys::KeyHeld(int keyCode) const {
  return std::any_of(held_.begin(), held_.end(),
                     [keyCode](const Control& control) { return control.keyCode == keyCode; });
}

}  // namespace ridgeline
