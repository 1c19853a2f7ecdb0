# Sourced by the tests that need an X display of their own. start_x_display
# starts a virtual X server on a display that no other test holds (Xvfb
# -displayfd picks a free one, so tests can run side by side) and a window
# manager, waits until both answer, and exports DISPLAY. stop_x_display ends
# both; call it from the EXIT trap. The caller's $work is a folder of its own.
#
#   start_x_display [SCREEN]      SCREEN as Xvfb takes it; 1280x1024x24 unless given
#
# POSIX sh, for the sh and the bash scripts alike.

x_server=
x_window_manager=

# Runs "$@" every 0.1 s until it succeeds, for at most $1 seconds.
x_within() {
  x_tries=$(($1 * 10))
  shift
  while ! "$@"; do
    x_tries=$((x_tries - 1))
    [ "$x_tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

x_window_manager_up() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

start_x_display() {
  rm -f "$work/x-display"
  # Xvfb writes the display's number to fd 3 once it takes connections.
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp \
    3>"$work/x-display" >"$work/xvfb.log" 2>&1 &
  x_server=$!
  if ! x_within 20 test -s "$work/x-display"; then
    echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2
    return 1
  fi
  DISPLAY=":$(cat "$work/x-display")"
  export DISPLAY
  openbox >"$work/openbox.log" 2>&1 &
  x_window_manager=$!
  # A window mapped before the window manager is up is shown late.
  if ! x_within 20 x_window_manager_up; then
    echo "openbox did not start: $(cat "$work/openbox.log")" >&2
    return 1
  fi
}

stop_x_display() {
  [ -z "$x_window_manager" ] || kill "$x_window_manager" 2>/dev/null
  [ -z "$x_server" ] || kill "$x_server" 2>/dev/null
  x_window_manager=
  x_server=
}
