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

understood=0 total=0
printf '%-13s %-18s %-22s %10s %10s %7s\n' cue expected heard loudness peak length
while read -r file words; do
  # Heard as in a session: after silence. The recogniser needs some to find a word's start.
  sox "$folder/$file" -r 16000 -b 16 -c 1 "$work/16k.wav" pad 0.5 0.5
  heard=$(pocketsphinx_continuous -infile "$work/16k.wav" -logfn /dev/null 2>/dev/null </dev/null |
    tr -s ' \n' ' ' | sed 's/ *$//')
  read -r loudness peak < <(ffmpeg -nostats -hide_banner -nostdin -i "$folder/$file" \
    -filter_complex ebur128=peak=true -f null - 2>&1 | awk '/I:/ {i = $2} /Peak:/ {p = $2} END {print i, p}')
  total=$((total + 1))
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
6.wav six
7.wav seven
8.wav eight
9.wav nine
11.wav eleven
12.wav twelve
13.wav thirteen
14.wav fourteen
16.wav sixteen
17.wav seventeen
18.wav eighteen
19.wav nineteen
20.wav twenty
10s.wav ten seconds
15s.wav fifteen seconds
20s.wav twenty seconds
30s.wav thirty seconds
45s.wav forty five seconds
1min30.wav one minute thirty
2min30.wav two minutes thirty
3min30.wav three minutes thirty
4min30.wav four minutes thirty
5min30.wav five minutes thirty
6min30.wav six minutes thirty
7min30.wav seven minutes thirty
8min30.wav eight minutes thirty
9min30.wav nine minutes thirty
10min30.wav ten minutes thirty
11min30.wav eleven minutes thirty
13min.wav thirteen minutes
14min.wav fourteen minutes
15min.wav fifteen minutes
16min.wav sixteen minutes
17min.wav seventeen minutes
18min.wav eighteen minutes
19min.wav nineteen minutes
20min.wav twenty minutes
21min.wav twenty one minutes
22min.wav twenty two minutes
23min.wav twenty three minutes
24min.wav twenty four minutes
25min.wav twenty five minutes
26min.wav twenty six minutes
27min.wav twenty seven minutes
28min.wav twenty eight minutes
29min.wav twenty nine minutes
30min.wav thirty minutes
top.wav official top
lastbreath.wav last breath
breathein.wav breathe in
holdit.wav hold it
breatheout.wav breathe out
totalheld.wav total held
holds.wav holds
CUES
echo "understood as their words: $understood of $total"
