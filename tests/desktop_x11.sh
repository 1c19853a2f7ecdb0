#!/usr/bin/env bash
# The game at a desktop, on a virtual X display with a window manager:
# Alt+Enter and F11 switch full screen (as the window manager records it),
# F11 on the title screen starts no game, a minimised game runs no passes
# until it is restored, F12 saves the picture that --dump-frame saves of the
# same pass, the desktop's keys leave a scripted run's trace as it was, and
# the settings survive a restart and a broken file.
#
#   tests/desktop_x11.sh BUILD_DIR SOURCE_DIR
#
# Needs Xvfb, openbox, xdotool and xprop; without them it is skipped (77).
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
source=$(cd "${2:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
for tool in Xvfb openbox xdotool xprop; do
  command -v "$tool" > /dev/null || { echo "skipped: needs $tool"; exit 77; }
done

screen=1920x1080x24
source "$source/tests/desktop_session.sh"
shots="$XDG_PICTURES_DIR/Ridgeline"

full_screen() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
windowed() { ! full_screen; }
# Starts the game in the background (its name is the files' stem), and waits
# for its window and its first passes.
start() {
  local name=$1
  shift
  "$build/ridgeline" --trace "$work/$name.trace" "$@" > "$work/$name.out" 2> "$work/$name.err" &
  game=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --class '^ridgeline$' | head -1)
  [ -n "$window" ] || fail "no window for $name"
  wait_for more_passes_than "$work/$name.trace" 10
}

echo "1. Full screen, F11 on the title screen, minimising, F12, F9"
start play
wait_for more_passes_than "$work/play.trace" 150 # the title screen
wait_for full_screen
key F11
wait_for windowed
wait_for grep -qx 'fullscreen = no' "$settings"
key alt+Return
wait_for full_screen
key alt+Return
wait_for windowed
key F9
wait_for grep -qx 'mute = yes' "$settings"
key F12
wait_for compgen -G "$shots/ridgeline-*.png" > /dev/null
xdotool windowminimize "$window"
wait_for stopped "$work/play.trace"
paused_at=$(passes "$work/play.trace")
sleep 2
[ "$(passes "$work/play.trace")" -eq "$paused_at" ] || fail "passes ran while minimised"
xdotool windowactivate "$window"
wait_for more_passes_than "$work/play.trace" "$paused_at"
key Escape q # the menu, then quit
finish
! grep -q '"state":1' "$work/play.trace" || fail "a desktop key started a game"
grep -q '"state":3' "$work/play.trace" || fail "the title screen never came"
[ "$(wc -l < "$work/play.err")" -eq 1 ] || fail "more than the first start's line: $(cat "$work/play.err")"

echo "2. The settings survive a restart"
start again
windowed || fail "the window setting was lost"
key Escape q
finish
[ ! -s "$work/again.err" ] || fail "$(cat "$work/again.err")"
grep -qx 'mute = yes' "$settings" || fail "the mute setting was lost"

echo "3. A broken settings file is survived, with one line"
printf 'volume = loud\n\x00\xff\n' > "$settings"
start broken
key Escape q
finish
[ "$(wc -l < "$work/broken.err")" -eq 1 ] || fail "$(cat "$work/broken.err")"
grep -q 'settings.ini: line 1: volume needs' "$work/broken.err" || fail "$(cat "$work/broken.err")"

echo "4. The desktop's keys in a scripted run; F12 against --dump-frame"
script="$source/docs/play-screen.script"
rm -rf "$shots"
start scripted --input "$script" --frames 1580 --mute
wait_for more_passes_than "$work/scripted.trace" 300 # playing
key F11 alt+Return F9 space Left
key Pause
wait_for stopped "$work/scripted.trace"
key F12
wait_for grep -q 'picture of pass' "$work/scripted.out"
key Pause
xdotool windowminimize "$window"
wait_for stopped "$work/scripted.trace"
xdotool windowactivate "$window"
finish
"$build/ridgeline" --headless --frames 1580 --input "$script" --trace "$work/headless.trace"
cmp "$work/scripted.trace" "$work/headless.trace" || fail "the desktop's keys changed the run"
pass=$(sed -n 's/.*the picture of pass \([0-9]*\) is saved as .*/\1/p' "$work/scripted.out")
shot=$(sed -n 's/.* is saved as \(.*\)$/\1/p' "$work/scripted.out")
"$build/ridgeline" --headless --frames 1580 --input "$script" --dump-frame "$pass" "$work/dump.png"
cmp "$shot" "$work/dump.png" || fail "F12's picture of pass $pass is not --dump-frame's"
echo "all passed (screenshot of pass $pass)"
