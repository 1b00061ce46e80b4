#!/usr/bin/env bash
# tikara.exe in a real window under Wine, on an Xvfb of its own, checked from outside: the
# window comes up with its caption, a click on "Start Oefening Digitaal -> analoog" opens the
# choice panel, and STOP ends the process with exit code 0.
#   real-window.sh TIKARA.EXE SCREENSHOT.png
# Wine's prefix and quietness come from WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES; the
# windows platform is asked for on the command line, as the prefix's own default is offscreen.
set -euo pipefail
exe=${1:?path to tikara.exe}
shot=${2:?path of the screenshot to save}
source "$(dirname "$0")/../x11/x11session.sh"
start_xvfb
readonly client_width=799 client_height=620
readonly caption='^Tikara v\.2\.1 \(ZVO\)$'
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
# Wine's desktop process keeps the display it was started with: a server left from the
# headless tests would show the window nowhere.
"$wineserver" -k 2>/dev/null || true

window_named() { main=$(xdotool search --onlyvisible --name "$caption" 2>/dev/null | head -1); [ -n "$main" ]; }

"$wine" "$exe" -platform windows & pid=$!
programs+=("$pid")
wait_for "a window captioned \"Tikara v.2.1 (ZVO)\"" window_named
eval "$(xdotool getwindowgeometry --shell "$main")"
# Without a window manager Wine draws the frame itself, the same width on the left, right
# and bottom; the caption bar takes the rest above the client area.
border=$(((WIDTH - client_width) / 2))
cx=$((X + border)); cy=$((Y + HEIGHT - client_height - border))

wait_for "the bare window beside the score panel" pixel_is $((cx + 500)) $((cy + 182)) "#B4B4B4"
# The digital clock reads "00" until the live clock's first tick, a second after the start.
digital_clock() { import -window root -crop "72x23+$((cx + 166))+$((cy + 497))" txt:- | md5sum; }
before=$(digital_clock)
ticked() { [ "$(digital_clock)" != "$before" ]; }
wait_for "the live clock's first tick" ticked
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shot"
xdotool mousemove $((cx + 92)) $((cy + 501)) click 1
wait_for "the choice panel after the starter's click" pixel_is $((cx + 500)) $((cy + 182)) "#6D6D6D"
stop_program "$pid" "$cx" "$cy"
"$wineserver" -k 2>/dev/null || true
echo "window ${WIDTH}x${HEIGHT} with a client of ${client_width}x${client_height}; choice panel opened; STOP ended it with exit code 0"
