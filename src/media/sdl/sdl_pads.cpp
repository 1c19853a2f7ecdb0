#include "media/sdl/sdl_pads.h"

#include <optional>

namespace ridgeline {

namespace {

// The pad's button that `button` is bound to as the `index`th of a list.
std::optional<PadButton> Bound(const std::vector<int>& list, Uint8 button, PadButton first,
                               PadButton second) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == button) return i == 0 ? first : second;
  }
  return std::nullopt;
}

std::optional<PadButton> ButtonOf(Uint8 button, const Controls& controls) {
  if (auto jump = Bound(controls.lists[Controls::PadJump], button, PadButton::A, PadButton::Y)) {
    return jump;
  }
  if (auto fire = Bound(controls.lists[Controls::PadFire], button, PadButton::B, PadButton::X)) {
    return fire;
  }
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadButton::Back;
    default:
      return std::nullopt;
  }
}

}  // namespace

SdlPads::SdlPads(const Controls& controls)
    : controls_(controls), started_(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {}

SdlPads::~SdlPads() {
  for (const auto& [id, pad] : pads_) SDL_GameControllerClose(pad);
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlPads::Take(const SDL_Event& event, std::vector<WindowEvent>& out) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      // Found at the start or plugged in later: the same event either way.
      SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which);
      if (!pad) return true;
      const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
      if (!pads_.emplace(id, pad).second) SDL_GameControllerClose(pad);
      return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto pad = pads_.find(event.cdevice.which);
      if (pad == pads_.end()) return true;
      SDL_GameControllerClose(pad->second);
      pads_.erase(pad);
      keys_.Remove(event.cdevice.which, out);
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (const auto button = ButtonOf(event.cbutton.button, controls_)) {
        keys_.Button(event.cbutton.which, *button, event.type == SDL_CONTROLLERBUTTONDOWN, out);
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ||
          event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        keys_.Stick(event.caxis.which, event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX,
                    event.caxis.value, out);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace ridgeline
