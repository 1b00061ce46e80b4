#!/usr/bin/env bash
# Builds the release .deb and checks that it installs as a desktop program and starts, without
# installing it on this machine: the desktop entry and metainfo are validated, the package's
# fields and file list are read with dpkg-deb, and the binary runs from an extracted copy.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

readonly app_id=nl.tikara.Tikara
readonly start_seconds=2
passed=0
failed=0

pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; }
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}
# Passes when the command succeeds. Usage: expect "what" command...
expect() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# Runs a command quietly; on failure shows its output. Usage: step "what" command...
step() {
  local what=$1 out
  shift
  if out=$("$@" 2>&1); then pass "$what"; else fail "$what"; printf '%s\n' "$out"; fi
}

scripts/install-deps.sh --package

step "release build" bash -c 'cmake --preset release >/dev/null && cmake --build --preset release'
[ "$failed" -eq 0 ] || finish

# Validators report problems on stdout and set their exit status; warnings count as failures.
validate() {
  local what=$1 out
  shift
  out=$("$@" 2>&1)
  local status=$?
  [ -n "$out" ] && printf '%s\n' "$out"
  if [ $status -eq 0 ] && ! grep -qE '^(W|E): |warning:|error:' <<<"$out"; then pass "$what"; else fail "$what"; fi
}
validate "desktop-file-validate" desktop-file-validate "packaging/$app_id.desktop"
validate "appstreamcli validate" appstreamcli validate --no-net "packaging/$app_id.metainfo.xml"

rm -f build-release/tikara_*.deb
step "cpack builds the .deb" cpack --preset release
debs=(build-release/tikara_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { fail "a .deb in build-release"; finish; }
echo "package: $deb"

info=$(dpkg-deb -I "$deb")
field() { sed -n "s/^ $1: //p" <<<"$info"; }
expect "Package: '$(field Package)' is tikara" test "$(field Package)" = tikara
expect "Section: '$(field Section)' is education" test "$(field Section)" = education
expect "Maintainer: '$(field Maintainer)' is given" test -n "$(field Maintainer)"
expect "Description: '$(field Description)' is given" test -n "$(field Description)"
dependency_names=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for dep in fonts-liberation libqt6widgets6; do
  expect "Depends names $dep" grep -qx "$dep" <<<"$dependency_names"
done

packaged=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/tikara \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "./usr/share/icons/hicolor/48x48/apps/$app_id.png" \
            "./usr/share/metainfo/$app_id.metainfo.xml"; do
  expect "package holds ${path#.}" grep -qxF "$path" <<<"$packaged"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
validate "appstreamcli validate-tree of the package" appstreamcli validate-tree --no-net "$root"
# Still running when the timeout ends it (status 124) means the window came up and waited for the user.
QT_QPA_PLATFORM=offscreen timeout "$start_seconds" "$root/usr/bin/tikara" >"$root/start.log" 2>&1
status=$?
if [ $status -eq 124 ]; then
  pass "extracted tikara starts and keeps running for ${start_seconds}s"
else
  fail "extracted tikara ended with status $status"
  cat "$root/start.log"
fi

finish
