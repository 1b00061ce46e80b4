#!/usr/bin/env bash
# Under a private X server with no window manager: the pointer over a see-through part of
# the Hulpjes overlay is over the main window, and a click there reaches it (the choice
# panel opens); the pointer over the overlay's ink is over the overlay. The STOP picture,
# clicked through the overlay, ends the program with exit code 0.
set -euo pipefail
app=${1:?path to tikara}
# Xvfb picks a free display itself and reports it, so parallel runs never share one.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 & xpid=$!
pid=""
trap 'kill $pid $xpid 2>/dev/null; wait 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$displayfile") QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*"; exit 1; }
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }
under() { xdotool mousemove "$1" "$2"; sleep 0.2; eval "$(xdotool getmouselocation --shell)"; echo "$WINDOW"; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }

"$app" & pid=$!
main=""; for _ in $(seq 300); do
  main=$(windows | head -1); [ -n "$main" ] && break
  kill -0 "$pid" 2>/dev/null || { code=0; wait "$pid" || code=$?; fail "the program ended before its window showed (exit $code)"; }
  sleep 0.1
done
[ -n "$main" ] || fail "no main window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
cx=$X; cy=$Y

# Button1 ("Hulpjes Aan") in the settings group.
xdotool mousemove $((cx + 649)) $((cy + 73)) click 1
overlay=""
for _ in $(seq 50); do overlay=$(windows | grep -vx "$main" | head -1 || true); [ -n "$overlay" ] && break; sleep 0.1; done
[ -n "$overlay" ] || fail "the overlay did not show"
sleep 0.3

# The overlay's top-left lies 3 px left of the client area and 98 px below its top.
ox=$((cx - 3)); oy=$((cy - 19 + 117))
[ "$(under $((ox + 130)) $((oy + 195)))" = "$overlay" ] || fail "the arrow's ink is not the overlay's"
[ "$(under $((cx + 92)) $((cy + 501)))" = "$main" ] || fail "a see-through part is not over the main window"

before=$(pixel $((cx + 500)) $((cy + 182)))
xdotool mousemove $((cx + 92)) $((cy + 501)) click 1
sleep 0.5
after=$(pixel $((cx + 500)) $((cy + 182)))
[ "$before" = "#B4B4B4" ] || fail "unexpected colour before the click: $before"
[ "$after" = "#6D6D6D" ] || fail "the click did not reach the starter beneath (colour $after)"

xdotool mousemove $((cx + 54)) $((cy + 116)) click 1
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "STOP did not end the program"
status=0; wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "1 passed, 0 failed"
