#!/usr/bin/env bash
# The Windows Installer package from a Windows build folder, for a school's IT to deploy:
#   pack-msi.sh BUILD_DIR VERSION OUT.msi
# Installs the build's files as the zip has them (stripped) into a staging folder, with the
# icon beside them, and has wixl build the package from tikara.wxs beside this script; wixl
# finds files only by paths relative to where it runs. wixl 0.101 writes no component
# conditions, so the desktop shortcut's condition is set in the package afterwards: installed
# when BUREAUBLAD=1 is given, and always part of a removal, so a removal takes it away too.
set -euo pipefail
build=$(realpath "$1")
version=$2
out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage" --strip >/dev/null
cp "$build/tikara.ico" "$stage/"
rm -f "$out"
(cd "$stage" && wixl --arch x64 -D SourceDir=. -D Version="$version" --output "$out" "$here/tikara.wxs")
msibuild "$out" -q "UPDATE Component SET Condition = 'BUREAUBLAD = \"1\" OR REMOVE = \"ALL\"' WHERE Component = 'Bureaublad'"
