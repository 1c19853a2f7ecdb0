// The generator writes exactly the listed data files, the same bytes on every
// run: run it again into a fresh directory and compare with the build's Data
// directory, which the build filled from the same list as CMake read it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "common/data_files.h"
#include "read_file.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

TEST(DataGenerator, WritesTheListedFilesWithTheSameBytesOnEveryRun) {
  const fs::path tool = fs::path(RIDGELINE_BUILD_DIR) / "ridgeline-datagen";
  ASSERT_TRUE(fs::exists(tool));
  const fs::path fresh =
      fs::temp_directory_path() / ("ridgeline-data-" + std::to_string(::getpid()));
  fs::remove_all(fresh);
  const std::string command =
      tool.string() + " " + (fresh / "Data").string() + " " + (fresh / "sheet.bmp").string();
  ASSERT_EQ(std::system(command.c_str()), 0);

  const fs::path built = RIDGELINE_DATA_DIR;
  std::ostringstream listed;
  for (const DataFile& file : kDataFiles) {
    SCOPED_TRACE(file.path);
    const std::string bytes = ReadFile((built / file.path).string());
    EXPECT_FALSE(bytes.empty());
    EXPECT_TRUE(bytes == ReadFile((fresh / "Data" / file.path).string()));
    listed << (listed.tellp() > 0 ? "," : "") << file.path;
  }
  // Nothing else, and CMake read the same list.
  const auto count = [](const fs::path& dir) {
    long files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      files += entry.is_regular_file();
    return files;
  };
  EXPECT_EQ(count(fresh / "Data"), std::ssize(kDataFiles));
  EXPECT_EQ(listed.str(), RIDGELINE_DATA_FILES);
  fs::remove_all(fresh);
}

}  // namespace

}  // namespace ridgeline
