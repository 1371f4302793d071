#!/usr/bin/env bash
# Takes docs/panel.png: the fresh panel of the x86_64 build, shown by Wine on a private virtual
# display, cut out of a screenshot of the whole desktop.
#   tools/screenshot.sh [build directory, default build/win64] [output, default docs/panel.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}
output=${2:-docs/panel.png}
source tools/wine-env.sh
unset DISPLAY
wine_start yes
trap wine_stop EXIT
wine64 "$build/Tessivar.exe" &
panel=$!
# The panel is the only window on the desktop: wait until something other than the desktop's
# plain background shows, then give it a moment to finish painting.
shot=$(mktemp --suffix=.png)
for _ in $(seq 100); do
  import -window root "$shot"
  [ "$(convert "$shot" -format '%k' info:)" -gt 1 ] && break
  sleep 0.1
done
sleep 1
import -window root "$shot"
# Everything that differs from the desktop's background is the panel with its frame.
convert "$shot" -trim +repage "$output"
rm -f "$shot"
kill "$panel" 2>/dev/null || true
echo "wrote $output ($(identify -format '%wx%h' "$output"))"
