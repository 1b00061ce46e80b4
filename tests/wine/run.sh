#!/usr/bin/env bash
# CTest's emulator in the Windows build: runs a test program under Wine and passes on its exit
# code. QtTest writes nothing to a redirected standard output under Wine, so a unit's log goes
# to a file, printed afterwards. The test preset gives Wine its own prefix and quietness; Wine
# hands no QT_ variable on to a Windows program, so that prefix's own environment gives the
# tests Qt's offscreen platform and its fonts (scripts/build-windows.sh).
#   run.sh PROGRAM.exe [ARGUMENTS...]
set -u
program=$1
shift
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
case $(basename "$program") in
  tst_*)
    log=$(mktemp --suffix=.txt)
    trap 'rm -f "$log"' EXIT
    status=0
    "$wine" "$program" -o "Z:${log//\//\\},txt" "$@" || status=$?
    cat "$log"
    exit $status
    ;;
  *) exec "$wine" "$program" "$@" ;;
esac
