# Shared by the X11 tests: a private X server with no window manager, and the program in it.
# Source it, then call start_xvfb once; every program started is ended when the test exits.

# Xvfb picks a free display itself and reports it, so parallel runs never share one.
start_xvfb() {
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xpid=$!
  trap 'kill ${programs[*]:-} $xpid 2>/dev/null; wait 2>/dev/null || true; rm -f "$displayfile"' EXIT
  wait_for "the X server" test -s "$displayfile"
  export DISPLAY=:$(head -1 "$displayfile") QT_QPA_PLATFORM=xcb
}

programs=()
fail() { echo "FAIL: $*"; exit 1; }
ended() { ! kill -0 "$1" 2>/dev/null; }
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# Polls until the command succeeds. The program answers in its own time, the more slowly the
# busier the machine; the limit only decides how long a failing test takes to say so.
# Usage: wait_for "what is awaited" command...
wait_for() {
  local what=$1 deadline=$((SECONDS + 30))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
    sleep 0.1
  done
}

# Sets $main to the program's first visible window; fails at once when the program has ended.
main_window_shown() {
  main=$(windows_of "$1" | head -1)
  [ -n "$main" ] && return 0
  kill -0 "$1" 2>/dev/null && return 1
  code=0; wait "$1" || code=$?
  fail "the program ended before its window showed (exit $code)"
}

# Starts the program; sets $pid and $main (its window) and $cx, $cy (the client area's origin).
start_program() {
  "$1" & pid=$!
  programs+=("$pid")
  main=""
  wait_for "the main window" main_window_shown "$pid"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  cx=$X; cy=$Y
  # Mapped but not yet painted, the window shows the server's black: wait for its first picture.
  wait_for "the window's first picture" pixel_is $((cx + 30)) $((cy + 485)) "#A6CAF0"
}

# Clicks the STOP picture of the program whose client area starts at $2,$3; it must end with 0.
stop_program() {
  xdotool mousemove $(($2 + 54)) $(($3 + 116)) click 1
  wait_for "STOP to end the program" ended "$1"
  status=0; wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}
