#!/bin/sh
# The score board's server, driven over HTTP on 127.0.0.1: the repository's
# kept game is taken with its score, refused again, refused with its score
# edited; truncated, binary and oversized bodies and bad names are refused
# with their statuses while the board goes on answering; names are escaped on
# the page; the browser build is served beside it; one address is held to
# its rate; SIGTERM stops the board cleanly and what it took is there after a
# restart; the game's --submit sends a kept game and keeps the board and name.
#
#   sh tests/board_server.sh BOARD SOURCE_DIR sqlite|postgresql
# With postgresql, on a throwaway cluster; exits 77 (skipped) when
# PostgreSQL's server programs are not installed.
set -eu
board=$1
source_dir=$2
engine=$3
. "$source_dir/tests/board_common.sh"

if [ "$engine" = postgresql ]; then
  start_postgres || { echo "SKIPPED: PostgreSQL is not installed (apt-get install postgresql)"; exit 77; }
  db=$pg_url
else
  db=$work/board.sqlite
fi
kept=$source_dir/docs/best-game.script
score=$(sed -n 's/^# score //p' "$kept")

# Answers the status $1 to the submission of file $2 by player $3, with
# $4 in its answer; the board still answers after it.
expect() {
  status=$(submit "$2" "$3")
  [ "$status" = "$1" ] || fail "$2 as $3: status $status, not $1: $(cat "$work/answer")"
  grep -q -- "$4" "$work/answer" || fail "$2 as $3: no '$4' in $(cat "$work/answer")"
  [ "$(get /api/scores)" = 200 ] || fail "the board stopped answering after $2"
}

# A stand-in for the browser build, served beside the board.
mkdir -p "$work/web"
echo '<title>the game</title>' >"$work/web/index.html"
printf '\0asm' >"$work/web/index.wasm"
start_board "$db" --rate 6 --web "$work/web"
expect 201 "$kept" ann "\"score\":$score"
grep -q '"rank":1' "$work/answer" || fail "the first game is not ranked first: $(cat "$work/answer")"
expect 409 "$kept" ann "on the board already"
sed "s/^# score $score\$/# score $((score + 100))/" "$kept" >"$work/edited"
expect 422 "$work/edited" ann "score: the game scores $score, the file says $((score + 100))"
head -c $(($(wc -c <"$kept") * 2 / 3)) "$kept" >"$work/truncated"
expect 422 "$work/truncated" ann '"error"' 
head -c 3000 /dev/urandom >"$work/binary"
expect 422 "$work/binary" ann "not a replay"
head -c 5000000 /dev/zero >"$work/large"
expect 413 "$work/large" ann "larger than the board takes"
for name in '' '%0A' 'abcdefghijklmnopqrstuvwxy' '%FF'; do
  expect 400 "$kept" "$name" "name"
done
# Another replay of the same game, with comments that take it past 8 KB, where
# a body sent as a form (curl's way) must still be read whole.
{ cat "$kept"; for line in $(seq 1 200); do echo "# a comment line to make the replay longer"; done; } >"$work/other"
expect 201 "$work/other" '%3Cb%3E%22Zo%C3%AB%22%20%26%20co' '"rank":2'

[ "$(get /api/replays/1)" = 200 ] && cmp -s "$work/got" "$kept" || fail "replay 1 is not the file sent"
[ "$(get /api/replays/99)" = 404 ] || fail "a replay not on the board is not 404"
[ "$(get '/api/scores?limit=0')" = 400 ] || fail "limit=0 is not refused"
[ "$(get '/api/scores?limit=1&offset=1')" = 200 ] && grep -q '"name":"<b>\\"Zoë\\" & co","passes":[0-9]*,"rank":2' "$work/got" ||
  fail "the second entry: $(cat "$work/got")"
[ "$(get /play/)" = 200 ] && grep -q 'the game' "$work/got" || fail "the game's page is not served"
[ "$(curl -s -o /dev/null -w '%{content_type}' "$url/play/index.wasm")" = application/wasm ] ||
  fail "the game's code is not served as application/wasm, which browsers compile as it comes"
[ "$(get /)" = 200 ] || fail "the page is not served"
grep -q '&lt;b&gt;&quot;Zoë&quot; &amp; co' "$work/got" || fail "the name is not escaped on the page"
if grep -q '<b>' "$work/got"; then fail "the page holds the name's HTML"; fi
grep -q 'href="/api/replays/2"' "$work/got" || fail "the page does not link the replay"
grep -q 'href="/play/"' "$work/got" || fail "the page does not link the game"

# The seventh submission within a minute from one address (a bad name is
# refused before it counts; a body past the cap never reaches the board).
status=$(submit "$kept" ann)
[ "$status" = 429 ] || fail "the rate is not held: status $status"

stop_board
grep -q stopped "$work/board.err" || fail "no word of stopping"
start_board "$db"
get /api/scores >/dev/null
grep -q '"total":2' "$work/got" || fail "after a restart: $(cat "$work/got")"

# The game's --submit: a third replay taken, with the board and the name kept
# in the settings; sent again with those, refused with the board's reason.
if [ "$engine" = sqlite ]; then
  game=$(dirname "$board")/ridgeline
  sed 's/^# date .*/# date 2027-01-01 00:00:00/' "$kept" >"$work/third"
  export XDG_CONFIG_HOME="$work/config"
  "$game" --submit "$work/third" --board "$url" --name "Zoë" >"$work/submitted" 2>&1 ||
    fail "--submit: $(cat "$work/submitted")"
  grep -qx "rank 3 on $url: $score" "$work/submitted" || fail "--submit printed $(cat "$work/submitted")"
  grep -qx "board = $url" "$XDG_CONFIG_HOME/ridgeline/settings.ini" &&
    grep -qx "name = Zoë" "$XDG_CONFIG_HOME/ridgeline/settings.ini" || fail "the board and the name are not kept"
  if "$game" --submit "$work/third" >"$work/submitted" 2>&1; then fail "sent twice, taken twice"; fi
  grep -q "(HTTP 409): this replay is on the board already" "$work/submitted" ||
    fail "--submit again printed $(cat "$work/submitted")"
fi

stop_board
echo "board on $engine: passed"
