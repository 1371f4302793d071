#!/usr/bin/env bash
# Every test: the host unit tests, the static checks, then the Wine tests of the x86_64 build.
# Ends with one line that counts the test cases of all of them.
set -uo pipefail
cd "$(dirname "$0")/.."
logs=build/test-logs
mkdir -p "$logs"
status=0

ctest --preset host 2>&1 | tee "$logs/host.log" || status=1
tools/check-imports.sh || status=1
tools/lint.sh 2>&1 | tee "$logs/lint.log" || status=1
tools/wine-tests.sh 2>&1 | tee "$logs/wine.log" || status=1

# ctest: "100% tests passed, 0 tests failed out of 57"; the Wine runs: "== e2e_tests: 36 passed, 0 failed"
host_total=$(grep -oE 'tests failed out of [0-9]+' "$logs/host.log" | grep -oE '[0-9]+$' || echo 0)
host_failed=$(grep -oE '[0-9]+ tests failed out of' "$logs/host.log" | grep -oE '^[0-9]+' || echo 0)
wine_passed=$(sed -n 's/^== [a-z0-9_]*: \([0-9]*\) passed, [0-9]* failed$/\1/p' "$logs/wine.log" |
  awk '{s += $1} END {print s + 0}')
wine_failed=$(sed -n 's/^== [a-z0-9_]*: [0-9]* passed, \([0-9]*\) failed$/\1/p' "$logs/wine.log" |
  awk '{s += $1} END {print s + 0}')
passed=$((host_total - host_failed + wine_passed))
failed=$((host_failed + wine_failed))
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
  failed=1 # a step failed without a counted test case (lint, a crash, a build step)
fi
echo
echo "tests: $passed passed, $failed failed"
exit $status
