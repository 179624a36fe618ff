#!/usr/bin/env bash
# tools/bench_audio.sh [intro hold increase rest decrease loops]
# Runs the timing benchmark with a private PulseAudio server whose only output is a null
# sink, and whose monitor the benchmark listens to, so that it also measures how long each
# cue takes from play() to reaching the sound system. Needs no sound card.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install_missing.sh pulseaudio pulseaudio-utils
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
trap 'pulseaudio --kill 2>/dev/null || true; rm -rf "$runtime"' EXIT

# -n: none of the machine's default modules, so no real card is touched.
pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
  --load="module-native-protocol-unix" \
  --load="module-null-sink sink_name=bench" \
  --load="module-remap-source master=bench.monitor source_name=cues" 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
# Qt lists no monitor sources as inputs; the remapped source stands in for it.
pactl set-default-sink bench
pactl set-default-source cues

./build.sh bench "$@"
