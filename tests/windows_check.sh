#!/usr/bin/env bash
# The Windows game under wine, after `make windows` and a native build in
# build/: the scripted runs' traces and pictures against the native game's
# (cross_traces.sh); one windowed run on a virtual X display, from the splash
# screen through the title screen into play, caught, kept among the best
# games in an AppData folder named in another language, and ended by Escape
# and Q with status 0; that game listed, verified and a forgery of it marked;
# the command line's paths in any language, and NUL; that game sent to a
# score board of build/'s with --submit; and the zip unpacked into
# a fresh folder and played from there, to show that it holds everything
# the game needs.
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
board=
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null
  [ -n "$board" ] && kill "$board" 2> /dev/null
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

# The player's AppData in a folder whose name is not ASCII.
appdata='C:\users\root\AppDätä'
for folders in 'User Shell Folders' 'Shell Folders'; do
  wine reg add "HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\\$folders" \
    /v AppData /d "$appdata" /f > /dev/null 2>&1
done
wineserver -w
best="$WINEPREFIX/drive_c/users/root/AppDätä/Ridgeline/best"
rm -rf "$best"

echo "2. A windowed run: splash, title, a key into play, caught, Escape and Q"
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
wait_for trace_has "$work/window.trace" '"state":2'
wait_for compgen -G "$best/*.script" > /dev/null
xdotool key Escape q # the pause menu, then quit
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "the windowed game ended with status $status"
[ -s "$work/window.trace" ] || fail "the windowed game left no trace"
echo "  played $(wc -l < "$work/window.trace") passes, status 0"

echo "3. The game kept under $appdata; paths in any language; NUL"
replay=$(ls "$best"/*.script)
sed 's/^# score .*/# score 999999/' "$replay" > "$best/forged.script"
wine build-windows/ridgeline.exe --scores 2> "$work/scores.err" | tr -d '\r' > "$work/scores.out" ||
  fail "--scores: $(cat "$work/scores.err")"
grep -q "^   1 .*AppDätä.Ridgeline.best.$(basename "$replay")\$" "$work/scores.out" ||
  fail "the kept game is not listed: $(cat "$work/scores.out")"
grep -q '^unverified: .*forged.script (its replay does not end as it says)$' "$work/scores.out" ||
  fail "the forgery is not marked: $(cat "$work/scores.out")"
wine build-windows/ridgeline.exe --verify 1 > "$work/verify.out" 2>&1 ||
  fail "rank 1 does not verify: $(cat "$work/verify.out")"
# The same replay, script and trace under a folder named in another
# language, through the native game and the Windows one.
named="$work/José"
mkdir "$named"
cp "$replay" "$named/kept.script"
cp docs/play-screen.script "$named/play.script"
build/ridgeline --verify "$named/kept.script" > "$work/native.verify"
winnamed="Z:$(echo "$named" | tr / '\\')"
wine build-windows/ridgeline.exe --verify "$winnamed\kept.script" | tr -d '\r' > "$work/wine.verify" ||
  fail "--verify with a path in another language"
cmp "$work/native.verify" "$work/wine.verify" || fail "--verify differs: $(cat "$work/wine.verify")"
build/ridgeline --headless --input "$named/play.script" --frames 600 --trace "$named/native.trace"
wine build-windows/ridgeline.exe --headless --input "$winnamed\play.script" --frames 600 \
  --trace "$winnamed\wine.trace" || fail "--input and --trace with paths in another language"
cmp "$named/native.trace" "$named/wine.trace" || fail "the traces differ"
wine build-windows/ridgeline.exe --headless --input "$winnamed\play.script" --frames 60 \
  --trace NUL || fail "--trace NUL ended with status $?"
echo "  kept, listed and verified under $appdata; --verify, --input, --trace as natively"

echo "4. The kept game sent to a score board, under a name in another language"
build/ridgeline-board --db "$work/board.sqlite" --port 0 > "$work/board.out" 2> "$work/board.err" &
board=$!
wait_for grep -q listening "$work/board.out"
url=$(sed -n 's/.*listening on \(http[^ ]*\)\/$/\1/p' "$work/board.out")
wine build-windows/ridgeline.exe --submit 1 --board "$url" --name 'José' 2> "$work/sent.err" |
  tr -d '\r' > "$work/sent.out" || fail "--submit 1 ended with status $?"
grep -q "^rank 1 on $url: " "$work/sent.out" || fail "--submit 1 said: $(cat "$work/sent.out")"
curl -s "$url/api/scores" | grep -q '"name":"José"' || fail "the board does not list José"
echo "  $(cat "$work/sent.out")"

echo "5. The zip, unpacked into a fresh folder"
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
