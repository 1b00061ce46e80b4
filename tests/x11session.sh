# Shared by the X11 tests: a private X server with no window manager, and the program in it.
# Source it, then call start_xvfb once; every program started is ended when the test exits.

# Xvfb picks a free display itself and reports it, so parallel runs never share one.
start_xvfb() {
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xpid=$!
  trap 'kill ${programs[*]:-} $xpid 2>/dev/null; wait 2>/dev/null || true; rm -f "$displayfile"' EXIT
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -1 "$displayfile") QT_QPA_PLATFORM=xcb
}

programs=()
fail() { echo "FAIL: $*"; exit 1; }
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }

# Starts the program; sets $pid and $main (its window) and $cx, $cy (the client area's origin).
start_program() {
  "$1" & pid=$!
  programs+=("$pid")
  main=""
  for _ in $(seq 300); do
    main=$(windows_of "$pid" | head -1); [ -n "$main" ] && break
    kill -0 "$pid" 2>/dev/null || { code=0; wait "$pid" || code=$?; fail "the program ended before its window showed (exit $code)"; }
    sleep 0.1
  done
  [ -n "$main" ] || fail "no main window"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  cx=$X; cy=$Y
}

# Clicks the STOP picture of the program whose client area starts at $2,$3; it must end with 0.
stop_program() {
  xdotool mousemove $(($2 + 54)) $(($3 + 116)) click 1
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && fail "STOP did not end the program"
  status=0; wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}
