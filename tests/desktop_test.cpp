// What the game keeps on the player's desktop: its settings file and the
// screenshots, and where both go.

#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include <SDL.h>

#include "desktop/screenshot.h"
#include "desktop/settings_file.h"
#include "desktop/user_dirs.h"
#include "fixture_data.h"
#include "media/directx/sdl_picture.h"
#include "read_file.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

const Settings kChanged = [] {
  Settings settings{false, 3, 40, true, false, LaptopKeys()};
  settings.board = "http://127.0.0.1:8080";
  settings.playerName = "Zo\u00eb = 1st";
  return settings;
}();

// kChanged's controls, with Space and J to fire and the pad's Y to jump.
Settings WithOwnControls() {
  Settings settings{false, 3, 40, true, false};
  settings.controls.lists[Controls::Fire] = {SDLK_SPACE, SDLK_j};
  settings.controls.lists[Controls::PadJump] = {SDL_CONTROLLER_BUTTON_Y};
  return settings;
}

TEST(Settings, ReadBackAsWrittenAndEveryMissingOrBrokenOneTakesItsDefault) {
  const ReadSettings written = ParseSettings(FormatSettings(kChanged));
  EXPECT_EQ(written.settings, kChanged);
  EXPECT_EQ(written.problem, "");

  const Settings defaults;
  struct Case {
    std::string text;
    Settings settings;
    const char* problem;
  };
  const Case cases[] = {
      {"", defaults, "fullscreen is missing (and 4 more)"},
      {"fullscreen=no\nscale =3\n  volume = 40 \nmute = yes\r\nautopause = off\n"
       "key.left = a\nkey.right = D\nkey.jump = W\nkey.fire = J, K\n"
       "board = http://127.0.0.1:8080\nname = Zo\u00eb = 1st \n",
       kChanged, ""},
      {"fullscreen=no\nscale =3\nvolume = 40\nmute = yes\nautopause = off\n"
       "key.fire = Space,J\npad.jump = Y\n",
       WithOwnControls(), ""},
      // Keys the desktop keeps, three keys, no key: the defaults stand.
      {"fullscreen=no\nscale =3\nvolume = 40\nmute = yes\nautopause = off\n"
       "key.fire = Escape\nkey.left = A, B, C\nkey.jump =\npad.fire = start\n",
       Settings{false, 3, 40, true, false},
       "line 6: key.fire needs one or two key names (Escape, Return, Pause, F9, F11 and F12 are "
       "taken) (and 3 more)"},
      {"fullscreen = no\nscale = 3\nvolume = 140\nmute = yes\nautopause = no\n",
       Settings{false, 3, 100, true, false}, "line 3: volume needs a whole number from 0 to 100"},
      {"# comment\n\nfullscreen = maybe\nscale = 17\nvolume = 40\nmute = yes\nautopause = no\n",
       Settings{true, 0, 40, true, false}, "line 3: fullscreen needs yes or no (and 1 more)"},
      {"colour = blue\nfullscreen = no\nscale = 3\nvolume = 40\nmute = yes\nautopause = no\n",
       Settings{false, 3, 40, true, false}, "line 1: no such setting"},
      {std::string("\x89PNG\r\n\x1a\n\0\x01", 10), defaults,
       "line 1: not a setting (name = value) (and 7 more)"},
  };
  for (const Case& c : cases) {
    const ReadSettings read = ParseSettings(c.text);
    EXPECT_EQ(read.settings, c.settings) << c.text;
    EXPECT_EQ(read.problem, c.problem) << c.text;
  }
}

// A directory of the test's own, with the variables that place the
// player's directories put back afterwards.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = TempDir("settings");
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name, value->c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
    fs::remove_all(dir_);
  }

  static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_PICTURES_DIR"};
  fs::path dir_;
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(SettingsFileTest, SurvivesARestartAndABrokenOrMissingFileNeverStopsTheGame) {
  const fs::path file = dir_ / "config/ridgeline/settings.ini";
  std::string warning;
  // Not there yet: the defaults, written for the player to find.
  EXPECT_EQ(LoadSettings(file, warning), Settings{});
  EXPECT_NE(warning.find("was not there"), std::string::npos) << warning;
  EXPECT_EQ(ReadFile(file), FormatSettings(Settings{}));

  std::string error;
  ASSERT_TRUE(SaveSettings(file, kChanged, error)) << error;
  warning.clear();
  EXPECT_EQ(LoadSettings(file, warning), kChanged);
  EXPECT_EQ(warning, "");
  // Written beside it and renamed: nothing else is left in the directory.
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);
  // A link stays a link, and the file it names takes the change.
  fs::rename(file, dir_ / "kept.ini");
  fs::create_symlink(dir_ / "kept.ini", file);
  ASSERT_TRUE(SaveSettings(file, Settings{}, error)) << error;
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(ReadFile(dir_ / "kept.ini"), FormatSettings(Settings{}));
  ASSERT_TRUE(SaveSettings(file, kChanged, error)) << error;

  std::ofstream(file, std::ios::binary) << "volume = 40\nmute = \xff\xfe\n";
  EXPECT_EQ(LoadSettings(file, warning), (Settings{true, 0, 40, false, true}));
  EXPECT_EQ(warning, file.string() +
                         ": line 2: mute needs yes or no (and 3 more); the defaults stand in for "
                         "what could not be read");

  // Something other than a file in its place; a directory that cannot be made.
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_EQ(LoadSettings(file, warning), Settings{});
  EXPECT_NE(warning.find("cannot be read (Is a directory)"), std::string::npos) << warning;
  std::ofstream(dir_ / "plain") << "a file, not a directory";
  EXPECT_FALSE(SaveSettings(dir_ / "plain/settings.ini", kChanged, error));
  EXPECT_TRUE(error.starts_with((dir_ / "plain/settings.ini").string() + ": settings not saved"))
      << error;
}

TEST_F(SettingsFileTest, KeepsTheFilesWhereTheXdgDirectoriesSay) {
  const fs::path home = dir_ / "home";
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("XDG_PICTURES_DIR");
  EXPECT_EQ(SettingsFile(), home / ".config/ridgeline/settings.ini");
  EXPECT_EQ(ScreenshotDir(), home / "Pictures/Ridgeline");

  fs::create_directories(home / ".config");
  std::ofstream(home / ".config/user-dirs.dirs")
      << "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  EXPECT_EQ(ScreenshotDir(), home / "Bilder/Ridgeline");
  // Read as the XDG rules say: $HOME only at the start and before a slash,
  // a backslash keeping the character after it; anything else is not read.
  const std::pair<std::string, fs::path> values[] = {
      {"\"$HOMEX/Bilder\"", home / "Pictures"},
      {"\"$HOME\"", home},
      {"\"/srv/my \\\"pics\\\"\"", "/srv/my \"pics\""},
      {"\"/srv/open", home / "Pictures"},
  };
  for (const auto& [value, pictures] : values) {
    std::ofstream(home / ".config/user-dirs.dirs") << "XDG_PICTURES_DIR=" << value << "\n";
    EXPECT_EQ(ScreenshotDir(), pictures / "Ridgeline") << value;
  }
  // Neither a pipe that nobody writes nor an endless device is waited for.
  fs::remove(home / ".config/user-dirs.dirs");
  ASSERT_EQ(::mkfifo((home / ".config/user-dirs.dirs").c_str(), 0600), 0);
  EXPECT_EQ(ScreenshotDir(), home / "Pictures/Ridgeline");
  fs::remove(home / ".config/user-dirs.dirs");
  fs::create_symlink("/dev/zero", home / ".config/user-dirs.dirs");
  EXPECT_EQ(ScreenshotDir(), home / "Pictures/Ridgeline");

  setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
  setenv("XDG_PICTURES_DIR", (dir_ / "shots").c_str(), 1);
  EXPECT_EQ(SettingsFile(), dir_ / "config/ridgeline/settings.ini");
  EXPECT_EQ(ScreenshotDir(), dir_ / "shots/Ridgeline");
  // A relative path is not a directory to go by.
  setenv("XDG_CONFIG_HOME", "config", 1);
  EXPECT_EQ(SettingsFile(), home / ".config/ridgeline/settings.ini");
  unsetenv("HOME");
  EXPECT_EQ(SettingsFile(), fs::path());
}

// The RGB bytes of a PNG file, row after row.
std::vector<unsigned char> PngPixels(const fs::path& file, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<unsigned char> pixels;
  if (png_image_begin_read_from_file(&image, file.c_str())) {
    image.format = PNG_FORMAT_RGB;
    pixels.resize(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
  }
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return pixels;
}

TEST_F(SettingsFileTest, ScreenshotsAreThePicturesColoursAndNeverReplaceOneAnother) {
  SdlSurfacePtr picture = NewPicture(640, 480);
  for (int y = 0; y < 480; ++y) {
    SDL_Rect row{0, y, 640, 1};
    SDL_FillRect(picture.get(), &row, SDL_MapRGB(picture->format, y / 2, 255 - y / 2, 77));
  }
  std::tm when{};
  when.tm_year = 125;
  when.tm_mon = 0;
  when.tm_mday = 31;
  when.tm_hour = 14;
  when.tm_min = 5;
  when.tm_sec = 9;
  EXPECT_EQ(ScreenshotName(when, 1), "ridgeline-2025-01-31_14-05-09.png");
  EXPECT_EQ(ScreenshotName(when, 2), "ridgeline-2025-01-31_14-05-09-2.png");

  const std::time_t now = std::time(nullptr);
  const fs::path first = SaveScreenshot(ViewOf(*picture), dir_ / "Ridgeline", now);
  const fs::path second = SaveScreenshot(ViewOf(*picture), dir_ / "Ridgeline", now);
  EXPECT_NE(first, second);
  EXPECT_EQ(ReadFile(first), ReadFile(second));

  int width = 0;
  int height = 0;
  const std::vector<unsigned char> pixels = PngPixels(first, width, height);
  ASSERT_EQ(width, 640);
  ASSERT_EQ(height, 480);
  // The colours SDL gives the picture in 24 bits, as a saved BMP has them.
  SdlSurfacePtr rgb(SDL_ConvertSurfaceFormat(picture.get(), SDL_PIXELFORMAT_RGB24, 0));
  for (int y = 0; y < 480; ++y) {
    const auto* row = static_cast<const unsigned char*>(rgb->pixels) + y * rgb->pitch;
    ASSERT_TRUE(std::equal(row, row + 640 * 3, pixels.begin() + y * 640 * 3)) << "row " << y;
  }
}

}  // namespace

}  // namespace ridgeline
