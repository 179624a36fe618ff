#!/usr/bin/env bash
# tools/windows/wine_checks.sh BUILD LINUX-PROGRAM CACHE
# Runs the Windows build under wine, in a wine prefix of its own in CACHE, and compares it with
# the Linux build LINUX-PROGRAM: the command-line modes, the core test suites, the window run
# to its end (its screenshot goes to BUILD/screenshot-windows.png), Save and Load in the user's
# folder, and the installer's silent install and uninstall. Prints a summary; exits 1 when a
# check failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
linux=$2
cache=$3
stage=$build/stage/Vellorin
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:${stage//\//\\}"  # the DLLs, for the test suites built beside
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export work wine stage build linux root

if [ ! -e "$WINEPREFIX/system.reg" ]; then
  echo "Making the wine prefix $WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
windows_path() { echo "Z:${1//\//\\}"; }
appdata=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vellorin
export appdata

failures=()
check() {
  local name=$1 start=$SECONDS status
  shift
  set +e  # a subshell of its own, which its first failing step ends
  (set -e; "$@") >"$work/check.log" 2>&1
  status=$?
  set -e
  if [ $status -eq 0 ]; then
    echo "PASS  $name ($((SECONDS - start)) s)"
  else
    echo "FAIL  $name ($((SECONDS - start)) s)"
    tail -n 20 "$work/check.log" | sed 's/^/      /'
    failures+=("$name")
  fi
}

same_output() {  # ARGUMENTS...: what both builds print, the Windows line ends aside
  "$wine" "$stage/vellorin.exe" "$@" | tr -d '\r' >"$work/windows.txt"
  "$linux" "$@" >"$work/linux.txt"
  diff "$work/linux.txt" "$work/windows.txt"
}

same_export() {  # WAV and FLAC: Ogg streams get a new serial each export, LAME rounds per compiler
  local kind
  for kind in wav flac; do
    (cd "$work" && "$wine" "$stage/vellorin.exe" --export-audio \
      "$(windows_path "$root/sessions/default.ses")" windows.$kind)
    "$linux" --export-audio "$root/sessions/default.ses" "$work/linux.$kind"
    cmp "$work/linux.$kind" "$work/windows.$kind"
  done
}

core_suites() {
  (cd "$build/tests" && "$wine" core_tests.exe --gtest_brief=1)
}

window_runs_to_its_end() {
  # -ac: the program may run as another user than the X server's
  xvfb-run -a -s "-screen 0 1280x900x24 -ac" "$root/tools/windows/window_run.sh"
}

installer() {
  local installed="$WINEPREFIX/drive_c/Program Files/Vellorin"
  "$wine" "$build/Vellorin-1.00-windows-x64-setup.exe" /S
  test -x "$installed/vellorin.exe"
  test -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vellorin.lnk"
  "$wine" reg query 'HKLM\Software\Classes\.ses' | grep -q Vellorin.Session
  "$wine" reg query 'HKLM\Software\Classes\Vellorin.Session\shell\open\command' |
    grep -qF '"C:\Program Files\Vellorin\vellorin.exe" "%1"'
  "$wine" "$installed/vellorin.exe" --version | grep -q "Vellorin 1.00"
  mkdir -p "$appdata/sessions"
  printf '5\r\n10\r\n1\r\n10\r\n1\r\n2\r\n' >"$appdata/sessions/mine.ses"
  "$wine" "$installed/uninstall.exe" /S
  for _ in $(seq 60); do  # the uninstaller runs from a copy of itself, and returns at once
    [ -e "$installed" ] || break
    sleep 1
  done
  test ! -e "$installed"
  test ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vellorin.lnk"
  ! "$wine" reg query 'HKLM\Software\Classes\Vellorin.Session' >/dev/null 2>&1
  ! "$wine" reg query 'HKLM\Software\Classes\.ses' >/dev/null 2>&1
  test -e "$appdata/sessions/mine.ses"  # the user's own tables stay
}

check "vellorin.exe --version prints what the Linux build prints" same_output --version
check "vellorin.exe --table prints the default table as the Linux build does" \
  same_output --table "$root/sessions/default.ses"
check "--export-audio of the default table as WAV and FLAC gives the Linux build's bytes" \
  same_export
check "the core suites pass under wine" core_suites
check "the window runs a short table to End!, and Save and Load round-trip in %APPDATA%" \
  window_runs_to_its_end
check "the installer installs and uninstalls silently (/S)" installer
/usr/lib/wine/wineserver -k 2>/dev/null || true

if [ ${#failures[@]} -gt 0 ]; then
  echo "${#failures[@]} of the wine checks failed."
  exit 1
fi
echo "Every wine check passed."
