#include "desktop/screenshot.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_system.h"
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
  if (made) throw RunTimeError(dir.string() + ": cannot make it (" + made.message() + ")");
  // The one thread that reads the clock: the shared result is safe here.
  const std::tm* clock = std::localtime(&now);
  if (!clock) throw RunTimeError("the time of day is out of range");
  const std::tm local = *clock;
  for (int copy = 1; copy <= kMostCopies; ++copy) {
    const std::filesystem::path path = dir / ScreenshotName(local, copy);
    auto failed = [&path](const std::string& why) {
      return RunTimeError(path.string() + ": cannot be written (" + why + ")");
    };
    // Made anew or not at all, so that no earlier screenshot is lost.
    const int descriptor = CreateNewFile(path);
    if (descriptor < 0 && errno == EEXIST) continue;
    if (descriptor < 0) throw failed(std::strerror(errno));
    std::FILE* out = StreamOn(descriptor, "wb");
    if (!out) {
      const int number = errno;
      CloseDescriptor(descriptor);
      std::filesystem::remove(path, made);
      throw failed(std::strerror(number));
    }
    std::string why;
    try {
      WritePng(picture, out);
    } catch (const RunTimeError& failure) {
      why = failure.what();
    }
    if (std::fclose(out) != 0 && why.empty()) why = std::strerror(errno);
    if (!why.empty()) {
      std::filesystem::remove(path, made);
      throw failed(why);
    }
    return path;
  }
  throw RunTimeError(dir.string() + ": too many screenshots in one second");
}

}  // namespace ridgeline
