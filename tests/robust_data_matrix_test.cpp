// Every data file the game loads, in every form a broken download, a modder or
// a hostile file could give it: a file the game can read loads and the game
// plays; any other ends start-up through ShutDown with status 1 and one line
// naming the file. Never a crash, and never more than 256 MB held by SDL.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include "common/data_files.h"
#include "fixture_data.h"
#include "game/state.h"
#include "headless_game.h"
#include "media/directx/display.h"
#include "media/directx/sound.h"
#include "media/platform/platform.h"
#include "read_file.h"
#include "robust_alloc_meter.h"
#include "robust_bitmap_forms.h"
#include "robust_wave_forms.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMemoryLimit = 256u << 20;
// The splash, the title, then a few frames of play with a shot in flight.
constexpr long kPasses = 110;
constexpr long kTitleFrame = 102;
constexpr int kSpace = 32;

struct DataCase {
  std::string form;                     // what was done to the file
  std::optional<std::string> contents;  // nothing: the file is missing
  bool valid = false;
  std::function<void()> verify;  // for a valid case: what must have been loaded
  // For a file that is not a regular one: puts it at the path, and the
  // reason that the message must give.
  std::function<void(const std::string& path)> place;
  std::string reason;
};

DataCase Refused(std::string form, std::optional<std::string> contents) {
  return DataCase{std::move(form), std::move(contents), false, {}, {}, {}};
}

DataCase Loads(std::string form, std::string contents, std::function<void()> verify) {
  return DataCase{std::move(form), std::move(contents), true, std::move(verify), {}, {}};
}

DataCase Placed(std::string form, std::function<void(const std::string&)> place,
                std::string reason) {
  return DataCase{std::move(form), std::nullopt, false, {}, std::move(place), std::move(reason)};
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

std::string FixtureFile(const DataFile& file) {
  return ReadFile(HeadlessGame::FixtureAppPath() + "/Data/" + std::string(file.path));
}

// A copy of the fixture data that the cases change one file at a time.
std::string CopyOfFixtureData() {
  const std::string dir = TempDir("matrix");
  fs::copy(HeadlessGame::FixtureAppPath() + "/Data", dir + "/Data", fs::copy_options::recursive);
  return dir;
}

std::string Patched(std::string bytes, std::size_t at, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

std::vector<DataCase> DamagedCases(const std::string& original, const std::string& foreign,
                                   unsigned seed) {
  std::vector<DataCase> cases{Refused("missing", std::nullopt), Refused("empty", "")};
  for (int eighth = 1; eighth <= 7; ++eighth) {
    cases.push_back(Refused("cut at " + std::to_string(eighth) + "/8",
                            original.substr(0, original.size() * eighth / 8)));
  }
  std::mt19937 random(seed);
  std::string noise(original.size(), '\0');
  for (char& c : noise) c = static_cast<char>(random());
  cases.push_back(Refused("random bytes", noise));
  cases.push_back(Refused("another kind of file", foreign));

  // Not regular files: refused without reading, as the system names them. A
  // FIFO would otherwise hold the start-up for ever, waiting for a writer.
  cases.push_back(Placed(
      "a directory", [](const std::string& path) { fs::create_directory(path); },
      "Is a directory"));
  cases.push_back(Placed(
      "a FIFO", [](const std::string& path) { mkfifo(path.c_str(), 0644); },
      "a FIFO, not a regular file"));
  cases.push_back(Placed(
      "a loop of symbolic links", [](const std::string& path) { fs::create_symlink(path, path); },
      "Too many levels of symbolic links"));
  // The superuser reads it all the same: the case tells nothing then.
  if (geteuid() != 0) {
    cases.push_back(Placed(
        "no permission to read",
        [original](const std::string& path) {
          WriteFile(path, original);
          fs::permissions(path, fs::perms::none);
        },
        "Permission denied"));
  }
  return cases;
}

// The surface that the game loads the bitmap file `file` into.
SDL_Surface& LoadedPicture(const DataFile& file) {
  if (file.role == DataRole::Background) return BackgroundSurface->Pixels();
  return Sprite(file.Kind(), file.frame)->Pixels();
}

std::vector<DataCase> BitmapCases(const DataFile& file, const std::string& original) {
  auto cases =
      DamagedCases(original, FixtureFile(SoundFile(0)), std::hash<std::string_view>()(file.path));

  const Picture picture =
      ReadPicture(HeadlessGame::FixtureAppPath() + "/Data/" + std::string(file.path));
  const std::string plain = EncodeBitmap(picture, BitmapForm::BottomUp24);
  cases.push_back(Refused("60000 x 60000 claimed", Patched(Patched(plain, kBitmapWidthAt, 60000, 4),
                                                           kBitmapHeightAt, 60000, 4)));
  cases.push_back(
      Refused("60000 x -60000 claimed",
              Patched(Patched(plain, kBitmapWidthAt, 60000, 4), kBitmapHeightAt, -60000u, 4)));
  cases.push_back(Refused("zero width", Patched(plain, kBitmapWidthAt, 0, 4)));
  cases.push_back(Refused("zero height", Patched(plain, kBitmapHeightAt, 0, 4)));
  cases.push_back(Refused("7 bits a pixel", Patched(plain, kBitmapDepthAt, 7, 2)));
  cases.push_back(Refused("64 bits a pixel", Patched(plain, kBitmapDepthAt, 64, 2)));

  auto loads = [&](const std::string& form, BitmapForm encoding, const Picture& shown) {
    cases.push_back(
        Loads(form, EncodeBitmap(shown, encoding), [file, expected = DisplayPixels(shown)] {
          EXPECT_EQ(SurfacePixels(LoadedPicture(file)), expected);
        }));
  };
  loads("24 bits, rows from the bottom", BitmapForm::BottomUp24, picture);
  loads("24 bits, rows from the top", BitmapForm::TopDown24, picture);
  loads("8-bit palette", BitmapForm::Palette8, InPalette(picture));
  loads("32 bits", BitmapForm::Bits32, picture);
  return cases;
}

std::vector<DataCase> WaveCases(const DataFile& file, const std::string& original) {
  auto cases = DamagedCases(original, FixtureFile(BackgroundFile()),
                            std::hash<std::string_view>()(file.path));

  const std::string plain = EncodeWave(WaveForm{.frames = 2205});
  cases.push_back(Refused("2 GB of sound claimed", Patched(plain, kWaveDataSizeAt, 0x7FFFFFF0, 4)));
  cases.push_back(Refused("a rate of 1 Hz", Patched(plain, kWaveRateAt, 1, 4)));
  cases.push_back(Refused("a rate of 0 Hz", Patched(plain, kWaveRateAt, 0, 4)));
  cases.push_back(Refused("no channels", Patched(plain, kWaveChannelsAt, 0, 2)));

  auto loads = [&](const std::string& form, const WaveForm& wave) {
    cases.push_back(Loads(form, EncodeWave(wave), [slot = file.slot, seconds = wave.Seconds()] {
      EXPECT_NEAR(SoundBuffer(slot)->Seconds(), seconds, 1.0 / 48000);
    }));
  };
  loads("8 bits, mono, 11025 Hz",
        WaveForm{.channels = 1, .rate = 11025, .bitsPerSample = 8, .frames = 5000});
  loads("16 bits, stereo, 44100 Hz", WaveForm{.channels = 2, .rate = 44100, .frames = 44100});
  loads("floating point, mono, 48000 Hz",
        WaveForm{.formatTag = 3, .rate = 48000, .bitsPerSample = 32, .frames = 12000});
  loads("a chunk before the sound", WaveForm{.frames = 22050, .chunkBeforeData = true});
  loads("no sound at all", WaveForm{.frames = 0});
  return cases;
}

std::vector<DataCase> CasesFor(const DataFile& file, const std::string& original) {
  return file.role == DataRole::Sound ? WaveCases(file, original) : BitmapCases(file, original);
}

// Runs the game on the data under `appPath`, where `path` now holds case `c`, as far as
// a few frames of play: once the title is shown, one key starts play and
// another fires.
void RunCase(const DataCase& c, const std::string& appPath, const std::string& path) {
  HeadlessGame game(appPath);
  long shown = 0;
  CurrentPlatform().frameShown.push_back([&](const FrameView&) {
    ++shown;
    if (shown == kTitleFrame || shown == kTitleFrame + 2) {
      game.Video().Push(WindowEvent{WindowEvent::Kind::KeyDown, kSpace});
    }
  });
  testing::internal::CaptureStderr();
  int status = 0;
  std::size_t peak = 0;
  {
    SdlAllocationMeter meter;
    status = game.Run(kPasses);
    peak = meter.PeakBytes();
  }
  const std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_LE(peak, kMemoryLimit);
  if (c.valid) {
    EXPECT_EQ(status, 0) << messages;
    EXPECT_EQ(shown, kPasses);
    EXPECT_EQ(Game.GameState, GameState::Play);
    EXPECT_TRUE(Game.ShotsActive);
    c.verify();
  } else {
    EXPECT_EQ(status, 1);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages;
    EXPECT_NE(messages.find(path), std::string::npos) << messages;
    EXPECT_NE(messages.find(c.reason), std::string::npos) << messages;
    EXPECT_TRUE(game.Video().CursorShown());
  }
}

class DataMatrix : public ::testing::TestWithParam<DataFile> {};

TEST_P(DataMatrix, EveryFormPlaysOrEndsStartUpNamingTheFile) {
  const DataFile& file = GetParam();
  const std::string appPath = CopyOfFixtureData();
  const std::string path = appPath + "/Data/" + std::string(file.path);
  const std::string original = ReadFile(path);
  const std::vector<DataCase> cases = CasesFor(file, original);
  for (const DataCase& c : cases) {
    SCOPED_TRACE(std::string(file.path) + ", " + c.form);
    fs::remove_all(path);
    if (c.place) {
      c.place(path);
    } else if (c.contents) {
      WriteFile(path, *c.contents);
    }
    RunCase(c, appPath, path);
  }
  fs::remove_all(appPath);
  RecordProperty("cases", static_cast<int>(cases.size()));
}

// Every file the game loads; it never opens the MIDI file.
std::vector<DataFile> LoadedFiles() {
  std::vector<DataFile> files;
  for (const DataFile& file : kDataFiles) {
    if (file.role != DataRole::Midi) files.push_back(file);
  }
  return files;
}

INSTANTIATE_TEST_SUITE_P(DataFiles, DataMatrix, ::testing::ValuesIn(LoadedFiles()),
                         [](const testing::TestParamInfo<DataFile>& info) {
                           std::string id(info.param.path);
                           for (char& c : id)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return id;
                         });

}  // namespace

}  // namespace ridgeline
