#!/usr/bin/env bash
# On-demand benchmarks (make bench). Prints one table: each row a ratio measured in this run
# against its baseline measured in the same run, with both absolute figures, then details and
# the figures for the release note. Rows:
#   1  capture and hide over 10,000 and 100,000 windows (host, Google Benchmark)
#   2  start-up to a visible, focused panel against a one-button program (Wine)
#   3  idle CPU time against a program polling the same three keys every 10 ms (Wine)
#   4  hide and show of 10, 100 and 1,000 owned windows through Command1 against the driver's
#      own ShowWindowAsync calls (Wine)
#   5  F9 press to the first window hidden, against Command1 and the bare call (Wine)
#   6  size and imports of the i686 executable against the one-button program (i686)
# The bench targets are built in the presets' trees (build/host, build/win32, build/win64);
# TESSIVAR_BENCH_TREES=NAME builds them in build/NAME-host, -win32, -win64 instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=$work/rows

# Trees -----------------------------------------------------------------------------------------
tree_dir() { # preset
  if [ -n "${TESSIVAR_BENCH_TREES:-}" ]; then
    echo "build/$TESSIVAR_BENCH_TREES-$1"
  else
    echo "build/$1"
  fi
}

build_bench() { # preset, targets...
  local preset=$1 dir
  shift
  dir=$(tree_dir "$preset")
  # A tree configured before bench/ existed has no bench targets yet: configure it again.
  if [ -n "${TESSIVAR_BENCH_TREES:-}" ]; then
    if [ ! -d "$dir/bench/CMakeFiles" ]; then
      local args=(-DCMAKE_BUILD_TYPE=MinSizeRel)
      case $preset in
      host) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
      win32) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake) ;;
      win64) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake) ;;
      esac
      cmake -S . -B "$dir" "${args[@]}" >/dev/null
    fi
    cmake --build "$dir" -j "$(nproc)" --target "$@" >/dev/null
  else
    [ -d "$dir/bench/CMakeFiles" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target "$@" >/dev/null
  fi
}

echo "bench: building the bench targets" >&2
build_bench host capture_bench
build_bench win32 Tessivar MinimalButton
build_bench win64 BenchDriver
host_dir=$(tree_dir host)
win32_dir=$(tree_dir win32)
win64_dir=$(tree_dir win64)
read -r load1 _ </proc/loadavg

# Row 1: capture scaling on the host ------------------------------------------------------------
echo "bench: 1 capture scaling (host)" >&2
"$host_dir/bench/capture_bench" --benchmark_repetitions=7 --benchmark_min_time=0.2 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/capture.json" --benchmark_out_format=json >"$work/capture.txt"
python3 - "$work/capture.json" >>"$rows" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
median = {b["run_name"]: b for b in runs if b.get("aggregate_name") == "median"}
def us(b, key):
    return b[key] * {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
for name in ("CaptureWindowGroup", "HideWindowGroup"):
    small, large = median[f"BM_{name}/10000"], median[f"BM_{name}/100000"]
    ratio = us(large, "cpu_time") / us(small, "cpu_time")
    what = f"{name} CPU time, median of 7 (interleaved)"
    figures = [f"{n} {us(b, 'cpu_time'):.1f} us cpu ({us(b, 'real_time'):.1f} us wall)"
               for n, b in (("100k", large), ("10k", small))]
    print(f"ROW\t1 {name} 100k/10k\t{ratio:.2f}x\t{what}\t{figures[0]}\t{figures[1]}")
    print(f"ROW\t1 {name} per window\t{ratio / 10:.2f}x\t{what}, per offered window\t"
          f"{us(large, 'cpu_time') * 1e3 / 100000:.2f} ns/window\t"
          f"{us(small, 'cpu_time') * 1e3 / 10000:.2f} ns/window")
PY

# Rows 2 to 5: under Wine ------------------------------------------------------------------------
source tools/wine-env.sh
unset DISPLAY
export WINEPREFIX=$root/build/wineprefix-bench
wine_start yes
trap 'wine_stop; rm -rf "$work"' EXIT
driver=$win64_dir/bench/BenchDriver.exe
run_driver() {
  echo "bench: $*" >&2
  wine64 "$driver" "$@" | tr -d '\r' >>"$rows" ||
    printf 'NOTE\tFAILED: BenchDriver %s (see the messages above)\n' "$*" >>"$rows"
}
run_driver startup 10

# Row 3: idle CPU, against the windowless poller and the same poller with a window, all three
# side by side. Wine's GetProcessTimes reports 0 for any process but the caller, so the
# kernel + user time of both programs (each a Linux process under Wine) is read from /proc, as
# is that of the prefix's wineserver, which does the timer and key-state work of both.
echo "bench: 3 idle CPU, 20 s" >&2
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
server_pid=
for pid in $(pgrep -x 'wineserver(64)?' || true); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
    server_pid=$pid
  fi
done
"$WINE_LOADER" "$win64_dir/Tessivar.exe" &
tool_pid=$!
"$WINE_LOADER" "$win64_dir/bench/MinimalPoller.exe" &
poller_pid=$!
"$WINE_LOADER" "$win64_dir/bench/MinimalPoller.exe" --window &
windowed_pid=$!
sleep 3 # both are past their start-up
tool_before=$(cpu_ticks $tool_pid)
poller_before=$(cpu_ticks $poller_pid)
windowed_before=$(cpu_ticks $windowed_pid)
server_before=$( [ -n "$server_pid" ] && cpu_ticks "$server_pid" || echo 0)
idle_start=$(date +%s.%N)
sleep 20
tool_cpu=$(($(cpu_ticks $tool_pid) - tool_before))
poller_cpu=$(($(cpu_ticks $poller_pid) - poller_before))
windowed_cpu=$(($(cpu_ticks $windowed_pid) - windowed_before))
server_cpu=$(( $( [ -n "$server_pid" ] && cpu_ticks "$server_pid" || echo 0) - server_before))
idle_end=$(date +%s.%N)
kill "$tool_pid" "$poller_pid" "$windowed_pid" 2>/dev/null || true
wait "$tool_pid" "$poller_pid" "$windowed_pid" 2>/dev/null || true
awk -v t="$tool_cpu" -v p="$poller_cpu" -v w="$windowed_cpu" -v s="$server_cpu" -v hz="$(getconf CLK_TCK)" \
  -v from="$idle_start" -v to="$idle_end" 'BEGIN {
  ms = 1000 / hz
  wall = to - from
  ratio = p > 0 ? sprintf("%.2fx", t / p) : "n/a"
  row = "ROW\t3 idle CPU\t%s\tCPU (kernel+user, /proc) over %.1f s idle, side by side"
  printf row "\tTessivar %d ms (%.2f%%)\tMinimalPoller %d ms (%.2f%%)\n", ratio, wall,
    t * ms, t * ms / wall / 10, p * ms, p * ms / wall / 10
  ratio = w > 0 ? sprintf("%.2fx", t / w) : "n/a"
  row = "ROW\t3 idle CPU vs windowed poller\t%s\tthe same, baseline with a window (--window)"
  printf row "\tTessivar %d ms (%.2f%%)\tMinimalPoller --window %d ms (%.2f%%)\n", ratio,
    t * ms, t * ms / wall / 10, w * ms, w * ms / wall / 10
  note = "NOTE\tidle: the prefix wineserver used %d ms over the same %.1f s for the three programs"
  printf note " (it serves their timers and key-state queries); CPU resolution %d ms\n",
    s * ms, wall, ms }' >>"$rows"

run_driver groups 5 10 100 1000
run_driver hotkey 9 10
wine_stop

# Row 6: footprint of the i686 release executable -----------------------------------------------
echo "bench: 6 footprint (i686)" >&2
imports() { # exe: "DLL(functions) ..." and the total number of imported functions
  i686-w64-mingw32-objdump -p "$1" | awk '
    /DLL Name:/ { dll = $3; order[++dlls] = dll; next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { count[dll]++; total++ }
    /^$/ && dll != "" && count[dll] > 0 { dll = "" }
    END { for (i = 1; i <= dlls; i++) printf "%s(%d) ", order[i], count[order[i]]; printf "= %d", total }'
}
tool=$win32_dir/Tessivar.exe
minimal=$win32_dir/bench/MinimalButton.exe
tool_size=$(stat -c %s "$tool")
minimal_size=$(stat -c %s "$minimal")
awk -v t="$tool_size" -v m="$minimal_size" 'BEGIN {
  printf "ROW\t6 size i686 (stripped)\t%.2fx\tfile size, same compiler and options\tTessivar %d bytes\tMinimalButton %d bytes\n", t / m, t, m }' >>"$rows"
printf 'NOTE\tTessivar.exe imports: %s\n' "$(imports "$tool")" >>"$rows"
printf 'NOTE\tMinimalButton.exe imports: %s\n' "$(imports "$minimal")" >>"$rows"

# The table -------------------------------------------------------------------------------------
echo
echo "Tessivar benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) CPUs, load average $load1 at start"
echo "Each ratio: measured / baseline, both measured in this run. Goal: at most 1.10x."
echo
awk -F'\t' '
  function line(a, b, c, d, e, f) { printf "%-30s %-8s %-5s %-36s %-36s %s\n", a, b, c, d, e, f }
  BEGIN { line("row", "ratio", "goal", "measured", "baseline", "what") }
  $1 == "ROW" {
    goal = ($2 ~ /100k\/10k/) ? "-" : (($3 + 0 <= 1.10) ? "ok" : "OVER")
    line($2, $3, goal, $5, $6, $4)
  }' "$rows"
echo
awk -F'\t' '$1 == "NOTE" { print "  " $2 }' "$rows"
echo
echo "Release note figures:"
awk -F'\t' '$1 == "RELEASE" { print "  " $2 }' "$rows"
echo
echo "Google Benchmark output: below"
sed 's/^/  /' "$work/capture.txt"
