#!/usr/bin/env bash
# Run by wine_checks.sh on an X display of its own: opens a 12-second table in the Windows
# window, starts it with Space and waits for its end, which the training log in %APPDATA%
# records; takes the screenshot of "End!"; then saves the table to the user's folder under
# another name and loads it back in a new start of the program.
set -euo pipefail
short=$work/short.ses
printf '3\r\n3\r\n0\r\n3\r\n0\r\n2\r\n' >"$short"

# The program as installed: a folder the user cannot write, so that their tables go to their
# own folder. Root may write anywhere, so as root the program runs as the user nobody, in a
# wine prefix of its own.
program=$work/program
cp -r "$stage" "$program"
chmod -R a-w "$program"
run=("$wine")
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  export HOME=$work/home WINEPREFIX=$work/home/wine
  mkdir -p "$HOME"
  chown 65534:65534 "$HOME"
  chmod 755 "$work"
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups "$wine")
  user=$(id -un 65534)
fi
appdata=$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Vellorin
"${run[@]}" wineboot --init >/dev/null 2>&1

wait_for() {  # SECONDS COMMAND...: until the command succeeds
  local limit=$1
  shift
  for _ in $(seq $((limit * 4))); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.25
  done
  echo "Waited $limit s in vain for: $*" >&2
  return 1
}
window() { xdotool search --onlyvisible --name "$1" | head -n 1; }
has_window() { [ -n "$(window "$1")" ]; }
keys() {  # WINDOW-TITLE KEYS...
  local id
  id=$(window "$1")
  shift
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  xdotool key --delay 100 "$@"
}
log_has_rows() { [ "$(grep -c '' "$appdata/training-log.csv" 2>/dev/null)" -ge 3 ]; }

"${run[@]}" "$program/vellorin.exe" "Z:${short//\//\\}" &
started=$!
wait_for 60 has_window "short.ses - 00:12 - Vellorin"
sleep 2
keys "short.ses - 00:12 - Vellorin" space
wait_for 40 log_has_rows  # a header and a row for each of the two holds
sleep 1
import -window root "$work/end.png"
convert "$work/end.png" -crop "$(xdotool getwindowgeometry --shell "$(window 'short.ses')" |
  awk -F= '/^(X|Y|WIDTH|HEIGHT)=/{v[$1]=$2} END{print v["WIDTH"] "x" v["HEIGHT"] "+" v["X"] "+" v["Y"]}')" \
  +repage "$build/screenshot-windows.png"

# Save: Ctrl+S opens the dialog in the user's sessions folder; the name typed is saved there.
# The system's dialog has no title to wait for; its name field has the focus.
keys "short.ses" ctrl+s
sleep 4
xdotool key End shift+Home
xdotool type --delay 50 "round-trip"
xdotool key Return
wait_for 20 test -e "$appdata/sessions/round-trip.ses"
cmp "$short" "$appdata/sessions/round-trip.ses"
keys "round-trip.ses" ctrl+q
wait "$started" || true

# Load, in a new start that opens the default table.
"${run[@]}" "$program/vellorin.exe" &
started=$!
wait_for 60 has_window "default.ses - 17:15 - Vellorin"
sleep 2
keys "default.ses" ctrl+o
sleep 4
xdotool key End shift+Home
xdotool type --delay 50 "round-trip.ses"
xdotool key Return
wait_for 20 has_window "round-trip.ses - 00:12 - Vellorin"
keys "round-trip.ses" ctrl+q
wait "$started" || true
