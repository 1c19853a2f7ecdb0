# Sourced by the scripts that drive a running game: fail reports, with the end
# of each game's standard error kept as $work/*.err, and ends the script;
# wait_for runs a command until it succeeds, for up to $WAIT_SECONDS seconds
# (a minute unless set).

fail() {
  echo "FAILED: $*" >&2
  tail -n 5 "$work"/*.err >&2 || true
  exit 1
}

wait_for() {
  for _ in $(seq $((${WAIT_SECONDS:-60} * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  fail "gave up waiting for: $*"
}
