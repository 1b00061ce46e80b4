#!/usr/bin/env bash
# Under a private X server with no window manager: the pointer over a see-through part of
# the Hulpjes overlay is over the main window, and a click there reaches it (the choice
# panel opens); the pointer over the overlay's ink is over the overlay. The STOP picture,
# clicked through the overlay, ends the program with exit code 0.
set -euo pipefail
app=${1:?path to tikara}
source "$(dirname "$0")/x11session.sh"
start_xvfb
under() { xdotool mousemove "$1" "$2"; sleep 0.2; eval "$(xdotool getmouselocation --shell)"; echo "$WINDOW"; }
start_program "$app"

# Button1 ("Hulpjes Aan") in the settings group.
xdotool mousemove $((cx + 649)) $((cy + 73)) click 1
overlay=""
for _ in $(seq 50); do overlay=$(windows_of "$pid" | grep -vx "$main" | head -1 || true); [ -n "$overlay" ] && break; sleep 0.1; done
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

stop_program "$pid" "$cx" "$cy"
echo "1 passed, 0 failed"
