#!/usr/bin/env bash
# Photographs the window for the README in other languages on a virtual display: at its design
# size during the first hold of the default table, in each language given (German and Russian
# unless told), chosen as a user's system would choose it (LANGUAGE and LANG).
# Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_language_screenshots.sh [path/to/vellorin] [seconds to wait] [language...]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")
wait_seconds=${2:-40}
shift $(($# < 2 ? $# : 2))
languages=("${@:-de ru}")
[ $# -eq 0 ] && languages=(de ru)

for language in "${languages[@]}"; do
  config=$(mktemp -d)  # nothing remembered from an earlier run: the system's language counts
  XDG_CONFIG_HOME=$config XDG_DATA_HOME=$config LANGUAGE=$language LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" 2>/dev/null &
    sleep 2
    window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
    xdotool windowsize --sync "$window" 249 378
    xdotool windowfocus --sync "$window" key space
    sleep "$2"
    import -window "$window" "docs/screenshot-$3.png"
    kill %1
  ' _ "$program" "$wait_seconds" "$language"
  rm -rf "$config"
  echo "wrote docs/screenshot-$language.png"
done
