#include "common/app_path.h"

#include "common/run_time_error.h"

namespace ridgeline {

namespace {

std::string& Stored() {
  static std::string path;
  return path;
}

}  // namespace

const std::string& AppPath() {
  const std::string& path = Stored();
  if (path.empty()) throw RunTimeError("the game's data folder was never looked up");
  return path;
}

void SetAppPath(std::string path) {
  Stored() = std::move(path);
}

std::string DataFilePath(const DataFile& file) {
  return AppPath() + "/Data/" + std::string(file.path);
}

}  // namespace ridgeline
