#!/usr/bin/env bash
# The whole screen of a desktop of a given size and scale, with the program on it, as a PNG.
#   scripts/screen-shot.sh OUT.png WIDTHxHEIGHT SCALE% [--keys 'Tab Tab'] COMMAND [ARGS...]
#   scripts/screen-shot.sh docs/schaal-1366x768-125.png 1366x768 125 ./build/tikara
# A private Xvfb of that size runs openbox (title bars and frames, as on a real desktop) and
# says its scale the way desktops tell Qt: Xft.dpi in the X resources (96 dpi is 100 %). The
# keys, if any, are typed into the program's window before the picture is taken.
# Needs xvfb, openbox, xdotool, x11-xserver-utils and imagemagick.
set -euo pipefail
out=${1:?OUT.png}; size=${2:?WIDTHxHEIGHT}; scale=${3:?SCALE%}; shift 3
keys=""
if [ "${1:-}" = --keys ]; then keys=$2; shift 2; fi
for t in Xvfb openbox xdotool xrdb import; do
  command -v $t >/dev/null || { echo "screen-shot.sh: install $t first" >&2; exit 2; }
done
d=90; while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d+1)); done
# -noreset: otherwise the server resets when xrdb, its only client yet, leaves, and forgets the scale.
Xvfb :$d -noreset -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 & xpid=$!
wm=""; app=""
trap 'kill $app $wm $xpid 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY=:$d QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "Xft.dpi: $((96 * scale / 100))" | xrdb -merge
openbox --config-file /dev/null >/dev/null 2>&1 & wm=$!
"$@" & app=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --pid $app 2>/dev/null | head -1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "screen-shot.sh: no window appeared" >&2; exit 1; }
sleep 1
for key in $keys; do xdotool windowactivate --sync $win key $key; sleep 0.2; done
sleep 0.5
import -window root "$out"
echo "screen-shot.sh: saved $out ($size at $scale %)"
