#include "media/directx/windows_calls.h"

#include "media/platform/platform.h"

namespace ridgeline {

namespace {
constexpr long MCIERR_INVALID_DEVICE_NAME = 263;
}

int ShowCursor(bool show) {
  CurrentPlatform().video->ShowCursor(show);
  return show ? 0 : -1;
}

long mciSendStringA(const std::string& /*command*/, std::string& returnText, long /*returnLength*/,
                    HWND /*callback*/) {
  returnText.clear();
  return MCIERR_INVALID_DEVICE_NAME;
}

long sndPlaySoundA(const std::string& sound, long /*flags*/) {
  return sound.empty() ? 1 : 0;
}

}  // namespace ridgeline
