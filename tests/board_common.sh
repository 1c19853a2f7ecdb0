# Shell helpers for the score board's tests and measurements, sourced by them.
# They expect $board (the ridgeline-board executable). Sourcing makes $work,
# a scratch folder, and a trap on EXIT that stops the board ($server), the
# PostgreSQL cluster, unmounts $mounted when set, and removes $work.

work=$(mktemp -d)
server=
mounted=
cleanup() {
  set +e
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server"
  [ -d "$work/pg/data" ] && pg_down
  [ -n "$mounted" ] && umount "$mounted"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  exit 1
}

# Runs "$@" every 0.1 s until it succeeds, for at most $1 seconds.
within() {
  tries=$(($1 * 10))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Starts the board on the database $1, with the options after it, on a free
# port; sets $server (its process) and $url.
start_board() {
  db=$1
  shift
  : >"$work/board.out"
  "$board" --db "$db" --port 0 "$@" >"$work/board.out" 2>>"$work/board.err" &
  server=$!
  within 20 grep -q listening "$work/board.out" || fail "the board did not start: $(cat "$work/board.err")"
  url=$(sed -n 's/.*listening on \(http[^ ]*\)\/$/\1/p' "$work/board.out")
  echo "board on $url (process $server)"
}

# Stops the board with SIGTERM and checks that it ended cleanly.
stop_board() {
  kill -TERM "$server"
  wait "$server" || fail "the board ended with status $? on SIGTERM: $(tail -n 3 "$work/board.err")"
  server=
}

# POSTs the file $1 as player $2, as the README says to; prints the status,
# the body in $work/answer.
submit() {
  curl -s -o "$work/answer" -w '%{http_code}' --data-binary "@$1" "$url/api/replays?name=$2"
}

# The status of GET $1 (a path), the body in $work/got.
get() {
  curl -s -o "$work/got" -w '%{http_code}' "$url$1"
}

# A throwaway PostgreSQL cluster in $work/pg, reached through its socket
# only; sets $pg_url. As root, its server runs as the postgres user, which
# PostgreSQL requires. Returns 1 when PostgreSQL is not installed.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
as_pg() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
start_postgres() {
  [ -x "$pg_bin/initdb" ] || return 1
  mkdir -p "$work/pg"
  [ "$(id -u)" = 0 ] && chown postgres "$work/pg" && chmod 755 "$work"
  as_pg "$pg_bin/initdb" -D "$work/pg/data" -U board -A trust >"$work/pg/initdb.log" 2>&1 ||
    fail "initdb: $(tail -n 3 "$work/pg/initdb.log")"
  pg_url="postgresql:///postgres?host=$work/pg&port=5432&user=board"
  pg_up
}
pg_up() {
  as_pg "$pg_bin/pg_ctl" -D "$work/pg/data" -l "$work/pg/server.log" -w \
    -o "-k $work/pg -c listen_addresses= -p 5432" start >/dev/null || fail "PostgreSQL did not start"
}
pg_down() {
  as_pg "$pg_bin/pg_ctl" -D "$work/pg/data" -m fast -w stop >/dev/null
}
