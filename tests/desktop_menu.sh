#!/usr/bin/env bash
# The pause menu at a window on a virtual X display with a window manager:
# Escape stops the passes and shows the menu over the picture, and resumes;
# Escape then Q ends the game as Escape always has, in a recording that
# replays headless to the same trace; a key bound in settings.ini reaches the
# game as its action, and one bound in the menu survives a restart; a notice
# shows in the window but not in --dump-frame's picture; without a sound
# device the game plays on after one line.
#
#   tests/desktop_menu.sh BUILD_DIR SOURCE_DIR
#
# Needs Xvfb, openbox, xdotool and ImageMagick's import; without them it is
# skipped (77).
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
source=$(cd "${2:?usage: $0 BUILD_DIR SOURCE_DIR}" && pwd)
for tool in Xvfb openbox xdotool xprop import; do
  command -v "$tool" > /dev/null || { echo "skipped: needs $tool"; exit 77; }
done

source "$source/tests/desktop_session.sh"

# The game's state has been $2 in trace $1.
reached() {
  local live
  live=$(compgen -G "$1.part-*" | head -n 1)
  grep -q "\"state\":$2" "${live:-$1}" 2> /dev/null
}
# The window's pixel at (x, y) of the picture, shown 1:1 in a window of scale 1.
pixel() {
  import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.* \(#[0-9A-F]\{6\}\).*/\1/p'
}
# The menu's board is framed in grass, lit along its top edge (in the
# picture's 16-bit colours).
menu_shown() { [ "$(pixel 320 83)" = "#ACE262" ]; }
notice_shown() { [ "$(pixel 320 37)" = "#ACE262" ]; }
# Starts a game in a window of scale 1 (its name is the files' stem), and
# waits for its title screen; then a key starts the play.
start() {
  local name=$1
  shift
  "$build/ridgeline" --windowed --scale 1 --trace "$work/$name.trace" --record "$work/$name.rec" \
    "$@" > "$work/$name.out" 2> "$work/$name.err" &
  game=$!
  window=$(xdotool search --sync --onlyvisible --class '^ridgeline$' | head -1)
  xdotool windowactivate --sync "$window"
  wait_for reached "$work/$name.trace" 3
  key Down
  wait_for reached "$work/$name.trace" 1
}
replays_alike() {
  "$build/ridgeline" --headless --input "$work/$1.rec" --trace "$work/$1.headless" "${@:2}"
  cmp "$work/$1.trace" "$work/$1.headless" || fail "the replay of $1 is not the game played"
}
last_event() { grep -v '^#' "$work/$1.rec" | grep -v '^seed' | tail -n 1; }


echo "1. Escape holds the game under the menu; Escape resumes; Escape, Q ends it"
printf 'fullscreen = no\nscale = 1\nvolume = 100\nmute = no\nautopause = yes\nkey.fire = J\n' \
  > "$settings"
# The notice that F9 shows is over pass 600, which the game also saves.
start menu --dump-frame 600 "$work/live.png"
key Escape
wait_for stopped "$work/menu.trace"
held_at=$(passes "$work/menu.trace")
wait_for menu_shown
sleep 1
[ "$(passes "$work/menu.trace")" -eq "$held_at" ] || fail "passes ran under the menu"
key Escape
wait_for more_passes_than "$work/menu.trace" "$held_at"
menu_shown && fail "the menu stayed after Escape"
echo "2. key.fire = J fires; a notice shows in the window only"
key j
wait_for more_passes_than "$work/menu.trace" 540
key F9
wait_for notice_shown
wait_for more_passes_than "$work/menu.trace" 600
key F9 # sound on again, for the next start
echo "3. Fire bound to K in the menu"
# Keys, down to Fire, K, and Enter to keep it alone; back, then Q.
key Escape Down Return Down Down Down Return k Return Escape
wait_for grep -qx 'key.fire = K' "$settings"
key q
finish
grep -q ' down 32$' "$work/menu.rec" || fail "J did not fire"
[[ "$(last_event menu)" == *" down 27" ]] || fail "the recording ends with $(last_event menu)"
replays_alike menu --dump-frame 600 "$work/replayed.png"
cmp "$work/live.png" "$work/replayed.png" || fail "the notice is in the frame saved"
[ ! -s "$work/menu.err" ] || fail "$(cat "$work/menu.err")"

echo "4. After a restart K still fires; no sound device costs one line"
SDL_AUDIODRIVER=no-such-device start restart
key k
key Escape q
finish
grep -q ' down 32$' "$work/restart.rec" || fail "K did not fire after the restart"
replays_alike restart
[ "$(wc -l < "$work/restart.err")" -eq 1 ] || fail "$(cat "$work/restart.err")"
grep -q 'no sound device' "$work/restart.err" || fail "$(cat "$work/restart.err")"
echo "all passed"
