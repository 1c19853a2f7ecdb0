#!/usr/bin/env bash
# A minute of play on a virtual display, for the pacing and CPU figures:
# starts the game under Xvfb, presses keys as a player would (start, fire,
# jump, run, and start again after each game over) and prints its --stats.
#
#   bench/play_run.sh BUILD_DIR [game options...]
#   bench/play_run.sh build --windowed          # a 1280 x 960 window
#   WM=openbox bench/play_run.sh build           # full screen needs a window manager
#
# Needs xvfb, xdotool (and the window manager named by WM, if any).
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [game options...]}
shift
for tool in xvfb-run xdotool ${WM:-}; do
  command -v "$tool" > /dev/null || { echo "$0: needs $tool (apt-get install it)" >&2; exit 2; }
done

export GAME="$(cd "$build" && pwd)/ridgeline" FRAMES=${FRAMES:-3600}
# Games played at a window are kept among the best: not these, in the player's own folder.
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
xvfb-run -a -s "-screen 0 ${SCREEN:-1920x1080x24}" bash -c '
  [ -n "${WM:-}" ] && { "$WM" > /dev/null 2>&1 & sleep 0.5; }
  SDL_AUDIODRIVER=dummy "$GAME" --stats --frames "$FRAMES" "$@" &
  game=$!
  sleep 1
  window=$(xdotool search --name Ridgeline | head -1)
  while kill -0 $game 2> /dev/null; do
    for key in space Up Right space Left space; do
      xdotool key --window "$window" $key 2> /dev/null || true
      sleep 0.35
    done
  done
  wait $game
' play_run "$@"
