#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds Vellorin, then runs it or its tests.
#   ./build.sh run    build optimised and open the window
#   ./build.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run | test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev)
else
  packages+=(fonts-liberation2)  # a face as narrow as the window's design font
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = test ]; then
  # The tests run on code built with AddressSanitizer and UndefinedBehaviorSanitizer.
  cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLORIN_SANITIZE=ON
  cmake --build build/test -j2
  QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j2
else
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLORIN_BUILD_TESTS=OFF
  cmake --build build/release -j2
  exec build/release/app/vellorin
fi
