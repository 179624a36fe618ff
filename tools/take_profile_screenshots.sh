#!/usr/bin/env bash
# Photographs Training > Cue profile and the profile editor for the README on a virtual
# display. Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_profile_screenshots.sh [path/to/vellorin]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")

home=$(mktemp -d)  # no size, profile or log remembered from an earlier run
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime \
  xvfb-run -a -s "-screen 0 1100x680x24" bash -c '
  "$1" 2>/dev/null &
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$window" 1100 680
  xdotool windowfocus --sync "$window"
  sleep 1
  xdotool key alt+t p Down   # Training > Cue profile, Guided under the pointer
  sleep 0.5
  import -window root docs/screenshot-cue-profiles.png
  xdotool key Return         # Guided becomes the default
  sleep 0.5
  xdotool key alt+t p e      # Edit profile..., starting from Guided
  sleep 1.5
  import -window root docs/screenshot-cue-profile-editor.png
  xdotool key Escape
  sleep 0.5
  xdotool windowfocus --sync "$window" key ctrl+q
  sleep 1
' bash "$program"
