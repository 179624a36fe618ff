#!/usr/bin/env bash
# Listens to the spoken cues as a machine can: transcribes each with the offline recogniser
# pocketsphinx (US English model, no grammar) and prints, per cue, the word expected, the
# words heard, the integrated loudness (EBU R128, ffmpeg's ebur128 filter), the true peak and
# the length. A person is the real listener: use this to compare voices, not to tune them.
#   tools/check_cues.sh [FOLDER]     (default: snd/)
# Needs: apt-get install pocketsphinx pocketsphinx-en-us ffmpeg sox
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-snd}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

understood=0
printf '%-13s %-18s %-22s %10s %10s %7s\n' cue expected heard loudness peak length
while read -r file words; do
  # Heard as in a session: after silence. The recogniser needs some to find a word's start.
  sox "$folder/$file" -r 16000 -b 16 -c 1 "$work/16k.wav" pad 0.5 0.5
  heard=$(pocketsphinx_continuous -infile "$work/16k.wav" -logfn /dev/null 2>/dev/null </dev/null |
    tr -s ' \n' ' ' | sed 's/ *$//')
  read -r loudness peak < <(ffmpeg -nostats -hide_banner -nostdin -i "$folder/$file" \
    -filter_complex ebur128=peak=true -f null - 2>&1 | awk '/I:/ {i = $2} /Peak:/ {p = $2} END {print i, p}')
  [ "$heard" = "$words" ] && understood=$((understood + 1))
  printf '%-13s %-18s %-22s %5s LUFS %5s dBFS %6.2fs\n' "$file" "\"$words\"" "\"$heard\"" \
    "$loudness" "$peak" "$(soxi -D "$folder/$file")"
done <<'CUES'
15.wav fifteen
10.wav ten
5.wav five
4.wav four
3.wav three
2.wav two
1.wav one
hold.wav hold
stophold.wav breathe
sesend.wav session complete
pause.wav paused
resume.wav resumed
1min.wav one minute
2min.wav two minutes
3min.wav three minutes
4min.wav four minutes
5min.wav five minutes
6min.wav six minutes
7min.wav seven minutes
8min.wav eight minutes
9min.wav nine minutes
10min.wav ten minutes
11min.wav eleven minutes
12min.wav twelve minutes
CUES
echo "understood as their words: $understood of 10"
