#!/usr/bin/env bash
# Photographs Training > History for the README on a virtual display, over six weeks of
# generated CO2 sessions (one a day, the first contraction coming later week by week) and a
# few personal-best attempts. Needs: apt-get install xvfb xauth xdotool imagemagick
#   tools/take_history_screenshot.sh [path/to/vellorin]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/data/Vellorin"
python3 - "$home/data/Vellorin" <<'PY'
import datetime, random, sys
folder = sys.argv[1]
random.seed(7)
start = datetime.datetime(2026, 10, 26, 7, 30, tzinfo=datetime.timezone(datetime.timedelta(hours=1)))
with open(folder + "/training-log.csv", "w", newline="") as log:
    log.write("session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
              "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed\r\n")
    for day in range(42):
        when = (start + datetime.timedelta(days=day)).isoformat()
        for loop in range(1, 9):
            first = 35 + day // 3 + loop + random.randint(-4, 4)
            log.write(f"{when},co2.ses,30,90,0,120,15,8,{loop},90,90,{first},"
                      f"{random.randint(2, 6)},yes\r\n")
with open(folder + "/personal-bests.txt", "w") as bests:
    for day, seconds in ((0, 181), (14, 188), (28, 197), (41, 204)):
        bests.write(f"{(start + datetime.timedelta(days=day)).isoformat()} {seconds}\n")
PY
XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config xvfb-run -a -s "-screen 0 1024x900x24" bash -c '
  "$1" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowfocus --sync "$window" key ctrl+h
  sleep 2
  history=$(xdotool search --sync --onlyvisible --name "^History - Vellorin$" | head -n 1)
  import -window "$history" docs/screenshot-history.png
  kill %1
' _ "$program"
echo "wrote docs/screenshot-history.png"
