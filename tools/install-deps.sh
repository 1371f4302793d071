#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine; does nothing when all
# of it is there already.
set -euo pipefail

packages=(
  cmake g++ make python3 zip libgtest-dev libbenchmark-dev clang-format clang-tidy cppcheck
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb imagemagick fonts-wqy-microhei locales
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Chinese titles reach FindWindowA only under a Chinese ANSI code page (936).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  "${sudo[@]}" sed -i 's/^# *zh_CN.UTF-8/zh_CN.UTF-8/' /etc/locale.gen
  "${sudo[@]}" locale-gen >/dev/null
fi
