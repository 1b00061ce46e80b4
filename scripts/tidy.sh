#!/usr/bin/env bash
# clang-tidy's bug-prone, performance and override checks (.clang-tidy) over every source file,
# with the Clang build's compile commands (the benchmark programs are not part of that build).
# Installs Clang and clang-tidy first when they are missing. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --dev
[ -f build-clang/compile_commands.json ] || cmake --preset clang >/dev/null
cmake --build build-clang -j2 --target all >/dev/null # generated moc headers must exist
mapfile -t files < <(git ls-files '*.cpp' ':!bench/')
run-clang-tidy -quiet -p build-clang -j 2 "${files[@]/#/$PWD/}"
