#!/bin/sh
# Plays a game at a real window, in a virtual X display: Space until the game
# is over, then Escape. The game must then be kept in the best folder, verify,
# fail to verify with its score changed, and show in the window's title; the
# kept game can then be watched and the watching ended with Escape.
#
#   sh tests/desktop_best.sh GAME
# Exits 77 (skipped) when Xvfb, openbox, xdotool or xprop is missing.
set -eu
game=$1
for tool in Xvfb openbox xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (apt-get install xvfb openbox xdotool x11-utils)"
    exit 77
  fi
done

. "$(dirname "$0")/x_display.sh"
work=$(mktemp -d)
player=
cleanup() {
  set +e
  [ -n "$player" ] && kill "$player" 2>/dev/null
  stop_x_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}
start_x_display || fail "no X display"
export XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy
# In a sanitizer build: what the desktop's D-Bus library keeps until the end is not ours.
echo "leak:libdbus-1.so" >"$work/leaks.supp"
export LSAN_OPTIONS="suppressions=$work/leaks.supp:print_suppressions=0"
best="$XDG_DATA_HOME/ridgeline/best"

"$game" --windowed --scale 1 >"$work/play.out" 2>"$work/play.err" &
player=$!
window() { xdotool search --class ridgeline 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window)" ]; }
x_within 20 has_window || fail "no window: $(cat "$work/play.err")"
xdotool windowfocus --sync "$(window)"

# Space leaves the title, then fires until an enemy reaches the player.
kept() { ls "$best"/*.script >/dev/null 2>&1; }
press_space() {
  xdotool key space
  kept
}
x_within 120 press_space || fail "no game kept after two minutes of play: $(cat "$work/play.err")"
replay=$(ls "$best"/*.script)
score=$(sed -n 's/^# score //p' "$replay")

title() { xprop -id "$(window)" _NET_WM_NAME; }
shows_best() { title | grep -qF "\"Ridgeline — best $score\""; }
x_within 10 shows_best || fail "title $(title), where the best is $score"

xdotool key Escape
wait "$player" || fail "the game ended with status $?: $(cat "$work/play.err")"
player=
[ ! -s "$work/play.err" ] || fail "the game complained: $(cat "$work/play.err")"

[ "$("$game" --verify "$replay")" = "verified: $score" ] || fail "$replay does not verify"
sed "s/^# score .*/# score $((score + 100))/" "$replay" >"$work/edited.script"
if "$game" --verify "$work/edited.script" 2>"$work/verify.err"; then
  fail "an edited score verifies"
fi
grep -q "score: the game scores $score, the file says $((score + 100))" "$work/verify.err" ||
  fail "unexpected complaint: $(cat "$work/verify.err")"

# Watching rank 1: the window opens on the game, and Escape ends it.
"$game" --watch 1 >"$work/watch.out" 2>"$work/watch.err" &
player=$!
watching() { has_window && title | grep -qF "a game of $score"; }
x_within 20 watching || fail "no window watching the game: $(cat "$work/watch.err")"
xdotool windowfocus --sync "$(window)" key Escape
wait "$player" || fail "watching ended with status $?: $(cat "$work/watch.err")"
player=
echo "kept and verified a game of $score"
