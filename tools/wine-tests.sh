#!/usr/bin/env bash
# Runs every Wine test program of the x86_64 build on a private virtual display, in one Wine
# desktop. Extra arguments go to each test program (e.g. --gtest_filter=...).
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
unset DISPLAY
wine_start yes
trap wine_stop EXIT
status=0
for program in window_groups_wine_tests e2e_tests reliability_tests; do
  exe=build/win64/tests/$program.exe
  [ -f "$exe" ] || continue
  echo "== $program (Wine)"
  wine64 "$exe" --gtest_color=no "$@" || status=1
done
exit $status
