#!/usr/bin/env bash
# Installs what is missing from Debian's packages and builds the program into build/.
# Usage: scripts/setup.sh run|test
set -euo pipefail
cd "$(dirname "$0")/.."

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libxkbcommon-dev
  libgl-dev libegl-dev libvulkan-dev libgtest-dev libgmock-dev)
# the multimedia back ends play the alert sound; the xcb plugin draws the windows
run_packages=(libqt6multimedia6 qt6-qpa-plugins)
# a real X server with a notification area, for the end-to-end tests
test_packages=(xvfb xauth xdotool trayer imagemagick x11-utils python3)

wanted=("${build_packages[@]}" "${run_packages[@]}")
[ "${1:-run}" = test ] && wanted+=("${test_packages[@]}")

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
