#!/usr/bin/env bash
# Runs every Wine test program of the x86_64 build on a private virtual display, in one Wine
# desktop. Extra arguments go to each test program (e.g. --gtest_filter=...).
#
# Wine and the virtual X server add timing of their own (input delivered late, held keys
# released on activation changes, windows restacked after they appear). A test case that
# fails is therefore run once more on its own; it counts as passed only if that run passes,
# and the log names it as flaky either way, so the cases that needed a second run are visible.
# Each program ends with a line "== <program>: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
unset DISPLAY
wine_start yes
trap wine_stop EXIT
logs=build/test-logs
mkdir -p "$logs"
status=0
for program in window_groups_wine_tests e2e_tests reliability_tests; do
  exe=build/win64/tests/$program.exe
  [ -f "$exe" ] || continue
  echo "== $program (Wine)"
  log=$logs/$program.log
  wine64 "$exe" --gtest_color=no "$@" 2>&1 | tee "$log"
  passed=$(grep -oE '^\[  PASSED  \] [0-9]+' "$log" | awk '{print $NF}' | tail -n 1)
  passed=${passed:-0}
  # The summary lists each failed case as "[  FAILED  ] Suite.Name[, where ...]", untimed.
  # (Wine passes the programs' CRLF line ends through.)
  mapfile -t failures < <(tr -d '\r' <"$log" |
    sed -n 's/^\[  FAILED  \] \([^ ,]*\)\(, where .*\)\?$/\1/p' | awk '!seen[$0]++')
  if ! grep -qE '^\[  (PASSED|FAILED)  \]' "$log"; then
    echo "== $program: ended without a GoogleTest summary"
    failures=("<program>")
  fi
  failed=0
  for case in "${failures[@]}"; do
    if [ "$case" = "<program>" ]; then
      failed=$((failed + 1))
      continue
    fi
    echo "== $program: $case failed; running it once more on its own"
    wine64 "$exe" --gtest_color=no "$@" --gtest_filter="$case" >"$log.retry" 2>&1
    if grep -qE '^\[  PASSED  \] 1 test\.' "$log.retry"; then
      echo "== $program: $case is flaky under Wine: it passed on its second run"
      passed=$((passed + 1))
    else
      cat "$log.retry"
      failed=$((failed + 1))
    fi
  done
  [ "$failed" -eq 0 ] || status=1
  echo "== $program: $passed passed, $failed failed"
done
exit $status
