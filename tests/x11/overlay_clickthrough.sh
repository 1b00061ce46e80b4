#!/usr/bin/env bash
# Under a private X server with no window manager: the pointer over a see-through part of
# the Hulpjes overlay is over the main window, and a click there reaches it (the choice
# panel opens); the pointer over the overlay's ink is over the overlay. The STOP picture,
# clicked through the overlay, ends the program with exit code 0.
set -euo pipefail
app=${1:?path to tikara}
source "$(dirname "$0")/x11session.sh"
start_xvfb
under() { xdotool mousemove "$1" "$2"; eval "$(xdotool getmouselocation --shell)"; echo "$WINDOW"; }
# The pointer at $1,$2 is over window $3.
over() { [ "$(under "$1" "$2")" = "$3" ]; }
overlay_shown() { overlay=$(windows_of "$pid" | grep -vx "$main" | head -1 || true); [ -n "$overlay" ]; }
start_program "$app"

# Button1 ("Hulpjes Aan") in the settings group.
xdotool mousemove $((cx + 649)) $((cy + 73)) click 1
overlay=""
wait_for "the overlay" overlay_shown

# The overlay's top-left lies 3 px left of the client area and 98 px below its top. The
# program cuts the overlay to its ink just after showing it, so both are awaited.
ox=$((cx - 3)); oy=$((cy - 19 + 117))
wait_for "the arrow's ink over the overlay" over $((ox + 130)) $((oy + 195)) "$overlay"
wait_for "a see-through part over the main window" over $((cx + 92)) $((cy + 501)) "$main"

wait_for "the bare background before the click" pixel_is $((cx + 500)) $((cy + 182)) "#B4B4B4"
xdotool mousemove $((cx + 92)) $((cy + 501)) click 1
wait_for "the starter beneath to open the choice panel" pixel_is $((cx + 500)) $((cy + 182)) "#6D6D6D"

stop_program "$pid" "$cx" "$cy"
echo "1 passed, 0 failed"
