#!/usr/bin/env bash
# Speaks the cue words into snd/ (or sounds a chime, a click or a "not now") with Festival's US English HTS voice (cmu_us_slt_arctic_hts)
# and shapes them with sox: leading silence trimmed so the word starts on its tick, trailing
# silence trimmed and then 270 ms of silence appended (at least 250 ms after the gain) (the player may drop the last ~120 ms,
# which must be silence, not the end of the word), 22.05 kHz 16-bit mono PCM. Every cue is
# brought to the same integrated loudness (EBU R128, measured with ffmpeg's ebur128 filter),
# -18 LUFS unless LOUDNESS says otherwise (at -16 the loudest words would peak above -1 dBFS),
# and the figures are printed.
# Needs: apt-get install festival festvox-us-slt-hts sox ffmpeg
set -euo pipefail
cd "$(dirname "$0")/.."

target=${LOUDNESS:--18}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# loudness FILE: integrated loudness in LUFS and true peak in dBFS
loudness() {
  ffmpeg -nostats -hide_banner -i "$1" -filter_complex ebur128=peak=true -f null - 2>&1 |
    awk '/I:/ {i = $2} /Peak:/ {p = $2} END {print i, p}'
}

cue() {  # cue FILE WORDS; the words "<tone>" make a soft chime instead of speech
  if [ "$2" = "<tone>" ]; then
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.32 sine 880 sine 1320 remix - \
      fade q 0.004 0.32 0.22
  elif [ "$2" = "<click>" ]; then  # a soft wooden click
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.3 pluck 1400 fade q 0.002 0.3 0.25
  elif [ "$2" = "<notnow>" ]; then  # two low falling tones: the key was not taken
    sox -n -r 22050 -b 16 -c 1 "$work/a.wav" synth 0.12 sine 392 fade q 0.005 0.12 0.06
    sox -n -r 22050 -b 16 -c 1 "$work/b.wav" synth 0.16 sine 294 fade q 0.005 0.16 0.1
    sox "$work/a.wav" "$work/b.wav" "$work/raw.wav"
  else
    echo "$2" | text2wave -eval "(voice_cmu_us_slt_arctic_hts)" -o "$work/raw.wav"
  fi
  # Trimmed at -60 dB, so that a soft onset ("one", "three") stays part of the word.
  sox "$work/raw.wav" -r 22050 -b 16 -c 1 "$work/shaped.wav" \
    silence 1 0.002 0.1% reverse silence 1 0.005 0.1% reverse pad 0 0.27
  read -r before _ < <(loudness "$work/shaped.wav")
  # The gain to the target, with a limiter holding the short bursts of a plosive ("two") under
  # -1.5 dBFS so that they do not clip.
  ffmpeg -nostats -hide_banner -loglevel error -y -i "$work/shaped.wav" \
    -af "volume=$(awk -v t="$target" -v i="$before" 'BEGIN {print t - i}')dB,alimiter=limit=0.84:attack=1:release=20:level=false" \
    -ar 22050 -ac 1 -c:a pcm_s16le -bitexact "snd/$1"
  read -r after peak < <(loudness "snd/$1")
  printf '%-13s %-20s %5.2f s  %6.1f LUFS  peak %5.1f dBFS\n' "$1" "\"$2\"" \
    "$(soxi -D "snd/$1")" "$after" "$peak"
}

# Every cue and its words; tools/make_cues.sh FILE... makes only the files named.
cues=(
  "15.wav:fifteen" "10.wav:ten" "5.wav:five" "4.wav:four" "3.wav:three" "2.wav:two"
  "1.wav:one" "hold.wav:hold" "stophold.wav:breathe" "sesend.wav:session complete"
  "pause.wav:paused" "resume.wav:resumed" "mark.wav:<tone>" "click.wav:<click>"
  "notnow.wav:<notnow>"
  "1min.wav:one minute" "2min.wav:two minutes" "3min.wav:three minutes"
  "4min.wav:four minutes" "5min.wav:five minutes" "6min.wav:six minutes"
  "7min.wav:seven minutes" "8min.wav:eight minutes" "9min.wav:nine minutes"
  "10min.wav:ten minutes" "11min.wav:eleven minutes" "12min.wav:twelve minutes"
)
mkdir -p snd
for entry in "${cues[@]}"; do
  file=${entry%%:*}
  if [ $# -eq 0 ] || [[ " $* " == *" $file "* ]]; then
    cue "$file" "${entry#*:}"
  fi
done
