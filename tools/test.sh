#!/usr/bin/env bash
# Every test: host unit tests, static checks, then the Wine tests of the x86_64 build.
set -euo pipefail
cd "$(dirname "$0")/.."
ctest --preset host
tools/wine-tests.sh
