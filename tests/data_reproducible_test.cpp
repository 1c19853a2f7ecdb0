// The generator makes the same bytes every time: run it again into a fresh
// directory and compare every file with the build's Data directory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(DataGenerator, MakesTheSameBytesOnEveryRun) {
  const fs::path tool = fs::path(RIDGELINE_BUILD_DIR) / "ridgeline-datagen";
  ASSERT_TRUE(fs::exists(tool));
  const fs::path fresh =
      fs::temp_directory_path() / ("ridgeline-data-" + std::to_string(::getpid()));
  fs::remove_all(fresh);
  const std::string command =
      tool.string() + " " + (fresh / "Data").string() + " " + (fresh / "sheet.bmp").string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  const fs::path built = RIDGELINE_DATA_DIR;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(built)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), built);
    SCOPED_TRACE(relative.string());
    EXPECT_TRUE(Contents(entry.path()) == Contents(fresh / "Data" / relative));
    ++files;
  }
  EXPECT_EQ(files, 19 + 1 + 2 + 1);  // background, sprites, two waves, one MIDI file
  fs::remove_all(fresh);
}

}  // namespace

}  // namespace ridgeline
