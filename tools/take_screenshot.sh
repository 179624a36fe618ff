#!/usr/bin/env bash
# Photographs the window during a session for the README: starts the built program on a
# virtual display, presses Start, waits until the first hold is under way and captures the
# window. Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_screenshot.sh [path/to/vellorin] [seconds to wait]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")
wait_seconds=${2:-40}

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --name "^Vellorin$" | head -n 1)
  # The Start button, 8 px from the left and 176 px from the top of the client area.
  xdotool mousemove --window "$window" 30 188 click 1
  sleep "$2"
  import -window "$window" docs/screenshot.png
  kill %1
' _ "$program" "$wait_seconds"
echo "wrote docs/screenshot.png"
