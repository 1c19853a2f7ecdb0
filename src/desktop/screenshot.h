#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "media/directx/frame_view.h"

namespace ridgeline {

// The name of a screenshot taken at local time `when`, as the `copy`th of
// that second (1 for the first): ridgeline-2025-01-31_14-05-09.png, then
// ridgeline-2025-01-31_14-05-09-2.png.
std::string ScreenshotName(const std::tm& when, int copy);

// Saves `picture`, a frame shown, as a PNG file in `dir`, made if needed, named for the local
// time `now` and never over an existing file. Returns the file's path;
// throws RunTimeError when it cannot be saved.
std::filesystem::path SaveScreenshot(const FrameView& picture, const std::filesystem::path& dir,
                                     std::time_t now);

}  // namespace ridgeline
