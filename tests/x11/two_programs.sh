#!/usr/bin/env bash
# Two programs started at once stay independent: a starter clicked in one opens its choice
# panel and nothing in the other, and STOP ends only the program it belongs to.
set -euo pipefail
app=${1:?path to tikara}
source "$(dirname "$0")/x11session.sh"
start_xvfb

start_program "$app"; first=$pid; firstwin=$main
start_program "$app"; second=$pid
# Without a window manager both open at the same place: put the second beside the first.
xdotool windowmove --sync "$main" 400 300
eval "$(xdotool getwindowgeometry --shell "$firstwin")"; ax=$X; ay=$Y
eval "$(xdotool getwindowgeometry --shell "$main")"; bx=$X; by=$Y
[ "$ax" != "$bx" ] || fail "the second window did not move"

# The choice panel's background, left of the score panel. Once the second program shows it, the
# first, raised above the second, must show its bare background there; a choice panel opened
# by the same click would never let that point turn grey.
xdotool mousemove $((bx + 92)) $((by + 501)) click 1
wait_for "the second program's choice panel" pixel_is $((bx + 500)) $((by + 182)) "#6D6D6D"
xdotool windowraise "$firstwin"
wait_for "the first program unchanged" pixel_is $((ax + 500)) $((ay + 182)) "#B4B4B4"

stop_program "$first" "$ax" "$ay"
kill -0 "$second" 2>/dev/null || fail "ending the first program ended the second"
stop_program "$second" "$bx" "$by"
echo "1 passed, 0 failed"
