#!/usr/bin/env bash
# CTest's emulator in the web build: runs a unit test compiled to WebAssembly under Node.js.
# Without the flag, emscripten 3.1.6's runtime asks Node's own fetch for the .wasm by its path.
exec node --no-experimental-fetch "$@"
