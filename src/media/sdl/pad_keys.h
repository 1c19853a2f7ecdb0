#pragma once

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "media/platform/video_driver.h"

namespace ridgeline {

// The buttons of a game pad that stand for keys: the d-pad's Left, Right and
// Up; A is Up (jump); B and X are Space (fire); Start is Return; Back is
// Escape.
enum class PadButton { Left, Right, Up, A, B, X, Start, Back };

// One axis of a stick as a direction (-1, 0 or 1), with a dead zone and
// hysteresis: a direction is taken once the stick is pushed past kPressAt
// and let go only when it comes back inside kReleaseAt, so that a stick held
// near either point does not chatter.
class StickAxis {
 public:
  static constexpr int kPressAt = 16000;   // about half way out
  static constexpr int kReleaseAt = 8000;  // the dead zone around the centre

  // Takes the axis's position (-32768 to 32767); returns the direction held.
  int Move(int position);

 private:
  int direction_ = 0;
};

// Turns the pads' buttons and left sticks into the key events the keyboard
// would give: a key goes down when the first control standing for it is
// pressed, and up when the last one is let go, whichever pad they are on.
class PadKeys {
 public:
  // Button `button` of pad `pad` is now held or not.
  void Button(int pad, PadButton button, bool held, std::vector<WindowEvent>& out);
  // The left stick of pad `pad` moved along one axis (up is negative).
  void Stick(int pad, bool horizontal, int position, std::vector<WindowEvent>& out);
  // Pad `pad` went away: whatever it held is let go.
  void Remove(int pad, std::vector<WindowEvent>& out);

 private:
  // A control that holds a key: a button, or a stick's direction.
  struct Control {
    int pad;
    int id;  // a PadButton, or one of the stick's directions after them
    int keyCode;
    auto operator<=>(const Control&) const = default;
  };
  void Hold(const Control& control, bool held, std::vector<WindowEvent>& out);
  bool KeyHeld(int keyCode) const;

  std::set<Control> held_;
  std::map<std::pair<int, bool>, StickAxis> sticks_;  // by pad and axis (true: horizontal)
};

}  // namespace ridgeline
