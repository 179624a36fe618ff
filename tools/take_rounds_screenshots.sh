#!/usr/bin/env bash
# Photographs a table of rounds for the README on a virtual display: a Wonka table made
# from a PB of 2:30, loaded from its file and running with its rounds listed beside the
# design area, then its editor (Ctrl+B). Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_rounds_screenshots.sh [path/to/vellorin] [seconds to wait]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")
wait_seconds=${2:-36}

home=$(mktemp -d)  # no size, log or attempts remembered from an earlier run
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
"$program" --new-table wonka 150 "$home/wonka.vtable" >/dev/null
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" "$3" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$window" 640 420
  xdotool windowfocus --sync "$window" key space
  sleep "$2"
  xdotool key Return  # a contraction: the hold now ends 30 s later
  sleep 2
  import -window "$window" docs/screenshot-rounds.png
  xdotool key space ctrl+b  # paused, then the editor
  sleep 2
  editor=$(xdotool search --sync --onlyvisible --name "Table of rounds" | head -n 1)
  import -window "$editor" docs/screenshot-editor.png
  kill %1
' _ "$program" "$wait_seconds" "$home/wonka.vtable"
echo "wrote docs/screenshot-rounds.png, docs/screenshot-editor.png"
