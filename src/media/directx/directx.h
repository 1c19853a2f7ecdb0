#pragma once

#include <memory>
#include <string>

#include "media/directx/directdraw.h"
#include "media/directx/directsound.h"

namespace ridgeline {

// The root object from which the display and sound objects of the default
// devices are created, over the current platform's drivers.
class DirectX7 {
 public:
  std::unique_ptr<DirectDraw7> DirectDrawCreate(const std::string& device);
  std::unique_ptr<DirectSound7> DirectSoundCreate(const std::string& device);
};

// Created on first use by InitSound or InitDisplay; shared by both.
extern std::unique_ptr<DirectX7> DirectX;

}  // namespace ridgeline
