#!/usr/bin/env bash
# Photographs the sensors for the README on a virtual display: the window in the first hold of
# a session, with the line of what a simulated strap and oximeter say under its displays
# (tools/fake_bluez.py --stream --dive, the sensors remembered in window.ini), the same in
# lights-out, and Training > History's sensor charts over six weeks of a generated log with
# heart-rate and SpO2 values. Needs: apt-get install xvfb xauth xdotool imagemagick dbus
# python3-dbus python3-gi
#   tools/take_sensor_screenshots.sh [path/to/vellorin]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/vellorin}")

home=$(mktemp -d)  # no size, log, sensors or attempts remembered from an earlier run
bluez=
finish() {
  [[ -z $bluez ]] || kill "$bluez" 2>/dev/null || true
  rm -rf "$home"
}
trap finish EXIT

# One user for each picture, so that the live session's hold is not in the history's log.
for user in live history; do
  mkdir -p "$home/$user/config/Vellorin" "$home/$user/data/Vellorin"
  mkdir -m 700 "$home/$user/runtime"
done
cat >"$home/live/config/Vellorin/window.ini" <<'INI'
[sensors]
heart-rate-address=C0:FF:EE:00:00:01
heart-rate-name=Polar H10 FAKE01
oximeter-address=C0:FF:EE:00:00:02
oximeter-name=BerryMed
INI
# A short table (intro, hold, hold increase, rest, rest decrease, loops): a 5 s intro, then two
# holds of 100 s, so that the picture is taken in a hold.
printf '5\r\n100\r\n0\r\n60\r\n0\r\n2\r\n' >"$home/live/dive.ses"

# The simulated sensors, on a private system bus; the dive begins 20 s after they start.
/usr/bin/python3 tools/fake_bluez.py --stream --dive >"$home/bluez.out" 2>/dev/null &
bluez=$!
for _ in $(seq 100); do
  grep -q '^DBUS_SYSTEM_BUS_ADDRESS=' "$home/bluez.out" && break
  sleep 0.1
done
address=$(sed -n 's/^DBUS_SYSTEM_BUS_ADDRESS=//p' "$home/bluez.out")
[[ -n $address ]] || { echo "tools/fake_bluez.py did not start" >&2; exit 1; }

user=$home/live
DBUS_SYSTEM_BUS_ADDRESS=$address BLUETOOTH_FORCE_DBUS_LE_VERSION=5.50 HOME=$user \
  XDG_CONFIG_HOME=$user/config XDG_DATA_HOME=$user/data XDG_RUNTIME_DIR=$user/runtime \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" "$2" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$window" 510 440
  sleep 3                 # the sensors connect
  xdotool windowfocus --sync "$window" key space
  sleep 53                # 48 s into the first hold: the SpO2 falling, the heart slowing
  import -window "$window" docs/screenshot-sensors.png
  xdotool windowsize --sync "$window" 1024 768  # the whole screen, as lights-out takes it
  xdotool key F11
  sleep 1.5
  import -window root docs/screenshot-lights-out-sensors.png
  kill %1
' _ "$program" "$user/dive.ses"
kill "$bluez"
bluez=

# Twenty sessions over six weeks of CO2 and O2 tables: the heart slowing further in the holds
# and the SpO2 going lower as they grow longer, its lowest near each hold's end.
user=$home/history
python3 - "$user/data/Vellorin" <<'PY'
import datetime, random, sys
folder = sys.argv[1]
random.seed(11)
start = datetime.datetime(2026, 10, 26, 7, 30, tzinfo=datetime.timezone(datetime.timedelta(hours=1)))
days = sorted(random.sample(range(42), 20))
with open(folder + "/training-log.csv", "w", newline="") as log:
    log.write("session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
              "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed,"
              "kind,hold_rule,rest_rule,hr_start,hr_lowest,spo2_lowest,spo2_lowest_second\r\n")
    for n, day in enumerate(days):
        progress = day / 41
        when = (start + datetime.timedelta(days=day, minutes=random.randint(-20, 40))).isoformat()
        co2 = n % 3 != 2
        loops = random.choice((6, 7, 8)) if co2 else 6
        for loop in range(1, loops + 1):
            if co2:  # holds of 90 s, rests shrinking by 15 s from 120 s
                settings, hold = f"co2.ses,30,90,0,120,15,{loops}", 90
                rest = 120 - 15 * (loop - 1)
            else:    # holds growing by 15 s to 135 s, rests of 120 s
                settings, hold = f"o2.ses,30,135,15,120,0,{loops}", 60 + 15 * (loop - 1)
                rest = 120
            depth = (loop / loops) * (hold / 135)  # how deep into the table the hold is
            first = round(hold * (0.55 - 0.15 * depth) + 10 * progress) + random.randint(-4, 4)
            first = min(first, hold - 5)
            hr_start = random.randint(75, 85)
            hr_lowest = round(62 - 10 * progress - 6 * depth) + random.randint(-2, 2)
            spo2 = round(94 - (8 + 6 * progress) * depth) + random.randint(-1, 1)
            spo2 = max(78, min(97, spo2))
            spo2_second = hold - random.randint(0, 6)
            rest_rule = f"time:{rest}" if loop < loops else ""
            log.write(f"{when},{settings},{loop},{hold},{hold},{first},"
                      f"{random.randint(2, 4 + loop)},yes,classic,time:{hold},{rest_rule},"
                      f"{hr_start},{hr_lowest},{spo2},{spo2_second}\r\n")
with open(folder + "/personal-bests.txt", "w") as bests:
    for day, seconds in ((0, 181), (14, 188), (28, 197), (41, 204)):
        bests.write(f"{(start + datetime.timedelta(days=day)).isoformat()} {seconds}\n")
PY
HOME=$user XDG_CONFIG_HOME=$user/config XDG_DATA_HOME=$user/data XDG_RUNTIME_DIR=$user/runtime \
  xvfb-run -a -s "-screen 0 1024x1200x24" bash -c '
  "$1" 2>/dev/null &
  sleep 2
  window=$(xdotool search --sync --onlyvisible --name " - Vellorin$" | head -n 1)
  xdotool windowfocus --sync "$window" key ctrl+h
  history=$(xdotool search --sync --onlyvisible --name "^History - Vellorin$" | head -n 1)
  xdotool windowsize --sync "$history" 900 1180  # room for more of the sessions under the charts
  sleep 3
  import -window "$history" docs/screenshot-history-sensors.png
  kill %1
' _ "$program"
echo "wrote docs/screenshot-sensors.png, docs/screenshot-lights-out-sensors.png," \
  "docs/screenshot-history-sensors.png"
