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
# 5. Packs the Windows Installer package build-windows/tikara-2.1-x64.msi and installs, starts,
#    upgrades and removes it under Wine (tests/wine/msi.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
configure_preset=windows
case ${1:-} in
  --ci) configure_preset=ci-windows ;;
  "") ;;
  *) echo "usage: $0 [--ci]" >&2; exit 2 ;;
esac

source scripts/qt-source.sh
readonly qt=$cache_root/qt-$qt_version-mingw-static
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
# What the cache was built from and how; a cache with another stamp is built again.
stamp() {
  printf '%s\n' "$qt_debian" "${qt_options[@]}"
  sha256sum packaging/windows/mingw-w64-x86_64.cmake | cut -d' ' -f1
}

# Qt's own toolchain file loads this one again for the program, so it lives beside Qt.
prepare_qt_prefix() { cp packaging/windows/mingw-w64-x86_64.cmake "$qt/"; }
prepare_qt_source() { :; }

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
own_cache_root
reuse_or_build_qt "$qt" Windows -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" "${qt_options[@]}"

step "icon tool for this machine"
cmake --preset default >/dev/null
cmake --build build --target tikara_icon >/dev/null

step "tikara.exe and the tests, the tests under Wine, the zip"
wine_prefix
cmake --preset "$configure_preset" >/dev/null
cmake --workflow --preset windows

step "the program's window under Wine on Xvfb"
tests/wine/real-window.sh build-windows/tikara.exe build-windows/windows-wine.png

step "the installer, and what it does under Wine"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
packaging/windows/pack-msi.sh build-windows "$version" "build-windows/tikara-$version-x64.msi"
tests/wine/msi.sh build-windows build-windows/msi-wine.png
ls -l build-windows/tikara.exe build-windows/tikara-*-windows-x64.zip build-windows/tikara-*-x64.msi
