#!/usr/bin/env bash
# tools/fuzz.sh [SECONDS]
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60). An input
# that breaks a property is kept in tests/fuzz_regressions/<target>/, where the test suite
# replays it from then on; the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

tools/install_missing.sh cmake ninja-build clang libclang-rt-14-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev \
  qt6-multimedia-dev libgl-dev
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLORIN_BUILD_TESTS=OFF -DVELLORIN_FUZZ=ON
cmake --build build/fuzz -j2 --target session_file_fuzzer field_value_fuzzer \
  cue_file_fuzzer attempts_fuzzer training_log_fuzzer table_file_fuzzer profile_file_fuzzer \
  sensor_packet_fuzzer

failed=0
for name in session_file field_value cue_file attempts training_log table_file profile_file \
  sensor_packet; do
  corpus=build/fuzz/corpus/$name
  regressions=tests/fuzz_regressions/$name
  mkdir -p "$corpus" "$regressions"
  max_len=4096
  if [ "$name" = session_file ]; then
    max_len=140000  # room for lines beyond the 32767 characters a field holds
    head -c 32767 /dev/zero | tr '\0' 7 >"$corpus/longest_line"
    head -c 32768 /dev/zero | tr '\0' 7 >"$corpus/too_long_line"
  fi
  echo "== $name: $seconds s"
  if ! "build/fuzz/fuzz/${name}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$regressions/" \
      "$corpus" "fuzz/seeds/$name" "$regressions" 2>"build/fuzz/$name.log"; then
    failed=1
    tail -40 "build/fuzz/$name.log"
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build/fuzz/$name.log" || true
done
exit $failed
