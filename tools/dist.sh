#!/usr/bin/env bash
# Packs the release: dist/Tessivar-<version>-win32.zip (the i686 build) and
# dist/Tessivar-<version>-win64.zip (its x86_64 twin). Each holds one folder with Tessivar.exe,
# README.txt (Chinese and English) and SHA256SUMS over those two files.
# The archives depend only on their contents: fixed file order, fixed dates and modes, no extra
# file attributes (zip -X), no directory entries (zip -D).
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9.]*\)\\0" *$/\1/p' app/Tessivar.rc)
[ -n "$version" ] || { echo "dist: no ProductVersion in app/Tessivar.rc" >&2; exit 1; }
# The date of the last commit (in UTC, as zip records local time), so packing the same commit
# again gives the same archives.
export TZ=UTC
stamp=$(git log -1 --format=%cd --date=format-local:%Y%m%d%H%M.%S 2>/dev/null || echo 200001010000)

stage=build/dist-stage
rm -rf "$stage"
mkdir -p dist "$stage"

# pack <name> <executable> <MinGW triplet> <file format>
pack() {
  local name=Tessivar-$version-$1 executable=$2 triplet=$3 format=$4
  local folder=$stage/$name archive=$PWD/dist/$name.zip
  if [ ! -f "$executable" ]; then
    echo "dist: $executable is missing; run tools/build.sh first" >&2
    exit 1
  fi
  # Refuse to ship the wrong architecture under the right name.
  if ! "$triplet-objdump" -f "$executable" 2>/dev/null | grep -q "file format $format"; then
    echo "dist: $executable is not $format" >&2
    exit 1
  fi
  mkdir -p "$folder"
  cp "$executable" "$folder/Tessivar.exe"
  # Notepad reads UTF-8 with a byte-order mark and CRLF line ends on every Windows.
  { printf '\xef\xbb\xbf'; sed 's/$/\r/' app/README-dist.txt; } >"$folder/README.txt"
  (cd "$folder" && sha256sum Tessivar.exe README.txt >SHA256SUMS)
  chmod 0644 "$folder"/*
  touch -t "$stamp" "$folder"/*
  rm -f "$archive"
  (cd "$stage" && zip -X -D -q -9 "$archive" \
    "$name/Tessivar.exe" "$name/README.txt" "$name/SHA256SUMS")
  echo "dist/$name.zip"
}

pack win32 build/win32/Tessivar.exe i686-w64-mingw32 pei-i386
pack win64 build/win64/Tessivar.exe x86_64-w64-mingw32 pei-x86-64
