#!/usr/bin/env bash
# Starts the tool under Wine: on $DISPLAY when there is one, otherwise on a virtual display,
# where a screenshot is saved to build/run-screenshot.png once the panel is up.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
had_display=${DISPLAY:-}
wine_start
trap wine_stop EXIT
if [ -n "$had_display" ]; then
  wine64 build/win64/Tessivar.exe
else
  wine64 build/win64/Tessivar.exe &
  tool=$!
  sleep 5
  import -window root build/run-screenshot.png
  echo "No display: the panel ran on a virtual display; screenshot at build/run-screenshot.png"
  kill "$tool" 2>/dev/null || true
fi
