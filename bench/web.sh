#!/usr/bin/env bash
# The web page's size and first-drawn-window times (bench/web.js), on the folder that
# scripts/build-web.sh packed, with the puppeteer-core that the web build installed.
#   bench/web.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(ls -d "$root"/build-web/tikara-*-web | head -1)
[ -d "$folder" ] || { echo "no build-web/tikara-*-web: run scripts/build-web.sh first" >&2; exit 1; }
NODE_PATH=$root/build-web/tests/web/node_modules exec node "$root/bench/web.js" "$folder" "${1:-5}"
