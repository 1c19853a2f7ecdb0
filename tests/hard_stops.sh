#!/usr/bin/env bash
# Hard stops, as a player or the system gives them: signals, headless and in a
# window; the X server killed; the window's connection killed (xkill); and the
# player leaving a scripted run in a window by Escape, a click or closing it.
# Each run must end by itself with its own status, and every file it wrote
# must hold whole lines only.
#
#   tests/hard_stops.sh GAME        (GAME: the built game, its Data/ beside it)
#
# Needs Xvfb, xdotool and openbox (apt-get install xvfb xdotool openbox);
# without them it is skipped (status 77).
set -uo pipefail
# Job control, so that the games started in the background take SIGINT as
# from a terminal: without it the shell starts them with SIGINT ignored.
set -m
game=$(realpath "${1:?usage: $0 GAME}")
[ -x "$game" ] || { echo "$0: no game at $1"; exit 1; }
for tool in Xvfb xdotool openbox; do
  command -v "$tool" > /dev/null || { echo "skipped: needs $tool"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$(realpath "$0")")/x_display.sh"
pid=
cleanup() {
  # A game that outlived its case first, then the X server.
  [ -n "$pid" ] && kill -KILL "$pid" 2> /dev/null
  stop_x_display
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
export SDL_AUDIODRIVER=dummy
# In a sanitized build: SDL's X11 video reaches the system's D-Bus library,
# which keeps an allocation to the end; not the game's to answer for.
printf 'leak:libdbus-1.so\n' > lsan.supp
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expect() {  # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# A trace of whole passes: every line one JSON object, passes 0, 1, 2... and
# a newline at the end.
expect_whole_trace() {
  local what=$1 file=$2
  [ -s "$file" ] || { fail "$what: no trace"; return; }
  [ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" = '\n' ] || fail "$what: the trace's last line is cut"
  awk -v what="$what" '
    !/^\{"pass":[0-9]+,.*"explosionSounds":[0-9]+\}$/ { print "FAIL: " what ": line " NR " is not whole"; bad = 1; exit }
    { split($0, f, /[:,]/); if (f[2] != NR - 1) { print "FAIL: " what ": line " NR " is pass " f[2]; bad = 1; exit } }
    END { exit bad }' "$file" || failures=$((failures + 1))
}

# A recording: its seed first, then whole lines.
expect_recording() {
  local what=$1 file=$2
  head -n 1 "$file" 2> /dev/null | grep -Eq '^seed [0-9]+$' || fail "$what: the recording has no seed line"
  [ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" = '\n' ] || fail "$what: the recording's last line is cut"
}

# Waits up to 10 s for process $1 to end and sets `status` to its exit
# status; one that does not end is killed and fails the case.
wait_end() {
  local pid=$1 what=$2
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2> /dev/null; then
    fail "$what: still running, killed"
    kill -KILL "$pid"
  fi
  { wait "$pid"; } 2> /dev/null
  status=$?
}

# Starts a virtual X server with a window manager, of the screen size $1
# (1600x1200 without it), in place of the one before; sets DISPLAY.
start_x() {
  stop_x_display
  start_x_display "${1:-1600x1200}x24" || { echo "no X display"; exit 1; }
}

# Starts the game on the X server with `arguments`; sets `pid` and `window`
# once the game is past its loading screen.
start_shown() {
  "$game" "$@" > out.txt 2> err.txt &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --class '^ridgeline$' | head -n 1)
  [ -n "$window" ] || fail "no window for: $*"
  xdotool windowactivate --sync "$window" 2> /dev/null
  sleep 1.5
}

printf 'seed 7\n150 down 32\n151 down 39\n' > endless.txt

# Signals, headless: the run stops at the end of a pass, with 128 + the signal.
for signal in INT TERM HUP; do
  rm -f t.jsonl r.txt
  "$game" --headless --frames 100000000 --trace t.jsonl --record r.txt 2> err.txt &
  pid=$!
  sleep 1
  kill -s "$signal" "$pid"
  wait_end "$pid" "headless SIG$signal"
  expect "headless SIG$signal: status" "$((128 + $(kill -l "$signal")))" "$status"
  expect "headless SIG$signal: messages" "" "$(cat err.txt)"
  expect_whole_trace "headless SIG$signal" t.jsonl
  expect_recording "headless SIG$signal" r.txt
done

# A check cut short: it says so, and does not blame the file.
printf '# ridgeline replay\n# score 0\n# date 2025-01-01 00:00:00\n# began 0\n# over 5000000\nseed 1\n' > long.script
"$game" --verify long.script 2> err.txt &
pid=$!
sleep 1
kill -s INT "$pid"
wait_end "$pid" "--verify SIGINT"
expect "--verify SIGINT: status" 130 "$status"
expect "--verify SIGINT: messages" "ridgeline: long.script: interrupted before its game over; not verified" "$(cat err.txt)"

# Killed outright before any input: the seed is in the recording all the
# same, under its temporary name.
"$game" --headless --frames 100000000 --record r.txt &
pid=$!
sleep 1
kill -KILL "$pid"
{ wait "$pid"; } 2> /dev/null
expect_recording "SIGKILL" "$(ls r.txt.part-* | head -n 1)"
rm -f r.txt.part-*

start_x

# Signals in a window: the same, not the success of a player's ending.
for signal in INT TERM HUP; do
  rm -f t.jsonl
  start_shown --windowed --trace t.jsonl
  kill -s "$signal" "$pid"
  wait_end "$pid" "windowed SIG$signal"
  expect "windowed SIG$signal: status" "$((128 + $(kill -l "$signal")))" "$status"
  expect_whole_trace "windowed SIG$signal" t.jsonl
done

# The player leaves a scripted run that would never end by itself. The trace
# ends at the end of a pass and shows nothing of the leaving: it is the start
# of the trace of the same script run headless.
for leave in "key --clearmodifiers Escape" "click 1" "key --clearmodifiers alt+F4"; do
  rm -f t.jsonl replay.jsonl
  start_shown --windowed --input endless.txt --trace t.jsonl
  xdotool mousemove --window "$window" 100 100 $leave
  wait_end "$pid" "leaving by $leave"
  expect "leaving by $leave: status" 0 "$status"
  expect_whole_trace "leaving by $leave" t.jsonl
  "$game" --headless --frames "$(wc -l < t.jsonl)" --input endless.txt --trace replay.jsonl
  cmp -s t.jsonl replay.jsonl || fail "leaving by $leave: the trace differs from the replay's"
done

# The window's connection killed, as xkill does, then the X server itself
# under the game in full screen: status 1, one line, and the trace and
# recording written up to the last whole pass.
for loss in "xdotool windowkill" "kill"; do
  rm -f t.jsonl r.txt
  if [ "$loss" = kill ]; then
    start_shown --trace t.jsonl --record r.txt
    kill "$x_server"
  else
    start_shown --windowed --trace t.jsonl --record r.txt
    xdotool windowkill "$window"
  fi
  wait_end "$pid" "display lost by $loss"
  expect "display lost by $loss: status" 1 "$status"
  expect "display lost by $loss: message" "ridgeline: the display was lost" "$(cat err.txt)"
  expect_whole_trace "display lost by $loss" t.jsonl
  expect_recording "display lost by $loss" r.txt
done

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
# A screen smaller than the picture: the window is smaller, with one line.
start_x 600x400
"$game" --windowed --scale 1 --frames 30 > out.txt 2> err.txt &
pid=$!
wait_end "$pid" "a small screen"
expect "a small screen: status" 0 "$status"
grep -q '^ridgeline: a window 1 times 640 x 480 does not fit the desktop (600 x [0-9]* usable), so it opens at [0-9]* x [0-9]*, smaller than the picture$' err.txt ||
  fail "a small screen: $(cat err.txt)"

echo "all hard stops ended as they should"
