#include "media/directx/directx.h"

#include "common/run_time_error.h"
#include "media/platform/platform.h"

namespace ridgeline {

std::unique_ptr<DirectX7> DirectX;

namespace {
void RequireDefaultDevice(const std::string& device) {
  if (!device.empty()) throw RunTimeError("no device named \"" + device + "\"");
}
}  // namespace

std::unique_ptr<DirectDraw7> DirectX7::DirectDrawCreate(const std::string& device) {
  RequireDefaultDevice(device);
  return std::make_unique<DirectDraw7>(CurrentPlatform());
}

std::unique_ptr<DirectSound7> DirectX7::DirectSoundCreate(const std::string& device) {
  RequireDefaultDevice(device);
  return std::make_unique<DirectSound7>(CurrentPlatform());
}

}  // namespace ridgeline
