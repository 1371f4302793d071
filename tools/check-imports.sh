#!/usr/bin/env bash
# The release executables must run on a bare Windows: they may import Windows' own DLLs only.
set -euo pipefail
cd "$(dirname "$0")/.."
allowed='^(KERNEL32|USER32|GDI32|msvcrt)\.dll$'
status=0
for build in win32:i686 win64:x86_64; do
  exe=build/${build%%:*}/Tessivar.exe
  imports=$("${build##*:}-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ {print $3}')
  for dll in $imports; do
    if ! [[ $dll =~ $allowed ]]; then
      echo "imports: $exe needs $dll, which Windows does not ship"
      status=1
    fi
  done
  echo "imports: $exe ($(stat -c %s "$exe") bytes) imports $(echo $imports | tr ' ' ',')"
done
exit $status
