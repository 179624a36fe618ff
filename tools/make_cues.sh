#!/usr/bin/env bash
# Speaks the ten cue words into snd/ with espeak-ng and shapes them with sox: leading
# silence trimmed so the word starts at once, trailing silence trimmed and then 250 ms of
# silence appended (the player may drop the last ~120 ms, which must be silence, not the end
# of the word), peak-normalised to one loudness, 22.05 kHz 16-bit mono PCM.
# Needs: apt-get install espeak-ng sox
set -euo pipefail
cd "$(dirname "$0")/.."

voice=${VOICE:-en-us}
speed=${SPEED:-165}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cue() {  # cue FILE WORDS
  espeak-ng -v "$voice" -s "$speed" -w "$work/raw.wav" "$2"
  sox "$work/raw.wav" -r 22050 -b 16 -c 1 "snd/$1" \
    silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse \
    norm -1 pad 0 0.25
  printf '%-13s %-18s %ss\n' "$1" "\"$2\"" "$(soxi -D "snd/$1")"
}

mkdir -p snd
cue 15.wav "fifteen"
cue 10.wav "ten"
cue 5.wav "five"
cue 4.wav "four"
cue 3.wav "three"
cue 2.wav "two"
cue 1.wav "one"
cue hold.wav "hold"
cue stophold.wav "breathe"
cue sesend.wav "session complete"
