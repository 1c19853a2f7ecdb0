# Sourced by the tests that play the game at a window of a virtual X display:
# a scratch folder $work, a home of the test's own there (for the window
# manager's files and the player's settings and pictures), the X display of
# x_display.sh, and an EXIT trap that ends the game ($game, when set), the
# display, and removes $work. $source is the source folder, and $screen,
# when set, the screen as start_x_display takes it. Sets $settings, the
# player's settings.ini, and gives game_waits.sh's helpers and those of the
# trace and the window below.
work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
  XDG_DATA_HOME="$work/data" XDG_PICTURES_DIR="$work/pictures" SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" "$XDG_CONFIG_HOME/ridgeline"
# For a build with sanitizers: what system libraries keep is not a leak.
export LSAN_OPTIONS="suppressions=$source/tests/lsan_system.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
source "$source/tests/x_display.sh"
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null
  stop_x_display
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
start_x_display ${screen:+"$screen"} || exit 1
settings="$XDG_CONFIG_HOME/ridgeline/settings.ini"
source "$source/tests/game_waits.sh"

# A running game writes its trace as TRACE.part-PID and puts it in place at
# the end: the passes run so far.
passes() {
  local live
  live=$(compgen -G "$1.part-*" | head -n 1)
  wc -l < "${live:-$1}"
}
more_passes_than() { [ "$(passes "$1")" -gt "$2" ]; }
# The trace stops growing: the same count of passes over half a second.
stopped() {
  local before
  before=$(passes "$1")
  sleep 0.5
  [ "$(passes "$1")" -eq "$before" ]
}
# Keys to the game's window, $window.
key() { xdotool key --window "$window" "$@"; }
# Waits for the game ($game) to end, which must be with status 0.
finish() {
  local status=0
  wait "$game" || status=$?
  game=
  [ "$status" -eq 0 ] || fail "the game ended with status $status"
}
