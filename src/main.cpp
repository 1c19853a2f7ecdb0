#include <SDL.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "media/media.h"
#include "shell/form1.h"
#include "shell/frame_loop.h"
#include "shell/options.h"
#include "shell/platform_choice.h"
#include "shell/shutdown.h"

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "ridgeline: %s\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("ridgeline " RIDGELINE_VERSION);
    return 0;
  }

  int status = 0;
  try {
    SetPlatform(MakePlatform(*options));
    SetPassLimit(options->frames);
    Form1.Form_Load();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  } catch (const std::exception& failure) {
    // A failure while shutting down, after the error trap has already run.
    std::fprintf(stderr, "ridgeline: %s\n", failure.what());
    status = 1;
  }
  ReleaseMedia();
  SDL_Quit();
  return status;
}
