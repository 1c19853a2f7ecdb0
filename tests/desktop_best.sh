#!/bin/sh
# Plays a game at a real window, in a virtual X display: Space until the game
# is over, then Escape and Q. The game must then be kept in the best folder, verify,
# fail to verify with its score changed, and show in the window's title; the
# kept game can then be watched and the watching ended with Escape. Then:
# ten forged copies of it neither rank nor show in the title; two games that
# end in the same second with the same score, on a slow disk, are both kept;
# and under a file-size limit of nothing, the settings, F12 and a kept game
# cost a line each and leave no file behind.
#
#   sh tests/desktop_best.sh GAME
# Exits 77 (skipped) when Xvfb, xdotool or xprop is missing.
set -eu
game=$1
for tool in Xvfb openbox xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (apt-get install xvfb xdotool x11-utils)"
    exit 77
  fi
done

work=$(mktemp -d)
. "$(dirname "$0")/x_display.sh"
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
within() { x_within "$@"; }

start_x_display || fail "no X display"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
# In a sanitizer build: what the desktop's D-Bus library keeps until the end is not ours.
echo "leak:libdbus-1.so" >"$work/leaks.supp"
export LSAN_OPTIONS="suppressions=$work/leaks.supp:print_suppressions=0"
best="$XDG_DATA_HOME/ridgeline/best"
mkdir -p "$XDG_CONFIG_HOME/ridgeline"
# Windows that play on while another has the focus.
printf 'fullscreen = no\nscale = 1\nvolume = 0\nmute = yes\nautopause = no\n' \
  >"$XDG_CONFIG_HOME/ridgeline/settings.ini"

"$game" --windowed --scale 1 >"$work/play.out" 2>"$work/play.err" &
player=$!
window() { xdotool search --class ridgeline 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window)" ]; }
within 20 has_window || fail "no window: $(cat "$work/play.err")"
xdotool windowfocus --sync "$(window)"

# Space leaves the title, then fires until an enemy reaches the player.
kept() { ls "$best"/*.script >/dev/null 2>&1; }
press_space() {
  xdotool key space
  kept
}
within 120 press_space || fail "no game kept after two minutes of play: $(cat "$work/play.err")"
replay=$(ls "$best"/*.script)
score=$(sed -n 's/^# score //p' "$replay")

# The title of window $1, else of the first game's window.
title() { xprop -id "${1:-$(window)}" _NET_WM_NAME; }
shows_best() { title "$@" | grep -qF "\"Ridgeline — best $score\""; }
within 10 shows_best || fail "title $(title), where the best is $score"

xdotool key Escape q # the pause menu, then quit
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
within 20 watching || fail "no window watching the game: $(cat "$work/watch.err")"
xdotool windowfocus --sync "$(window)" key Escape
wait "$player" || fail "watching ended with status $?: $(cat "$work/watch.err")"
player=

# Ten copies of the game with a forged score: --scores replays each once and
# lists it apart, and neither the ranks nor the title take them.
for i in 0 1 2 3 4 5 6 7 8 9; do
  sed 's/^# score .*/# score 999999/' "$replay" >"$best/forged-$i.script"
done
"$game" --scores >"$work/scores.out" 2>"$work/scores.err" || fail "--scores: $(cat "$work/scores.err")"
[ "$(grep -c '^unverified: .*/forged-.*does not end as it says' "$work/scores.out")" -eq 10 ] ||
  fail "the forgeries are not marked: $(cat "$work/scores.out")"
grep -q "^ *1 *$score .*$(basename "$replay")\$" "$work/scores.out" ||
  fail "the real game does not rank first: $(cat "$work/scores.out")"

# Two games at once, each caught on its first Space with 0, on a disk whose
# fsync takes two seconds and a clock stopped in one second: both replays
# are kept, under two names.
cat >"$work/slow_disk.c" <<'SHIM'
#include <time.h>
#include <unistd.h>
time_t time(time_t *now) {
  if (now) *now = 1700000000;
  return 1700000000;
}
int fsync(int descriptor) {
  (void)descriptor;
  sleep(2);
  return 0;
}
SHIM
${CC:-cc} -shared -fPIC -o "$work/slow_disk.so" "$work/slow_disk.c" || fail "no shim"
# A game built with AddressSanitizer wants its runtime first of all.
preload="$(ldd "$game" | awk '/libasan/ { printf "%s ", $3 }')$work/slow_disk.so"
games=
for i in 1 2; do
  LD_PRELOAD="$preload" "$game" --seed 7 >"$work/twin$i.out" 2>"$work/twin$i.err" &
  games="$games $!"
done
twins() { [ "$(xdotool search --class ridgeline 2>/dev/null | wc -l)" -eq 2 ]; }
within 20 twins || fail "two windows did not open: $(cat "$work"/twin*.err)"
# Past the splash screen, which takes no key, to the title.
sleep 4
for window in $(xdotool search --class ridgeline); do
  within 10 shows_best "$window" || fail "title $(title "$window"), where the best is $score"
  xdotool windowfocus --sync "$window" key space
done
both_kept() { [ "$(ls "$best"/2*-0.script "$best"/2*-0-2.script 2>/dev/null | wc -l)" -eq 2 ]; }
within 60 both_kept || fail "not both games kept: $(ls "$best") $(cat "$work"/twin*.err)"
for pid in $games; do
  kill "$pid"
  wait "$pid" || [ $? -eq 143 ] || fail "a game ended with status $?"
done
[ ! -s "$work/twin1.err" ] && [ ! -s "$work/twin2.err" ] || fail "$(cat "$work"/twin*.err)"
"$game" --scores >"$work/scores.out" 2>"$work/scores.err" || fail "--scores: $(cat "$work/scores.err")"
[ "$(grep -cE '^ *[0-9]+ .*/[0-9-]+-0(-2)?\.script$' "$work/scores.out")" -eq 2 ] ||
  fail "the two games do not both rank: $(cat "$work/scores.out")"

# With no file allowed to grow, the missing settings, F12 and a kept game
# cost a line each, the game plays on, and nothing is left half written.
rm -rf "$XDG_CONFIG_HOME"
export XDG_PICTURES_DIR="$work/pictures"
# Its lines go through a pipe, which no file-size limit stops.
mkfifo "$work/limit.pipe"
cat "$work/limit.pipe" >"$work/limit.err" &
reader=$!
(
  ulimit -f 0
  exec "$game" --windowed --scale 1 --seed 7 >/dev/null 2>"$work/limit.pipe"
) &
player=$!
within 20 has_window || fail "no window: $(cat "$work/limit.err")"
xdotool windowfocus --sync "$(window)" key F12
sleep 4
xdotool key space
not_kept() { grep -q "the game is not kept" "$work/limit.err"; }
within 60 not_kept || fail "no line for the game not kept: $(cat "$work/limit.err")"
xdotool key Escape q # the pause menu, then quit
wait "$player" || fail "the game ended with status $?: $(cat "$work/limit.err")"
player=
[ "$(wc -l <"$work/limit.err")" -eq 3 ] || fail "not three lines: $(cat "$work/limit.err")"
grep -q 'settings not saved (File too large)' "$work/limit.err" || fail "$(cat "$work/limit.err")"
grep -q 'no screenshot: .*(File too large)' "$work/limit.err" || fail "$(cat "$work/limit.err")"
wait "$reader"
left=$(find "$XDG_CONFIG_HOME" "$XDG_PICTURES_DIR" "$best" -type f \( -size 0 -o -name '*.part-*' \))
[ -z "$left" ] || fail "files left behind: $left"
echo "kept and verified a game of $score; forgeries, twins and a file-size limit survived"
