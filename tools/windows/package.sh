#!/usr/bin/env bash
# tools/windows/package.sh BUILD PREFIX
# Gathers the Windows build in BUILD/stage/Vellorin (the program, the DLLs and Qt plugins it
# loads, snd\, sessions\, the licences) and makes of it BUILD/Vellorin-1.00-windows-x64.zip and
# the installer BUILD/Vellorin-1.00-windows-x64-setup.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
prefix=$2
name=Vellorin-1.00-windows-x64
stage=$build/stage/Vellorin
triple=x86_64-w64-mingw32
runtime_dirs=("$prefix/bin" /usr/lib/gcc/$triple/12-posix /usr/$triple/lib)

rm -rf "$build/stage"
DESTDIR= cmake --install "$build" --prefix "$stage" >/dev/null
mkdir -p "$stage/platforms" "$stage/styles" "$stage/multimedia"
cp "$prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$prefix"/plugins/multimedia/*.dll "$stage/multimedia/"
# Qt's own translations of its dialogs and buttons, for the languages Vellorin speaks; the
# program reads them from translations\ beside it.
mkdir -p "$stage/translations"
for language in de fr es it pt pt_BR ru pl cs fi ca; do
  for catalogue in qt qtbase qtmultimedia; do
    qm=/usr/share/qt6/translations/${catalogue}_$language.qm
    if [ -e "$qm" ]; then cp "$qm" "$stage/translations/"; fi
  done
done

# Every DLL the program and its plugins import that is not Windows' own, and theirs in turn.
copy_imports() {
  local dll found dir
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    found=""
    for dir in "${runtime_dirs[@]}"; do
      if [ -e "$dir/$dll" ]; then found=$dir/$dll; break; fi
    done
    [ -n "$found" ] || continue  # a system DLL
    cp "$found" "$stage/"
    copy_imports "$stage/$dll"
  done
}
for binary in "$stage/vellorin.exe" "$stage"/*/*.dll; do
  copy_imports "$binary"
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage/vellorin.exe" "$stage"/*.dll "$stage"/*/*.dll

# The licences: Vellorin's, and those of the libraries the package carries.
sed 's/$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"
cp "$root/data/vellorin.ico" "$stage/"
mkdir -p "$stage/licences"
cache_src=$(dirname "$prefix")/src
for licence in qt6-base/LICENSES/LGPL-3.0-only.txt qt6-base/LICENSES/GPL-3.0-only.txt \
  libsndfile/COPYING flac/COPYING.Xiph libogg/COPYING libvorbis/COPYING opus/COPYING \
  lame/COPYING mpg123/COPYING; do
  [ -e "$cache_src/$licence" ] &&
    sed 's/$/\r/' "$cache_src/$licence" >"$stage/licences/${licence%%/*}-$(basename "$licence" .txt).txt"
done
cat >"$stage/licences/README.txt" <<EOF
Vellorin for Windows carries Qt 6.4.2 (LGPL 3), libsndfile (LGPL 2.1) with FLAC, Ogg, Vorbis and
Opus (BSD licences), LAME and mpg123 (LGPL 2.1), and the GCC and MinGW-w64 run-time libraries
(GCC Runtime Library Exception). Each was built from Debian's source package; their licences
are in this folder.
EOF
sed -i 's/$/\r/' "$stage/licences/README.txt"

rm -f "$build/$name.zip"
(cd "$build/stage" && zip -qr9 "$build/$name.zip" Vellorin)

# The uninstaller deletes the files it installed, one by one, then the folders left empty.
files=$build/stage/uninstall-files.nsh
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$files"
makensis -V2 -DSTAGE="$stage" -DOUTFILE="$build/$name-setup.exe" -DFILE_LIST="$files" \
  "$root/tools/windows/vellorin.nsi"
