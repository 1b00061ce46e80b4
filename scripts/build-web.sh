#!/usr/bin/env bash
# Tikara as a web page (WebAssembly), built on this Debian machine and tested in Chromium:
#
#   scripts/build-web.sh [--ci]
#
# --ci builds with warnings as errors (the ci-web preset), as CI does.
#
# 1. Installs emscripten, Chromium, Node.js and the test tools (install-deps.sh --web).
# 2. Builds a static Qt for WebAssembly once, from Debian's source of the same Qt as
#    qt6-base-dev, into /var/cache/tikara (the web preset finds it there). A complete build is
#    reused; an incomplete or different one is rebuilt.
# 3. Builds the page and the unit tests in build-web/, runs the unit tests under Node.js,
#    packs build-web/tikara-2.1-web.zip and drives the page in headless Chromium (label web).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/qt-source.sh
configure_preset=$(preset_for web "$@")
readonly qt=$cache_root/qt-$qt_version-wasm
readonly emscripten=/usr/share/emscripten
# Single-threaded (no SharedArrayBuffer, so no special server headers), drawn through WebGL
# (OpenGL ES 2 stays on), only Core, Gui, Widgets and Test, and without the widgets the
# program never shows, which keeps the download small.
readonly qt_options=(
  -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_thread=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF -DFEATURE_fontconfig=OFF -DFEATURE_zstd=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF
  -DFEATURE_datetimeedit=OFF -DFEATURE_dockwidget=OFF -DFEATURE_filedialog=OFF
  -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF -DFEATURE_inputdialog=OFF
  -DFEATURE_progressdialog=OFF -DFEATURE_wizard=OFF -DFEATURE_undocommand=OFF
  -DFEATURE_columnview=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF -DFEATURE_dial=OFF
  -DFEATURE_lcdnumber=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_fontcombobox=OFF
  -DFEATURE_textodfwriter=OFF -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_errormessage=OFF -DFEATURE_ico=OFF
  -DFEATURE_style_stylesheet=OFF
)
# Fonts that Qt builds into every program for the browser and this one never shows: the
# platform's own DejaVu and Vera (about 1 MB), where the program brings Liberation Sans. They
# are one resource block in Qt's build files, left out here; nothing of Qt's code changes.
readonly left_out=(
  'src/plugins/platforms/wasm/CMakeLists.txt:qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"'
)

stamp() {
  printf '%s\n' "$qt_debian" "${qt_options[@]}" "${left_out[@]}"
  cat "$emscripten/emscripten-version.txt"
}

# Qt looks for emscripten in an emsdk-like folder: EMSCRIPTEN_ROOT in $EMSDK/.emscripten,
# read as a path below $EMSDK, holding emcc. Debian's emscripten lives elsewhere, so a folder
# of links stands in; emcc itself goes on reading Debian's configuration.
readonly emsdk=$cache_root/emsdk
emsdk_links() {
  local root=$emsdk/upstream/emscripten tool
  rm -rf "$emsdk"
  mkdir -p "$root"
  echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
  for tool in emcc em++ emar emranlib; do ln -s "/usr/bin/$tool" "$root/$tool"; done
  ln -s "$emscripten/cmake" "$root/cmake"
  export EMSDK=$emsdk
  # Debian's acorn, when the machine's Node.js is not Debian's own.
  export NODE_PATH=/usr/share/nodejs
}
prepare_qt_prefix() { :; }
prepare_qt_source() {
  local entry file block
  for entry in "${left_out[@]}"; do
    file=$1/${entry%%:*} block=${entry#*:}
    grep -qxF "$block" "$file" || { echo "no $block in $file" >&2; exit 1; }
    sed -i "/^${block}\$/,/^)/d" "$file"
  done
}

step "set-up"
scripts/install-deps.sh --tests --web
own_cache_root
emsdk_links
reuse_or_build_qt "$qt" WebAssembly \
  -DCMAKE_TOOLCHAIN_FILE="$emscripten/cmake/Modules/Platform/Emscripten.cmake" "${qt_options[@]}"

step "the page and the unit tests, the tests under Node.js, the zip, the page in Chromium"
cmake --preset "$configure_preset" >/dev/null
cmake --workflow --preset web
ls -l build-web/tikara-*-web.zip
