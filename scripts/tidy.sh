#!/usr/bin/env bash
# The static checks over every source file, with the Clang build's compile commands (the
# benchmark programs are not part of that build): clang-tidy's bug-prone, performance and
# override checks and the Clang static analyser (.clang-tidy), then clazy's Qt checks of levels 0 and 1. Installs Clang,
# clang-tidy and clazy first when they are missing. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --dev
[ -f build-clang/compile_commands.json ] || cmake --preset clang >/dev/null
cmake --build build-clang -j2 --target all >/dev/null # generated moc headers must exist
# Every source file the Clang build compiles: the web page's platform file is built for
# WebAssembly only.
mapfile -t files < <(git ls-files '*.cpp' ':!bench/' | grep -xF -f <(sed -n "s|^ *\"file\": \"$PWD/\(.*\)\",\?$|\1|p" build-clang/compile_commands.json))
run-clang-tidy -quiet -p build-clang -j 2 "${files[@]/#/$PWD/}"
echo "clazy: ${#files[@]} files"
findings=$(printf '%s\n' "${files[@]/#/$PWD/}" \
  | xargs -P 2 -n 1 clazy-standalone -p build-clang --checks=level0,level1 2>&1 \
  | grep -E 'warning:|error:' || true)
[ -z "$findings" ] || { printf '%s\n' "$findings"; exit 1; }
echo "clazy: no findings"
