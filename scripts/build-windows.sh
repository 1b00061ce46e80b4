#!/usr/bin/env bash
# tikara.exe for 64-bit Windows, built on this Debian machine and tested under Wine:
#
#   scripts/build-windows.sh [--ci]
#
# --ci builds with warnings as errors (the ci-windows preset), as CI does.
#
# 1. Installs the MinGW-w64 cross compilers, Wine and the test tools (install-deps.sh).
# 2. Builds a static Qt for Windows once, from Debian's source of the same Qt as qt6-base-dev,
#    checked against the SHA-256 sums below, into /var/cache/tikara (the windows preset
#    finds it there). A complete build is reused; an incomplete or different one is rebuilt.
# 3. Builds the icon tool for this machine, then tikara.exe and the tests in build-windows/,
#    runs the tests under Wine and packs build-windows/tikara-2.1-windows-x64.zip.
# 4. Starts the .exe under Wine on Xvfb and checks its window from outside (tests/wine/real-window.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
configure_preset=windows
case ${1:-} in
  --ci) configure_preset=ci-windows ;;
  "") ;;
  *) echo "usage: $0 [--ci]" >&2; exit 2 ;;
esac

readonly qt_version=6.4.2
readonly qt_debian=6.4.2+dfsg-10
readonly cache_root=/var/cache/tikara
readonly qt=$cache_root/qt-$qt_version-mingw-static
readonly sums="4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e  qt6-base_6.4.2+dfsg.orig.tar.xz
d1a2621b1acb1606db7274ccdb96654564cea04af836c5b86da94e150714d16c  qt6-base_6.4.2+dfsg-10.debian.tar.xz
1b4b5c8610a553d4211fa81e268b1a3b0a6339ae5444fdb7e60d7616da651970  qt6-base_6.4.2+dfsg-10.dsc"
# Only what the program and its tests use: Core, Gui, Widgets, Test, the windows and offscreen
# platforms. Debian's source lacks wintab.h, so tablet events are off; direct2d stays at its
# default, as the DirectWrite font database does not link without it.
readonly qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_fontconfig=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
)
step() { printf '\n=== %s (%s)\n' "$1" "$(date +%T)"; }
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# What the cache was built from and how; a cache with another stamp is built again.
stamp() {
  printf '%s\n' "$qt_debian" "${qt_options[@]}"
  sha256sum packaging/windows/mingw-w64-x86_64.cmake | cut -d' ' -f1
}

fetch_qt_source() {
  local work=$1 apt=$1/apt
  mkdir -p "$apt/lists/partial"
  echo "deb-src http://deb.debian.org/debian bookworm main" >"$apt/sources.list"
  # A private apt configuration: this machine's own sources and lists stay as they are.
  local private=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o Debug::NoLocking=1)
  mkdir -p "$apt/cache/archives/partial"
  apt-get "${private[@]}" -qq update
  (cd "$work" && apt-get "${private[@]}" -qq source --download-only "qt6-base=$qt_debian" 2>/dev/null)
  (cd "$work" && sha256sum --quiet -c - <<<"$sums")
  # Unpacking applies Debian's patches, the security fixes among them.
  (cd "$work" && dpkg-source --no-check -x "qt6-base_$qt_debian.dsc" qtbase >/dev/null)
}

build_static_qt() {
  local work=$cache_root/work
  rm -rf "$work" "$qt"
  mkdir -p "$work" "$qt"
  fetch_qt_source "$work"
  # Qt's own toolchain file loads this one again for the program, so it lives beside Qt.
  cp packaging/windows/mingw-w64-x86_64.cmake "$qt/"
  cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >"$work/configure.log" 2>&1 || { tail -40 "$work/configure.log"; exit 1; }
  ninja -C "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -40 "$work/build.log"; exit 1; }
  ninja -C "$work/build" install >/dev/null
  stamp >"$qt/tikara-stamp"
  rm -rf "$work"
}

# A Wine prefix of the build's own, with Liberation fonts in its Fonts folder: Wine has neither
# Arial nor MS Sans Serif, and the program falls back to Liberation Sans as on Linux. Wine hands
# no QT_ variable on to Windows programs, so the tests' offscreen platform and the folder it
# reads fonts from are set in the prefix's own environment; the real window asks for its
# platform on the command line.
wine_prefix() {
  export WINEPREFIX=$source/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local wine=/usr/lib/wine/wine64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
  fi
  "$wine" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\liberation' /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  cp /usr/share/fonts/truetype/liberation/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

step "set-up"
scripts/install-deps.sh --tests --windows
"${as_root[@]}" mkdir -p "$cache_root"
"${as_root[@]}" chown "$(id -u):$(id -g)" "$cache_root"

step "static Qt $qt_version for Windows in $qt"
if [ -f "$qt/tikara-stamp" ] && [ "$(cat "$qt/tikara-stamp")" = "$(stamp)" ]; then
  echo "complete, reused"
else
  started=$SECONDS
  build_static_qt
  echo "built in $(((SECONDS - started) / 60)) min"
fi

step "icon tool for this machine"
cmake --preset default >/dev/null
cmake --build build --target tikara_icon >/dev/null

step "tikara.exe and the tests, the tests under Wine, the zip"
wine_prefix
cmake --preset "$configure_preset" >/dev/null
cmake --workflow --preset windows

step "the program's window under Wine on Xvfb"
tests/wine/real-window.sh build-windows/tikara.exe build-windows/windows-wine.png
ls -l build-windows/tikara.exe build-windows/tikara-*-windows-x64.zip
