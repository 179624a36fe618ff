#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds Vellorin, then runs it or its tests.
#   ./build.sh run    build optimised and open the window
#   ./build.sh test   build and run every test
#   ./build.sh bench [intro hold increase rest decrease loops | FILE.vtable [ticks]]
#                     build optimised and time a whole session with the real timer
#   ./build.sh bench export
#                     build optimised and time the audio export of a short table (with the
#                     classic and the guided cues) and a day's table and of a table file of
#                     1,000 timed rounds
#   ./build.sh bench cues [repetitions]
#                     build optimised and time the cue schedule per second and the whole tick
#                     under each built-in cue profile
#   ./build.sh bench history [sessions...]
#                     build optimised and measure, with generated logs of 10,000, 100,000 and
#                     1,000,000 sessions (or those given), the program's start-up (time and
#                     peak memory), History (time, the event thread's longest stall, peak
#                     memory) and appending a session
#   ./build.sh bench rounds [repetitions [ticks]]
#                     build optimised and time, with a table file of 1,000 rounds, its load
#                     from the command line and with Load, its list and Start (5 runs each),
#                     then the session's timing on the classic table and on the first 141 s
#                     of the 1,000 rounds with their list shown
#   ./build.sh bench languages [runs]
#                     build optimised and time the program's start-up in every language it
#                     speaks (window shown), and loading each translation alone
#   ./build.sh bench sensors [notifications [intro hold increase rest decrease loops]]
#                     build optimised and time the sensor packets' decoding, the thread's CPU
#                     per notification of each protocol and of malformed ones (1,000,000 each);
#                     then the timing benchmark's session (5 15 5 15 5 3 by default) with no
#                     sensor and with a strap and a BerryMed or a PLX oximeter streaming from
#                     the simulated BlueZ, side by side (about 5 minutes)
#   ./build.sh windows
#                     build Vellorin for Windows x64 (a zip and an installer) from Debian's
#                     sources, and check it under wine against the Linux build
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run | test | bench | windows) shift ;;
  *) echo "usage: $0 run|test|bench|windows" >&2; exit 2 ;;
esac

# fonts-liberation2: a face as narrow as the window's design font, which the layout tests
# measure too. qt6-tools-dev and qt6-l10n-tools turn the translations into the program's .qm
# files; qt6-translations-l10n has Qt's own translations of its dialogs; qt6-connectivity-dev
# is Qt Bluetooth, for the heart-rate sensors and oximeters.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-charts-dev
  libqt6opengl6-dev qt6-qpa-plugins libgl-dev libsndfile1-dev fonts-liberation2 qt6-tools-dev
  qt6-l10n-tools qt6-translations-l10n qt6-connectivity-dev)
if [ "$mode" = test ]; then
  # GoogleTest; a private D-Bus with mocked desktop services and a simulated BlueZ (python3-dbus
  # and python3-gi under Debian's own python3); the desktop's validators and
  # the package tools that check the installed layout and the .deb; the JSON Schema validator
  # the table files are checked with.
  packages+=(libgtest-dev dbus-daemon python3-dbusmock python3-dbus python3-gi
    desktop-file-utils appstream lintian dpkg-dev file python3-jsonschema)
fi
if [ "$mode" = bench ] && [ "${1:-}" = sensors ]; then
  # The simulated BlueZ the sensors stream from: a private D-Bus, python3-dbus and python3-gi.
  packages+=(dbus-daemon python3-dbus python3-gi)
fi

tools/install_missing.sh "${packages[@]}"

if [ "$mode" = test ]; then
  # The tests run on code built with AddressSanitizer and UndefinedBehaviorSanitizer.
  cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLORIN_SANITIZE=ON
  cmake --build build/test -j2
  QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j2
elif [ "$mode" = bench ]; then
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLORIN_BUILD_TESTS=OFF \
    -DVELLORIN_BUILD_BENCH=ON
  if [ "${1:-}" = export ]; then
    cmake --build build/bench -j2 --target vellorin_export_bench
    exec build/bench/bench/vellorin_export_bench
  fi
  if [ "${1:-}" = cues ]; then
    shift
    cmake --build build/bench -j2 --target vellorin_cue_bench
    exec build/bench/bench/vellorin_cue_bench "$@"
  fi
  if [ "${1:-}" = history ]; then
    shift
    cmake --build build/bench -j2 --target vellorin_history_bench
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} exec build/bench/bench/vellorin_history_bench "$@"
  fi
  if [ "${1:-}" = languages ]; then
    shift
    cmake --build build/bench -j2 --target vellorin_language_bench
    exec build/bench/bench/vellorin_language_bench "$@"
  fi
  if [ "${1:-}" = rounds ]; then
    shift
    cmake --build build/bench -j2 --target vellorin_rounds_bench
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} exec build/bench/bench/vellorin_rounds_bench "$@"
  fi
  if [ "${1:-}" = sensors ]; then
    shift
    cmake --build build/bench -j2 --target vellorin_sensor_bench
    exec build/bench/bench/vellorin_sensor_bench "$@"
  fi
  cmake --build build/bench -j2 --target vellorin_bench
  build/bench/bench/vellorin_bench "$@"  # its own process: start-up is timed from its start
else
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLORIN_BUILD_TESTS=OFF
  cmake --build build/release -j2
  if [ "$mode" = windows ]; then
    exec tools/windows/build.sh  # compared with this Linux build
  fi
  exec build/release/app/vellorin
fi
