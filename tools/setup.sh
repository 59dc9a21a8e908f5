#!/usr/bin/env bash
# Installs, from Debian's archive, the packages Nimbrel needs to build and test
# that are not installed yet. Safe to run again: it does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libgif-dev libpng-dev
  libspng-dev
  chromium
  fonts-liberation2
  desktop-file-utils appstream
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
