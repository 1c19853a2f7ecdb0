#!/usr/bin/env bash
# Pictures of the pause menu's pages and of the notices, as a player sees them
# in a window of scale 1 on a virtual X display, for the documentation:
# docs/menu-*.png and docs/notice-*.png. A game is first played to its end
# with Space, so that the best games hold one and its notice shows; it is
# then sent from the menu to a score board of BUILD_DIR's, on a scratch
# database.
#
#   tools/menu_pictures.sh BUILD_DIR OUT_DIR
#
# Needs Xvfb, openbox, xdotool and ImageMagick's import.
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD_DIR OUT_DIR}" && pwd)
out=$(cd "${2:?usage: $0 BUILD_DIR OUT_DIR}" && pwd)
if [ -z "${RIDGELINE_X11_INSIDE:-}" ]; then
  RIDGELINE_X11_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_PICTURES_DIR="$work/pictures" SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
openbox > /dev/null 2>&1 &
openbox=$!
game=
board=
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null
  [ -n "$board" ] && kill "$board" 2> /dev/null
  kill "$openbox" 2> /dev/null
  wait 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
"$build/ridgeline-board" --db "$work/board.sqlite" --port 0 > "$work/board.out" 2>&1 &
board=$!
until grep -q listening "$work/board.out"; do sleep 0.1; done
mkdir -p "$XDG_CONFIG_HOME/ridgeline"
printf 'board = %s\nname = Ann\n' "$(sed -n 's|.*listening on \(http://[^/]*\)/.*|\1|p' "$work/board.out")" \
  > "$XDG_CONFIG_HOME/ridgeline/settings.ini"
sleep 1

"$build/ridgeline" --windowed --scale 1 --seed 11 --trace "$work/trace" > /dev/null 2>&1 &
game=$!
window=$(xdotool search --sync --onlyvisible --class '^ridgeline$' | head -1)
xdotool windowactivate --sync "$window"
key() { xdotool key --window "$window" "$@"; }
shot() {
  sleep 0.4
  import -window "$window" "$out/$1.png"
}
state_now() {
  local live
  live=$(compgen -G "$work/trace.part-*" | head -n 1)
  tail -n 1 "$live" | sed -n 's/.*"state":\([0-9]\).*/\1/p'
}

# Fire until the game is over: its place among the best shows as a notice.
sleep 3
until [ "$(state_now)" = 2 ]; do
  key space
  sleep 0.3
done
sleep 0.3
shot notice-new-best
key F12
shot notice-saved
sleep 2.5
key F9
shot notice-sound
key F9
sleep 2.5

# A new game, a little way in, under the menu.
sleep 1
key Down
sleep 3
key Down
sleep 1.5
key Escape
shot menu-main
key Down Return
shot menu-keys
key Down Down Down Return
shot menu-keys-choosing
key Escape Escape Down Return
shot menu-pad
key Escape Down Return
shot menu-sound
key Escape Down Return
shot menu-display
key Escape Down Down Return
shot menu-best
key s
sleep 2
shot notice-sent
key Escape q
wait "$game"
game=
