#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again: it only
# installs what is missing, and skips apt entirely when everything is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libjpeg62-turbo-dev libgif-dev zlib1g-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
  xvfb xauth
  libtomlplusplus-dev
  dpkg-dev file desktop-file-utils
  xxd time
  libspng-dev libdeflate-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
