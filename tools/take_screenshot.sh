#!/usr/bin/env bash
# Photographs the window for the README on a virtual display: at its design size during the
# first hold of the default table (Space starts it), grown to the whole screen, and in the
# lights-out view (F11). Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_screenshot.sh [path/to/vellorin] [seconds to wait]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")
wait_seconds=${2:-40}

config=$(mktemp -d)  # no size remembered from an earlier run
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$window" 249 378
  xdotool windowfocus --sync "$window" key space
  sleep "$2"
  import -window "$window" docs/screenshot.png
  xdotool windowsize --sync "$window" 1024 768
  sleep 1
  import -window "$window" docs/screenshot-maximised.png
  xdotool key F11
  sleep 1
  import -window "$window" docs/screenshot-lights-out.png
  kill %1
' _ "$program" "$wait_seconds"
echo "wrote docs/screenshot.png, docs/screenshot-maximised.png, docs/screenshot-lights-out.png"
