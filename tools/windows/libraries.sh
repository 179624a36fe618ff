#!/usr/bin/env bash
# tools/windows/libraries.sh CACHE
# Builds, once, the libraries Vellorin for Windows x64 links: Qt (Core, Gui, Widgets, Network,
# Multimedia), libsndfile with FLAC, Ogg, Vorbis, Opus, LAME and mpg123, and GoogleTest, from
# Debian's own source packages, into CACHE/prefix. A library already built is kept (its stamp
# in CACHE/stamps), so a later run only builds what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cache=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$cache/prefix
triple=x86_64-w64-mingw32
mkdir -p "$cache/stamps" "$cache/src" "$cache/logs" "$prefix"

cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
  -DVELLORIN_WINDOWS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix"
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release)
qt_host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)

# Debian's source packages through an apt configuration of our own: the system's sources
# with their deb-src twins, lists and downloads in the cache; the system's is left alone.
fetch() {
  local apt=$cache/apt
  if [ ! -e "$cache/stamps/apt" ]; then
    mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial"
    for list in /etc/apt/sources.list.d/*.sources; do
      [ -e "$list" ] && sed 's/^Types:.*$/Types: deb-src/' "$list" >"$apt/sources/$(basename "$list")"
    done
    if [ -e /etc/apt/sources.list ]; then
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt/sources/sources-list.list"
    fi
    cat >"$apt/apt.conf" <<EOF
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt/sources";
Dir::State::Lists "$apt/lists";
Dir::Cache "$apt/cache";
EOF
    APT_CONFIG=$apt/apt.conf apt-get update >"$cache/logs/apt-update.log"
    touch "$cache/stamps/apt"
  fi
  # The archive may lack an upstream signature a .dsc names (mpg123's): what counts is that
  # the .dsc and its tarballs came, each checked by apt against the signed index.
  (cd "$cache/src" && APT_CONFIG=$apt/apt.conf apt-get source --download-only "$1" \
    >"$cache/logs/fetch-$1.log" 2>&1) || true
}

# Fetches and unpacks source package $1 into CACHE/src/$1, Debian's patches applied.
unpack() {
  local dir=$cache/src/$1
  if [ ! -d "$dir" ]; then
    fetch "$1"
    local dsc
    dsc=$(ls "$cache/src/$1"_*.dsc 2>/dev/null | tail -n 1)
    [ -n "$dsc" ] || { echo "The sources of $1 could not be fetched." >&2; exit 1; }
    (cd "$cache/src" && dpkg-source --no-check -x "$dsc" "$1" >"$cache/logs/unpack-$1.log")
  fi
  echo "$dir"
}

# Runs "build NAME" once; its output goes to CACHE/logs/NAME.log.
once() {
  local name=$1
  shift
  [ -e "$cache/stamps/$name" ] && return 0
  echo "Building $name for Windows (log: $cache/logs/$name.log)"
  local start=$SECONDS status
  # A subshell of its own, so that the first failing step stops the build of the library.
  set +e
  (set -e; "$@") >"$cache/logs/$name.log" 2>&1
  status=$?
  set -e
  if [ $status -ne 0 ]; then
    tail -n 30 "$cache/logs/$name.log" >&2
    echo "Building $name failed." >&2
    exit 1
  fi
  echo "  $name: $((SECONDS - start)) s"
  touch "$cache/stamps/$name"
}

cmake_library() {  # SOURCE-PACKAGE -- CMAKE-OPTIONS...
  local source
  source=$(unpack "$1")
  shift 2
  local build=$cache/build/$(basename "$source")
  rm -rf "$build"
  cmake -S "$source" -B "$build" "${cross[@]}" "$@"
  cmake --build "$build" -j2
  cmake --install "$build"
  rm -rf "$build"  # what counts is in the prefix; Qt's build alone is 2 GB
}

autotools_library() {  # SOURCE-PACKAGE CONFIGURE-OPTIONS...
  local source
  source=$(unpack "$1")
  shift
  (cd "$source" && ./configure --host=$triple --prefix="$prefix" --disable-shared \
    --enable-static "$@" && make -j2 && make install)
}

qt_base() {
  cmake_library qt6-base -- "${qt_host[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_doubleconversion=OFF
}

qt_multimedia() {
  # Qt Multimedia needs only the shader baker of Qt Shader Tools: the host's, through a
  # package of the same name in the prefix.
  mkdir -p "$prefix/lib/cmake/Qt6ShaderTools"
  cp "$root"/tools/windows/Qt6ShaderTools*.cmake "$prefix/lib/cmake/Qt6ShaderTools/"
  # Its Windows sources name headers with capitals (<Mferror.h>, "QUrl.h"): Windows does not
  # mind, Linux does, so each is also found under the name the sources give it.
  local source headers=$cache/build/mingw-header-names name
  source=$(unpack qt6-multimedia)
  mkdir -p "$headers"
  grep -rhoE '#include [<"][A-Z][A-Za-z0-9_]*\.h[>"]' "$source/src" | cut -c11- | tr -d '<>"' |
    sort -u | while read -r name; do
      local found
      found=$(find /usr/$triple/include "$prefix"/include/Qt* -maxdepth 1 -iname "$name" |
        head -n 1)
      if [ -n "$found" ] && [ "$(basename "$found")" != "$name" ]; then
        ln -sf "$found" "$headers/$name"
      fi
    done
  local lib=/usr/$triple/lib
  cmake_library qt6-multimedia -- "${qt_host[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_spatialaudio=OFF -DCMAKE_CXX_FLAGS="-I$headers" \
    -DWMF_MF_LIBRARY=$lib/libmf.a -DWMF_MFUUID_LIBRARY=$lib/libmfuuid.a \
    -DWMF_MFPLAT_LIBRARY=$lib/libmfplat.a -DWMF_MFCORE_LIBRARY=$lib/libmfcore.a \
    -DWMF_PROPSYS_LIBRARY=$lib/libpropsys.a
}

static=(-DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF)
once qtbase qt_base
once qtmultimedia qt_multimedia
once libogg cmake_library libogg -- "${static[@]}" -DINSTALL_DOCS=OFF
once libvorbis cmake_library libvorbis -- "${static[@]}"
once flac cmake_library flac -- "${static[@]}" -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
  -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DBUILD_CXXLIBS=OFF -DWITH_STACK_PROTECTOR=OFF \
  -DWITH_FORTIFY_SOURCE=OFF
# FLAC and Opus would fortify their string calls and guard their stacks, which on MinGW needs
# a library of checks besides (libssp), so they are built without.
once opus autotools_library opus --disable-doc --disable-extra-programs \
  --disable-stack-protector CPPFLAGS=-D_FORTIFY_SOURCE=0
once lame autotools_library lame --disable-frontend --disable-decoder
once mpg123 autotools_library mpg123 --disable-components --enable-libmpg123 \
  --with-cpu=x86-64
once libsndfile cmake_library libsndfile -- "${static[@]}" -DBUILD_PROGRAMS=OFF \
  -DBUILD_EXAMPLES=OFF -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=ON -DENABLE_CPACK=OFF \
  -DCMAKE_C_FLAGS=-DFLAC__NO_DLL  # FLAC is linked in, not imported from a DLL
once googletest cmake_library googletest -- "${static[@]}" -DBUILD_GMOCK=OFF
