#include "media/sdl/controls.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "common/key_codes.h"
#include "media/sdl/sdl_keys.h"

namespace ridgeline {

namespace {

constexpr int kActionCodes[Controls::kKeyLists] = {kKeyLeft, kKeyRight, kKeyUp, kKeySpace};
constexpr int kAnyOtherKey = 255;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::vector<int>> ReadNames(
    std::string_view text, const std::function<std::optional<int>(const std::string&)>& read) {
  std::vector<int> codes;
  while (true) {
    const auto comma = text.find(',');
    const std::string name(Trim(text.substr(0, comma)));
    const auto code = read(name);
    if (!code || codes.size() == Controls::kMostPerAction) return std::nullopt;
    if (std::find(codes.begin(), codes.end(), *code) == codes.end()) codes.push_back(*code);
    if (comma == std::string_view::npos) return codes;
    text.remove_prefix(comma + 1);
  }
}

std::string JoinNames(const std::vector<int>& codes, std::string (*name)(int)) {
  std::string text;
  for (const int code : codes) text += (text.empty() ? "" : ", ") + name(code);
  return text;
}

}  // namespace

Controls DefaultControls() {
  Controls controls;
  controls.lists[Controls::Left] = {SDLK_LEFT};
  controls.lists[Controls::Right] = {SDLK_RIGHT};
  controls.lists[Controls::Jump] = {SDLK_UP};
  controls.lists[Controls::Fire] = {SDLK_SPACE};
  controls.lists[Controls::PadJump] = {SDL_CONTROLLER_BUTTON_A};
  controls.lists[Controls::PadFire] = {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X};
  return controls;
}

Controls LaptopKeys() {
  Controls controls = DefaultControls();
  controls.lists[Controls::Left] = {SDLK_a};
  controls.lists[Controls::Right] = {SDLK_d};
  controls.lists[Controls::Jump] = {SDLK_w};
  controls.lists[Controls::Fire] = {SDLK_j, SDLK_k};
  return controls;
}

int GameKeyCode(const Controls& controls, int key) {
  for (int action = 0; action < Controls::kKeyLists; ++action) {
    const auto& keys = controls.lists[action];
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) return kActionCodes[action];
  }
  const int own = VirtualKeyCode(key);
  const bool actionsCode =
      std::find(std::begin(kActionCodes), std::end(kActionCodes), own) != std::end(kActionCodes);
  return actionsCode ? kAnyOtherKey : own;
}

bool IsPlatformKey(int key) {
  return key == SDLK_ESCAPE || key == SDLK_RETURN || key == SDLK_KP_ENTER ||
         PlatformKeyOf(key, KMOD_NONE) != PlatformKey::None;
}

std::optional<std::vector<int>> ReadKeyNames(std::string_view text) {
  return ReadNames(text, [](const std::string& name) -> std::optional<int> {
    const SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
    if (key == SDLK_UNKNOWN || IsPlatformKey(key)) return std::nullopt;
    return key;
  });
}

std::optional<std::vector<int>> ReadButtonNames(std::string_view text) {
  return ReadNames(text, [](const std::string& name) -> std::optional<int> {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(lower.c_str());
    // The d-pad moves and Back and Start are the menu's: only the others
    // can be bound.
    const bool fixed =
        button == SDL_CONTROLLER_BUTTON_BACK || button == SDL_CONTROLLER_BUTTON_START ||
        button == SDL_CONTROLLER_BUTTON_GUIDE ||
        (button >= SDL_CONTROLLER_BUTTON_DPAD_UP && button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    if (button == SDL_CONTROLLER_BUTTON_INVALID || fixed) return std::nullopt;
    return button;
  });
}

std::string KeyNames(const std::vector<int>& keys) {
  return JoinNames(keys, KeyName);
}

std::string ButtonNames(const std::vector<int>& buttons) {
  return JoinNames(buttons, ButtonName);
}

std::string KeyName(int key) {
  return SDL_GetKeyName(key);
}

std::string ButtonName(int button) {
  const char* sdlName =
      SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
  // As pads print them: "A", "Leftshoulder"; read back whatever the case.
  std::string name = sdlName ? sdlName : "?";
  name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

}  // namespace ridgeline
