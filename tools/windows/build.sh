#!/usr/bin/env bash
# tools/windows/build.sh: what ./build.sh windows runs once the Linux build it compares with
# is made. Builds the libraries once into the cache ($VELLORIN_WINDOWS_CACHE, or
# ~/.cache/vellorin-windows), Vellorin for Windows x64 into build/windows, the zip and the
# installer, then runs the wine checks and prints how long each step took.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cache=${VELLORIN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vellorin-windows}
prefix=$cache/prefix
build=$root/build/windows
start=$SECONDS
step() {
  echo "== $1 ($((SECONDS - start)) s so far)"
}

"$root/tools/install_missing.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  make dpkg-dev ca-certificates qt6-base-dev-tools qt6-shadertools-dev qt6-shader-baker \
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n wine wine64 nsis zip xvfb xauth xdotool \
  imagemagick

step "The libraries for Windows, built once into $cache"
"$root/tools/windows/libraries.sh" "$cache"

step "Vellorin for Windows"
# The codec libraries are found through their pkg-config files in the prefix alone.
PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH="" cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DVELLORIN_WINDOWS_PREFIX="$prefix" \
  -DCMAKE_PREFIX_PATH="$prefix" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(uname -m)-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
  -DQt6LinguistTools_DIR=/usr/lib/$(uname -m)-linux-gnu/cmake/Qt6LinguistTools >/dev/null
cmake --build "$build" -j2

step "The zip and the installer"
"$root/tools/windows/package.sh" "$build" "$prefix"

step "The checks under wine"
checks=0
"$root/tools/windows/wine_checks.sh" "$build" "$root/build/release/app/vellorin" "$cache" ||
  checks=$?

echo
echo "Built in $((SECONDS - start)) s:"
for made in "$build/Vellorin-1.00-windows-x64.zip" "$build/Vellorin-1.00-windows-x64-setup.exe"; do
  echo "  $made ($(du -k "$made" | cut -f1) KiB)"
done
exit $checks
