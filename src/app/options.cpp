#include "app/options.h"

#include "common/whole_number.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

// The number after an option, when one follows.
template <typename Number>
bool ParseNumber(const std::string* text, Number& value) {
  const auto number = text ? WholeNumber<Number>(*text) : std::nullopt;
  if (number) value = *number;
  return number.has_value();
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto next = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    auto bad = [&](const std::string& what) {
      error = arg + " needs " + what;
      return std::nullopt;
    };
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--windowed" || arg == "--fullscreen") {
      options.fullScreen = arg == "--fullscreen";
    } else if (arg == "--mute") {
      options.mute = true;
    } else if (arg == "--no-autopause") {
      options.noAutopause = true;
    } else if (arg == "--stats") {
      options.stats = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--frames") {
      if (!ParseNumber(next(), options.frames) || options.frames < 1)
        return bad("a number of passes");
    } else if (arg == "--scale") {
      int scale = 0;
      if (!ParseNumber(next(), scale) || scale < 1 || scale > kLargestScale) {
        return bad("a whole factor from 1 to " + std::to_string(kLargestScale));
      }
      options.scale = scale;
    } else if (arg == "--volume") {
      int volume = 0;
      if (!ParseNumber(next(), volume) || volume < 0 || volume > 100) {
        return bad("a level from 0 to 100");
      }
      options.volume = volume;
    } else if (arg == "--seed") {
      std::uint64_t seed = 0;
      if (!ParseNumber(next(), seed)) return bad("a whole number");
      options.seed = seed;
    } else if (arg == "--scores") {
      options.scores = true;
    } else if (arg == "--input" || arg == "--record" || arg == "--trace") {
      const std::string* file = next();
      if (!file || file->empty()) return bad("a file");
      (arg == "--input"    ? options.input
       : arg == "--record" ? options.record
                           : options.trace) = *file;
    } else if (arg == "--verify" || arg == "--watch" || arg == "--submit") {
      const std::string* replay = next();
      if (!replay || replay->empty()) return bad("a file or a rank");
      (arg == "--verify"  ? options.verify
       : arg == "--watch" ? options.watch
                          : options.submit) = *replay;
    } else if (arg == "--board" || arg == "--name") {
      const std::string* text = next();
      if (!text || text->empty()) return bad(arg == "--board" ? "a board's address" : "a name");
      (arg == "--board" ? options.board : options.name) = *text;
    } else if (arg == "--dump-frame") {
      long pass = 0;
      const std::string* passText = next();
      const std::string* file = next();
      if (!ParseNumber(passText, pass) || pass < 0 || !file || file->empty()) {
        return bad("a pass number and a file");
      }
      options.dumpFrames.emplace_back(pass, *file);
    } else {
      error = "unknown option " + arg + " (see --help)";
      return std::nullopt;
    }
  }
  // Options that size a window mean nothing without one: a mistake to say.
  if (options.headless && (options.fullScreen || options.scale)) {
    error = std::string(options.fullScreen ? (*options.fullScreen ? "--fullscreen" : "--windowed")
                                           : "--scale") +
            " needs a window: not with --headless";
    return std::nullopt;
  }
  // A replay is played as it stands, by itself.
  const bool replay = !options.verify.empty() || !options.watch.empty();
  if ((replay || options.scores) &&
      (!options.input.empty() || !options.record.empty() || !options.trace.empty() ||
       options.seed || options.frames || !options.dumpFrames.empty() ||
       (options.scores + !options.verify.empty() + !options.watch.empty() > 1))) {
    error = "--scores, --verify and --watch go alone (with --stats or --scale at most)";
    return std::nullopt;
  }
  // Sending a kept game plays nothing.
  if ((options.board || options.name) && options.submit.empty()) {
    error = "--board and --name go with --submit";
    return std::nullopt;
  }
  Options alone;
  alone.submit = options.submit;
  alone.board = options.board;
  alone.name = options.name;
  if (!options.submit.empty() && !(options == alone)) {
    error = "--submit goes alone (with --board and --name at most)";
    return std::nullopt;
  }
  // Watching ends only by Escape at the window.
  if (!options.watch.empty() && options.headless) {
    error = "--watch shows the game in a window: leave out --headless";
    return std::nullopt;
  }
  // Checked without a window or sound; watched in a window.
  if (!options.verify.empty()) options.headless = true;
  if (!options.watch.empty() && !options.fullScreen) options.fullScreen = false;
  return options;
}

std::string Usage() {
  return "Usage: ridgeline [options]\n"
         "Play (each changes the settings kept in $XDG_CONFIG_HOME/ridgeline/settings.ini,\n"
         "~/.config/ridgeline/settings.ini by default, for this run only):\n"
         "  --fullscreen          play full screen\n"
         "  --windowed            play in a window\n"
         "  --scale N             make the window N times 640 x 480 (1 to 16), as far\n"
         "                        as the desktop holds it\n"
         "  --volume N            sound level from 0 to 100\n"
         "  --mute                play without sound, opening no sound device\n"
         "  --no-autopause        play on while the window is away (for recording videos)\n"
         "  --stats               print frame timing, CPU time and memory on exit\n"
         "Runs that repeat (neither reads nor writes the settings):\n"
         "  --headless            no window, no sound device, no pacing; needs --frames\n"
         "                        unless the input ends the game (a click or Escape)\n"
         "  --frames N            end after N passes of the frame loop\n"
         "  --seed N              fix the clock that places the enemies, so runs repeat\n"
         "  --input FILE          take the input from a script\n"
         "  --record FILE         write this run's input as a script\n"
         "  --trace FILE          write the game state after every pass (JSON Lines,\n"
         "                        about 1 KB a pass: 1 GB per million passes)\n"
         "  --dump-frame N FILE   save the frame shown in pass N as a BMP, or a PNG\n"
         "                        where FILE ends in .png (repeatable)\n"
         "  --scores              list the ten best games kept, with their replays\n"
         "  --verify FILE|N       replay a kept game (or rank N) and check its score\n"
         "  --watch FILE|N        show a kept game (or rank N) in a window; Escape ends\n"
         "  --submit FILE|N       send a kept game (or rank N) to a score board, which\n"
         "                        plays it again; print its rank there or why not\n"
         "  --board URL           the board to send it to (http://host:port)\n"
         "  --name NAME           the name it goes under on the board; both are kept in\n"
         "                        settings.ini for the next time\n"
         "  --help                show this text\n"
         "  --version             show the version\n"
         "Game keys: Left and Right run, Up jumps, Space fires; any key leaves the title\n"
         "  screen, and starts again after a game over; Backspace ends the game while\n"
         "  playing and after a game over.\n"
         "The menu: Escape, a click or Pause opens it over the paused game, and Escape\n"
         "  resumes; its pages set the keys, pad buttons, sound, display and pause when\n"
         "  away, and list the best games; Q quits. In runs from a script, Escape or a\n"
         "  click ends the game.\n"
         "Keys of your own, in settings.ini: key.left, key.right, key.jump and key.fire\n"
         "  take up to two SDL key names each (key.fire = Space, J); pad.jump and\n"
         "  pad.fire take SDL game-controller button names (pad.fire = b).\n"
         "Platform keys, which the game never sees and which cannot be bound: Escape;\n"
         "  Alt+Enter or F11 switch between full screen and a window; Pause opens the\n"
         "  menu (leaving the window pauses too); F9 turns the sound off and on; F12\n"
         "  saves the picture in $XDG_PICTURES_DIR/Ridgeline (~/Pictures/Ridgeline).\n"
         "Game pads: the d-pad or the left stick run and jump (Up); A jumps; B or X\n"
         "  fires; Start is Return; Back opens the menu.\n";
}

}  // namespace ridgeline
