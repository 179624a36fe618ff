#!/usr/bin/env bash
# Photographs the lights-out view for the README on a virtual display: paused in the first
# hold just after a contraction was marked, then the summary at the end of the session, and
# the same summary in the window after a second session. The table is a short one (three
# holds of 4, 6 and 8 s), so that the whole run takes about a minute and a half.
# Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_lights_out_screenshots.sh [path/to/vellorin]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")

home=$(mktemp -d)  # no size, log or attempts remembered from an earlier run
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
printf '3\r\n8\r\n2\r\n5\r\n0\r\n3\r\n' >"$home/short.ses"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" "$2" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$window" 1024 768  # the whole screen, as lights-out takes it
  xdotool windowfocus --sync "$window" key F11
  sleep 1
  xdotool key space       # the session starts: a 3 s intro, then holds of 4, 6 and 8 s
  sleep 4.5
  xdotool key Return      # a contraction in the first hold
  sleep 0.3
  xdotool key space       # paused
  sleep 0.5
  import -window root docs/screenshot-lights-out-paused.png
  xdotool key space       # resumed
  sleep 8
  xdotool key Return      # in the second hold
  sleep 2
  xdotool key c
  sleep 10
  xdotool key Return      # in the third hold
  sleep 12
  import -window root docs/screenshot-lights-out-summary.png
  xdotool key Escape      # puts the summary away
  sleep 0.5
  xdotool key Escape      # leaves lights-out
  sleep 1
  xdotool key space       # a second session, seen in the window
  sleep 5
  xdotool key Return
  sleep 10
  xdotool key Return
  sleep 10
  xdotool key Return
  sleep 12
  import -window root docs/screenshot-summary.png
  kill %1
' _ "$program" "$home/short.ses"
echo "wrote docs/screenshot-lights-out-paused.png, docs/screenshot-lights-out-summary.png," \
  "docs/screenshot-summary.png"
