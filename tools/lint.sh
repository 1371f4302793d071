#!/usr/bin/env bash
# Static checks of the project's own sources (window_groups/, panel/, app/, tests/, bench/; not
# GoogleTest): clang-tidy with the checks of .clang-tidy, and cppcheck. Any finding fails.
#
# The portable sources and the host tests are checked with the compile commands of a host tree.
# The Windows-only sources (the user32 layer, the panel window, the entry, the Windows test
# programs) are checked with the compile commands of an x86_64 MinGW tree: clang-tidy parses
# them as MinGW code against the C++ library and Windows headers of the compiler that builds
# each of them (the release code uses the win32 thread model, the test programs the posix one).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
host_tree=build/lint-host
windows_tree=build/lint-win64

# Configure only: the compile commands are all that is needed, nothing is built.
cmake -S . -B "$host_tree" -DCMAKE_BUILD_TYPE=Debug -DTESSIVAR_TESTS=ON >/dev/null
cmake -S . -B "$windows_tree" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTESSIVAR_TESTS=ON >/dev/null

# The project's own translation units in a compile database, each once, as "compiler<TAB>file",
# leaving out those that a second database already holds.
own_sources() {
  python3 - "$root" "$@" <<'EOF'
import json, os, re, shlex, sys
root, database, skip = sys.argv[1], sys.argv[2], sys.argv[3:]
own = re.compile(re.escape(root) + r"/(window_groups|panel|app|tests|bench)/.*\.(cpp|cc|c)$")
def entries(tree):
    for entry in json.load(open(os.path.join(tree, "compile_commands.json"))):
        path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if own.match(path):
            command = entry.get("arguments") or shlex.split(entry["command"])
            yield command[0], path
seen = {path for tree in skip for _, path in entries(tree)}
for compiler, path in entries(database):
    if path not in seen:
        seen.add(path)
        print(compiler + "\t" + path)
EOF
}

# clang-tidy arguments for code built by a MinGW g++: its target, its C++ library and the
# Windows headers; clang keeps its own compiler headers.
mingw_arguments() {
  local compiler=$1 target dir
  target=$(basename "$compiler")
  target=${target%%-g++*}
  echo "--extra-arg=--target=$target"
  echo "--extra-arg=-nostdinc++"
  "$compiler" -E -v -x c++ /dev/null 2>&1 |
    sed -n '/^#include <...> search starts here:/,/^End of search list./{/^ /p}' |
    while read -r dir; do
      dir=$(realpath "$dir")
      case $dir in
      */c++ | */c++/* | /usr/$target/include) echo "--extra-arg=-isystem$dir" ;;
      esac
    done
}

mapfile -t host_sources < <(own_sources "$host_tree" | cut -f2)
mapfile -t windows_entries < <(own_sources "$windows_tree" "$host_tree")

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
running=0

# A file that passed is not checked again until it, a header of the project, the checks, the
# compile commands or clang-tidy change: most of clang-tidy's time goes into walking the system
# headers, and a full run takes over a minute on two cores. TESSIVAR_LINT_CACHE=off checks all.
cache=build/lint-cache
mkdir -p "$cache"
[ "${TESSIVAR_LINT_CACHE:-on}" != off ] || rm -f "$cache"/*
common_key=$({
  clang-tidy --version
  cat .clang-tidy "$host_tree/compile_commands.json" "$windows_tree/compile_commands.json"
  find window_groups panel app tests bench -name '*.h' 2>/dev/null | sort | xargs cat
} | sha256sum | cut -c1-64)

# One clang-tidy per file, nproc at a time. The static analyzer runs on the program's sources;
# on tests and benchmarks it spends most of its time inside GoogleTest's macro expansions.
tidy() { # database, file, further clang-tidy arguments
  local database=$1 file=$2 stamp
  shift 2
  case $file in
  "$root"/tests/* | "$root"/bench/*) set -- "$@" --checks=-clang-analyzer-* ;;
  esac
  stamp=$cache/$( (echo "$common_key" "$@"; cat "$file") | sha256sum | cut -c1-64)
  [ ! -e "$stamp" ] || return 0
  clang-tidy --quiet -p "$database" "$@" "$file" >"$logs/$(echo "$file" | tr / _).log" 2>&1 ||
    return 1
  touch "$stamp"
}
reap() {
  wait -n || status=1
  running=$((running - 1))
}
start() {
  tidy "$@" &
  running=$((running + 1))
  [ "$running" -lt "$jobs" ] || reap
}

for file in "${host_sources[@]}"; do
  start "$host_tree" "$file"
done
declare -A compiler_arguments
windows_sources=()
for entry in "${windows_entries[@]}"; do
  compiler=${entry%%$'\t'*}
  file=${entry#*$'\t'}
  windows_sources+=("$file")
  [ -n "${compiler_arguments[$compiler]:-}" ] ||
    compiler_arguments[$compiler]=$(mingw_arguments "$compiler")
  mapfile -t arguments <<<"${compiler_arguments[$compiler]}"
  start "$windows_tree" "$file" "${arguments[@]}"
done
while [ "$running" -gt 0 ]; do reap; done
for log in "$logs"/*.log; do
  [ -e "$log" ] || continue
  grep -v -E '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$' "$log" || true
done

# cppcheck: portable code as on the host, Windows code with the Windows API's rules.
# unusedStructMember is off: structs that mirror a binary layout (icon directories, handle
# tables) carry fields nobody reads, and test-case tables are read through GoogleTest's
# GetParam(), which cppcheck does not follow. useStlAlgorithm is off: it is advice on taste,
# and a plain loop over a handful of windows reads better than an algorithm with a lambda.
cppcheck_args=(--enable=warning,style,performance,portability --error-exitcode=1 --inline-suppr
  --suppress=unusedStructMember --suppress=useStlAlgorithm --std=c++17 --language=c++ --quiet --library=googletest
  -I "$root")
cppcheck "${cppcheck_args[@]}" --platform=unix64 "${host_sources[@]}" || status=1
if [ ${#windows_sources[@]} -gt 0 ]; then
  cppcheck "${cppcheck_args[@]}" --library=windows --platform=win64 -D_WIN32 -D_WIN64 \
    -D__MINGW32__ "${windows_sources[@]}" || status=1
fi

if [ "$status" -ne 0 ]; then
  echo "lint: findings above" >&2
  exit 1
fi
echo "lint: clang-tidy and cppcheck found nothing in ${#host_sources[@]} host and" \
  "${#windows_sources[@]} Windows sources"
