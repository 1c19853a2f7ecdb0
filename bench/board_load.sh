#!/bin/sh
# The score board under load and under faults, with SQLite (and PostgreSQL
# where installed). Prints the figures; fails when the board loses or
# doubles a replay, answers wrongly, or does not recover.
#
#   sh bench/board_load.sh BUILD_DIR SOURCE_DIR [REPLAYS]
#
# - load: 8 clients submit REPLAYS (400) distinct replays of random play at
#   once: every one answered, every one taken once; submissions a second and
#   the 50th and 99th percentile of the time to an answer;
# - SIGTERM in the middle of that load: every submission let in is finished;
# - kill -9 of the board in the middle of that load, then a restart: the
#   database opens clean and every replay that got a 201 is there, whole;
# - a full disk (a 512 KB tmpfs, as root): refused with 507 or 503, nothing
#   half written, and every replay taken before is there;
# - a full queue: 503 at once;
# - PostgreSQL stopped and started again: 503 meanwhile, then 201 again; two
#   boards on one PostgreSQL sent the same replay at once: one entry;
# - the caps on processor time and passes of one check;
# - the time a replay of 18,000 passes (a 5-minute game) takes to check.
set -eu
build=$1
source_dir=$2
count=${3:-400}
board=$build/ridgeline-board
game=$build/ridgeline
. "$source_dir/tests/board_common.sh"

echo "making $count replays of random play..."
mkdir -p "$work/replays"
seq 1 "$count" | xargs -P "$(nproc)" -I{} sh -c \
  "sh '$source_dir/tests/make_replay.sh' '$game' '$source_dir' {} >'$work/replays/{}.script'"

# Submits every replay in $work/replays from 8 clients at once; one line per
# replay in $1: file, status, seconds to the answer, id.
load() {
  find "$work/replays" -name '*.script' | xargs -P 8 -I{} sh -c "
    printf '%s %s\n' {} \"\$(curl -s -m 60 -o - -w ' %{http_code} %{time_total}' \
      --data-binary @{} '$url/api/replays?name=load' |
      sed -n 's/.*\"id\":\([0-9]*\).* \([0-9]*\) \([0-9.]*\)\$/\2 \3 \1/p; t; s/.* \([0-9]*\) \([0-9.]*\)\$/\1 \2 -/p')\"" >"$1"
}

# Every replay answered 201 in $1 is on the board, byte for byte.
all_kept() {
  awk '$2 == 201 {print $1, $4}' "$1" | while read -r file id; do
    [ "$(get "/api/replays/$id")" = 200 ] && cmp -s "$work/got" "$file" ||
      fail "$file was taken as $id but is not on the board whole"
  done
}

# The board's own processor time so far, user and system, in seconds: what
# the other programs on a shared machine do not change.
cpu_seconds() {
  awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$server/stat"
}

total() {
  get '/api/scores?limit=1' >/dev/null
  sed -n 's/.*"total":\([0-9]*\).*/\1/p' "$work/got"
}

echo "== load, SQLite"
start_board "$work/load.sqlite" --rate 1000000
start=$(date +%s.%N)
load "$work/load.txt"
end=$(date +%s.%N)
answered=$(awk '$2 != "" && $2 != "000"' "$work/load.txt" | wc -l)
taken=$(awk '$2 == 201' "$work/load.txt" | wc -l)
[ "$answered" = "$count" ] || fail "only $answered of $count answered"
[ "$(total)" = "$taken" ] || fail "$taken taken but $(total) on the board"
awk '{print $2}' "$work/load.txt" | sort | uniq -c | sed 's/^/  status: /'
all_kept "$work/load.txt"
sort -n -k3 "$work/load.txt" | awk -v n="$count" -v seconds="$(echo "$end - $start" | bc)" '
  { t[NR] = $3 }
  END {
    printf "  %d submissions in %.1f s: %.1f a second; answer in %.3f s (p50), %.3f s (p99), %.3f s (max)\n",
      n, seconds, n / seconds, t[int(n * 0.5)], t[int(n * 0.99)], t[n]
  }'
echo "  the board used $(cpu_seconds) s of processor time"
stop_board

echo "== a queue of one in front of one worker"
start_board "$work/busy.sqlite" --rate 1000000 --workers 1 --queue 1
load "$work/busy.txt"
busy=$(awk '$2 == 503' "$work/busy.txt" | wc -l)
taken=$(awk '$2 == 201' "$work/busy.txt" | wc -l)
[ "$busy" -gt 0 ] || fail "a full queue never answered 503"
[ $((busy + taken)) = "$count" ] || fail "answers other than 201 and 503 with the queue full"
[ "$(total)" = "$taken" ] || fail "$taken taken but $(total) on the board"
echo "  $taken taken, $busy answered 503 at once"
stop_board

echo "== SIGTERM in the middle of the load"
start_board "$work/stopped.sqlite" --rate 1000000
load "$work/stopped.txt" &
loader=$!
sleep 3
stop_board
wait "$loader" || true
taken=$(awk '$2 == 201' "$work/stopped.txt" | wc -l)
[ "$(awk '$2 != 201 && $2 != "000"' "$work/stopped.txt" | wc -l)" = 0 ] ||
  fail "a submission under way at SIGTERM was not finished: $(awk '$2 != 201' "$work/stopped.txt" | head -n 3)"
start_board "$work/stopped.sqlite" --rate 1000000
all_kept "$work/stopped.txt"
[ "$(total)" = "$taken" ] || fail "$taken taken but $(total) on the board"
echo "  $taken taken and the rest never let in; the board ended with status 0"
stop_board

echo "== kill -9 in the middle of the load"
start_board "$work/killed.sqlite" --rate 1000000
load "$work/killed.txt" &
loader=$!
sleep 3
kill -9 "$server"
wait "$server" 2>/dev/null || true
server=
wait "$loader" || true
taken=$(awk '$2 == 201' "$work/killed.txt" | wc -l)
[ "$(sqlite3 "$work/killed.sqlite" 'PRAGMA integrity_check')" = ok ] || fail "the database is damaged"
start_board "$work/killed.sqlite" --rate 1000000
all_kept "$work/killed.txt"
echo "  $taken taken before the kill, all there after the restart; $(total) on the board; integrity ok"
stop_board

if [ "$(id -u)" = 0 ]; then
  echo "== a full disk (a 512 KB tmpfs)"
  mounted=$work/full
  mkdir -p "$mounted"
  mount -t tmpfs -o size=512k tmpfs "$mounted"
  start_board "$mounted/board.sqlite" --rate 1000000
  load "$work/full.txt"
  taken=$(awk '$2 == 201' "$work/full.txt" | wc -l)
  refused=$(awk '$2 == 507 || $2 == 503' "$work/full.txt" | wc -l)
  other=$(awk '$2 != 201 && $2 != 507 && $2 != 503' "$work/full.txt" | wc -l)
  [ "$refused" -gt 0 ] || fail "the disk never filled: $taken taken"
  [ "$other" = 0 ] || fail "$other answers were neither 201, 507 nor 503"
  [ "$(total)" = "$taken" ] || fail "$taken taken but $(total) on the board"
  all_kept "$work/full.txt"
  stop_board
  [ "$(sqlite3 "$mounted/board.sqlite" 'PRAGMA integrity_check')" = ok ] || fail "the database is damaged"
  echo "  $taken taken, then $refused refused ($(awk '$2 == 507' "$work/full.txt" | wc -l) with 507);" \
    "each taken one there whole; integrity ok"
  umount "$mounted"
  mounted=
else
  echo "== a full disk: skipped (mounting a tmpfs needs root)"
fi

if start_postgres; then
  echo "== PostgreSQL stopped and started again"
  start_board "$pg_url" --rate 1000000
  set -- $(find "$work/replays" -name '*.script' | head -n 3)
  [ "$(submit "$1" pg)" = 201 ] || fail "PostgreSQL: not taken: $(cat "$work/answer")"
  pg_down
  [ "$(submit "$2" pg)" = 503 ] || fail "PostgreSQL down: not 503: $(cat "$work/answer")"
  [ "$(get /api/scores)" = 503 ] || fail "PostgreSQL down: the scores are not 503"
  pg_up
  [ "$(submit "$2" pg)" = 201 ] || fail "PostgreSQL back: not taken: $(cat "$work/answer")"
  [ "$(total)" = 2 ] || fail "PostgreSQL back: $(total) on the board, not 2"
  echo "  201, then 503 while it was down, then 201 once it was back"
  echo "== two boards on one PostgreSQL, sent the same replay at once"
  first_url=$url
  first_server=$server
  start_board "$pg_url" --rate 1000000
  set -- $(find "$work/replays" -name '*.script' | sed -n 4p)
  # Each answer in a file of its own: two writers of one file race.
  curl -s -o /dev/null -w '%{http_code}\n' --data-binary "@$1" "$first_url/api/replays?name=twice" >"$work/twice1" &
  curl -s -o /dev/null -w '%{http_code}\n' --data-binary "@$1" "$url/api/replays?name=twice" >"$work/twice2"
  wait $!
  [ "$(sort "$work/twice1" "$work/twice2" | tr '\n' ' ')" = "201 409 " ] ||
    fail "the same replay on two boards: $(cat "$work/twice1" "$work/twice2")"
  [ "$(total)" = 3 ] || fail "two boards: $(total) on the board, not 3"
  stop_board
  server=$first_server
  url=$first_url
  echo "  one 201 and one 409; the replay is on the board once"
  echo "== load, PostgreSQL"
  load "$work/pg.txt"
  [ "$(awk '$2 == 201' "$work/pg.txt" | wc -l)" = "$((count - 3))" ] || fail "PostgreSQL: not all taken"
  sort -n -k3 "$work/pg.txt" | awk -v n="$count" '{ t[NR] = $3 }
    END { printf "  %d answered: %.3f s (p50), %.3f s (p99)\n", n, t[int(n * 0.5)], t[int(n * 0.99)] }'
  stop_board
else
  echo "== PostgreSQL: skipped (not installed)"
fi

echo "== the check of a 5-minute game"
seed=1
while :; do
  sh "$source_dir/tests/make_replay.sh" "$game" "$source_dir" "$seed" 18100 >"$work/long.script"
  over=$(sed -n 's/^# over //p' "$work/long.script")
  [ "$over" -ge 17900 ] && break
  seed=$((seed + 1))
done
start_board "$work/long.sqlite" --rate 1000000 --cpu-seconds 1
[ "$(submit "$work/long.script" long)" = 422 ] && grep -q "more than 1 s of processor time" "$work/answer" ||
  fail "the cap on processor time does not hold: $(cat "$work/answer")"
stop_board
start_board "$work/long.sqlite" --rate 1000000 --max-passes 1000
[ "$(submit "$work/long.script" long)" = 422 ] && grep -q "later than the 1000 passes" "$work/answer" ||
  fail "the cap on passes does not hold: $(cat "$work/answer")"
stop_board
echo "  refused past a second of processor time, and past 1000 passes"
start_board "$work/long.sqlite" --rate 1000000
before=$(cpu_seconds)
seconds=$(curl -s -o "$work/answer" -w '%{time_total}' --data-binary "@$work/long.script" \
  "$url/api/replays?name=long")
grep -q '"rank"' "$work/answer" || fail "the long game was not taken: $(cat "$work/answer")"
echo "  a replay of $((over + 1)) passes: answered in $seconds s," \
  "$(echo "$(cpu_seconds) - $before" | bc) s of the board's processor time"
stop_board
