#!/usr/bin/env bash
# Installs what is missing on Debian 12 / Ubuntu, asking sudo for root when needed.
#
#   scripts/install-deps.sh [--tests] [--package] [--dev] [--windows] [--web]
#
# Without options: what building and running the program need. --tests adds the tools of the
# X11 tests and the benchmark, --package what building and checking the .deb needs, --dev
# Clang, clang-tidy and clazy for scripts/tidy.sh, --windows the MinGW-w64 cross compilers, Wine,
# what building Qt from Debian's source needs and wixl and msitools for the installer
# (scripts/build-windows.sh), --web emscripten,
# Chromium, Node.js and npm for the page and its browser test (scripts/build-web.sh). One line per step;
# apt's own output goes to a log that is shown only when a step fails.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-base-private-dev fonts-liberation fonts-dejavu-core)
for option in "$@"; do
  case $option in
    --tests) packages+=(xvfb xdotool xclip imagemagick x11-utils python3 at-spi2-core python3-pyatspi dbus-daemon) ;;
    --package) packages+=(file dpkg-dev desktop-file-utils appstream) ;;
    --dev) packages+=(clang clang-tidy clazy) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 ninja-build dpkg-dev xz-utils fonts-liberation2
                          wixl msitools) ;;
    --web) packages+=(emscripten chromium nodejs fonts-liberation2 zopfli ninja-build dpkg-dev xz-utils python3)
           # A Node.js from elsewhere brings its own npm; Debian's would conflict with it.
           command -v npm >/dev/null || packages+=(npm) ;;
    *) echo "usage: $0 [--tests] [--package] [--dev] [--windows] [--web]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything needed is installed"
  exit 0
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
log=$(mktemp --tmpdir tikara-install-deps.XXXXXX.log)
# Runs one apt step with its output in the log; on failure shows the log and stops.
quietly() {
  local what=$1
  shift
  echo "install-deps: $what"
  if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "$@" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps: failed: $what (log: $log)" >&2
    exit 1
  fi
}
quietly "updating the package lists" apt-get update
quietly "installing ${missing[*]}" \
  apt-get install -y --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"
rm -f "$log"
echo "install-deps: done"
