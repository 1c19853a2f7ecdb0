#!/usr/bin/env bash
# The Windows game under wine, after `make windows` and a native build in
# build/: the scripted runs' traces and pictures against the native game's
# (cross_traces.sh); one windowed run on a virtual X display, from the splash
# screen through the title screen into play, ended by Escape with status 0;
# and the zip unpacked into a fresh folder and played from there, to show
# that it holds everything the game needs.
#
#   tests/windows_check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source cmake/deps/apt.sh
apt_install wine wine64 xvfb x11-utils openbox xdotool
source tests/x_display.sh

# Every wine process of the check shares one prefix, in the build folder.
export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine} WINEDEBUG=${WINEDEBUG:--all}

echo "1. Scripted runs against the native game"
tests/cross_traces.sh windows
# The headless runs' wine session has no display: a window opened in it would
# never reach the X server.
wineserver -k 2> /dev/null || true
wineserver -w
# No sound server on a virtual display: SDL's dummy sound driver.
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null
  wineserver -k 2> /dev/null || true
  stop_x_display
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
start_x_display || exit 1
# Wine starts slowly the first time: two minutes for each step.
WAIT_SECONDS=120
source tests/game_waits.sh
# The trace of a running game is TRACE.part-PID until it ends.
trace_has() {
  local live
  live=$(compgen -G "$1.part-*" | head -n 1)
  grep -q "$2" "${live:-$1}" 2> /dev/null
}

echo "2. A windowed run: splash, title, a key into play, Escape"
wine build-windows/ridgeline.exe --windowed --trace "$work/window.trace" \
  > "$work/window.out" 2> "$work/window.err" &
game=$!
window=$(xdotool search --sync --name '^Ridgeline$' | head -n 1)
wait_for trace_has "$work/window.trace" '"state":0'
wait_for trace_has "$work/window.trace" '"state":3'
# Keys reach the window that has the focus.
xdotool windowactivate --sync "$window"
xdotool key Return
wait_for trace_has "$work/window.trace" '"state":1'
xdotool key Escape
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "the windowed game ended with status $status"
[ -s "$work/window.trace" ] || fail "the windowed game left no trace"
echo "  played $(wc -l < "$work/window.trace") passes, status 0"

echo "3. The zip, unpacked into a fresh folder"
zip=$(ls build-windows/ridgeline-*-windows-x64.zip)
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$OLDPWD/$zip")
game_dir=$(ls -d "$work"/unpacked/ridgeline-*)
script="$PWD/docs/play-screen.script"
build/ridgeline --headless --input "$script" --frames 1580 --trace "$work/native.trace" \
  --dump-frame 1578 "$work/native.bmp"
# Started from elsewhere, as Explorer would: the game finds Data beside itself.
(cd "$work" && wine "$game_dir/ridgeline.exe" --headless --input "$script" --frames 1580 \
  --trace "$work/zip.trace" --dump-frame 1578 "$work/zip.bmp" > zip.out 2> zip.err) ||
  fail "the unpacked game failed"
cmp "$work/native.trace" "$work/zip.trace" || fail "the unpacked game's trace differs"
cmp "$work/native.bmp" "$work/zip.bmp" || fail "the unpacked game's picture differs"
echo "  $(basename "$zip"): $(ls "$game_dir" | tr '\n' ' ')- plays as the native game"
echo "all passed"
