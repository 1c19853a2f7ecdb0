#include "desktop/screenshot.h"

#include "common/file_system.h"
#include "common/path_text.h"
#include "common/run_time_error.h"
#include "media/files/png_file.h"

namespace ridgeline {

namespace {

// More screenshots than anyone takes in one second.
constexpr int kMostCopies = 100;

}  // namespace

std::string ScreenshotName(const std::tm& when, int copy) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &when);
  std::string name = "ridgeline-";
  name += stamp;
  if (copy > 1) name += '-' + std::to_string(copy);
  return name + ".png";
}

std::filesystem::path SaveScreenshot(const FrameView& picture, const std::filesystem::path& dir,
                                     std::time_t now) {
  std::error_code made;
  std::filesystem::create_directories(dir, made);
  if (made) throw RunTimeError(Utf8FromPath(dir) + ": cannot make it (" + made.message() + ")");
  // The one thread that reads the clock: the shared result is safe here.
  const std::tm* clock = std::localtime(&now);
  if (!clock) throw RunTimeError("the time of day is out of range");
  const std::tm local = *clock;
  // Made anew or not at all, so that no earlier screenshot is lost, and whole
  // or not at all, so that a full disk leaves no cut picture behind.
  const auto nameOf = [&local](int copy) { return ScreenshotName(local, copy); };
  std::string why;
  const auto path = WriteNewFileWhole(dir, nameOf, kMostCopies, PngBytes(picture), why);
  if (!path)
    throw RunTimeError(Utf8FromPath(dir / PathFromUtf8(nameOf(1))) + ": cannot be written (" + why +
                       ")");
  return *path;
}

}  // namespace ridgeline
