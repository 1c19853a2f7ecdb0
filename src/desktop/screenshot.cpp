#include "desktop/screenshot.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/run_time_error.h"
#include "media/png_file.h"

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
  if (made) throw RunTimeError(dir.string() + ": cannot make it (" + made.message() + ")");
  std::tm local{};
  localtime_r(&now, &local);
  for (int copy = 1; copy <= kMostCopies; ++copy) {
    const std::filesystem::path path = dir / ScreenshotName(local, copy);
    auto failed = [&path](const std::string& why) {
      return RunTimeError(path.string() + ": cannot be written (" + why + ")");
    };
    // "x": made anew or not at all, so that no earlier screenshot is lost.
    std::FILE* out = std::fopen(path.c_str(), "wbx");
    if (!out && errno == EEXIST) continue;
    if (!out) throw failed(std::strerror(errno));
    std::string why;
    try {
      WritePng(picture, out);
    } catch (const RunTimeError& failure) {
      why = failure.what();
    }
    if (std::fclose(out) != 0 && why.empty()) why = std::strerror(errno);
    if (!why.empty()) {
      std::remove(path.c_str());
      throw failed(why);
    }
    return path;
  }
  throw RunTimeError(dir.string() + ": too many screenshots in one second");
}

}  // namespace ridgeline
