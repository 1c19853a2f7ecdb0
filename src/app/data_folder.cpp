#include "app/data_folder.h"

#include <filesystem>
#include <system_error>

#include "app/program_folder.h"
#include "common/path_text.h"

namespace ridgeline {

namespace fs = std::filesystem;

std::optional<std::string> FindAppPath(std::string& error) {
  const auto folder = ProgramFolder(error);
  if (!folder) return std::nullopt;
  const fs::path& beside = *folder;
  const fs::path installed = (beside.parent_path() / "share" / "ridgeline").lexically_normal();
  for (const fs::path& candidate : {beside, installed}) {
    std::error_code failure;
    if (fs::is_directory(candidate / "Data", failure)) return Utf8FromPath(candidate);
  }
  error = "no game data in " + Utf8FromPath(beside / "Data") + " nor in " +
          Utf8FromPath(installed / "Data");
  return std::nullopt;
}

}  // namespace ridgeline
