#!/usr/bin/env bash
# Configures and builds the three configurations: host (unit tests), win32 (the i686 release
# executable) and win64 (the x86_64 twin that the Wine tests run).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
for preset in host win32 win64; do
  [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
