#!/usr/bin/env bash
# Speaks the cue words into snd/ (or sounds a chime, a click, a "not now", a tick, a few notes
# or a soft pacing tone) with Festival's US English HTS voice (cmu_us_slt_arctic_hts)
# and shapes them with sox: leading silence trimmed so the word starts on its tick, trailing
# silence trimmed and then 270 ms of silence appended (at least 250 ms after the gain) (the player may drop the last ~120 ms,
# which must be silence, not the end of the word), 22.05 kHz 16-bit mono PCM. Every cue is
# brought to the same integrated loudness (EBU R128, measured with ffmpeg's ebur128 filter),
# -18 LUFS unless LOUDNESS says otherwise (at -16 the loudest words would peak above -1 dBFS),
# and the figures are printed.
#   tools/make_cues.sh [FILE...]                 English, into snd/
#   tools/make_cues.sh --lang CODE [FILE...]     another language, into snd/CODE/
#   tools/make_cues.sh --packages [CODE]         the Debian packages that language's voice needs
# Another language's words are read from snd/CODE/words.txt, a line per spoken cue:
# FILE<TAB>WORDS, or FILE<TAB>WORDS<TAB>TEXT where the voice says WORDS wrong and TEXT is what
# it is given to say instead (WORDS is what --cues shows). Sounds are not made there: the
# program plays snd/FILE for a file missing in snd/CODE/. Those cues are spoken with the voice
# in the table below and get the same shaping and loudness (after the voice's offset from zero
# and any hiss are taken out; limited at four times the rate, as some voices' peaks between
# samples went over); a cue longer than it may be (0.9 s for a countdown number, which comes
# every second, 2 s for the low-SpO2 warning, two short sentences said calmly as a hold ends,
# 1.6 s for any other) is spoken again faster.
# Needs: apt-get install festival festvox-us-slt-hts sox ffmpeg, and for another language the
# packages of its voice (tools/cue_voices.sh CODE... installs them): de, fr, es, it:
# libttspico-utils (non-free); ru: rhvoice rhvoice-russian (non-free); pt, pl: espeak-ng;
# cs: festival-czech festvox-czech-dita; fi: festvox-suopuhe-lj; ca: festvox-ca-ona-hts.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every language's voice: how it speaks (a speak_* function below and its argument), its pace
# in percent of the voice's own, whether it hisses (then the hiss of its first 0.25 s, before
# the words, is taken out of the whole: sox noisered) and the Debian packages it needs.
#   code  speak     voice                          pace  hiss  packages
voices='
  de    pico      de-DE                          115   no    libttspico-utils
  fr    pico      fr-FR                          100   no    libttspico-utils
  es    pico      es-ES                          110   no    libttspico-utils
  it    pico      it-IT                          110   no    libttspico-utils
  pt    espeak    pt-br                          100   no    espeak-ng
  pl    espeak    pl                             100   no    espeak-ng
  ru    rhvoice   elena                          100   no    rhvoice rhvoice-russian
  cs    festival  czech_dita:ISO-8859-2          100   no    festival festival-czech festvox-czech-dita
  fi    festival  suo_fi_lj_diphone:ISO-8859-1   110   no    festival festvox-suopuhe-lj
  ca    festival  upc_ca_ona_hts:ISO-8859-15     115   yes   festival festvox-ca-ona-hts
'

lang=""
if [ "${1:-}" = "--packages" ]; then  # with no code: every code and its packages
  awk -v c="${2:-}" 'NF && (c == "" || $1 == c) {
      if (c == "") printf "%s ", $1
      for (i = 6; i <= NF; i++) printf "%s%s", $i, (i < NF ? " " : "\n")
    }' <<<"$voices" | grep . || { echo "no voice for language '${2:-}'" >&2; exit 2; }
  exit 0
elif [ "${1:-}" = "--lang" ]; then
  lang=${2:?"--lang needs a language code"}
  shift 2
  read -r _ speaker voice pace hiss _ < <(awk -v c="$lang" '$1 == c' <<<"$voices") ||
    { echo "no voice for language '$lang'" >&2; exit 2; }
  [ -f "snd/$lang/words.txt" ] || { echo "snd/$lang/words.txt is missing" >&2; exit 2; }
fi

target=${LOUDNESS:--18}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# loudness FILE: integrated loudness in LUFS and true peak in dBFS
loudness() {
  ffmpeg -nostats -hide_banner -i "$1" -filter_complex ebur128=peak=true -f null - 2>&1 |
    awk '/I:/ {i = $2} /Peak:/ {p = $2} END {print i, p}'
}

# notes OUT FREQ:SECONDS...: sine notes one after another, each with its own short fades so
# that no note starts or stops with a click; a frequency of 0 is a rest.
notes() {
  local out=$1 parts=() n i=0
  shift
  for n in "$@"; do
    sox -n -r 22050 -b 16 -c 1 "$work/note$i.wav" synth "${n#*:}" sine "${n%%:*}" \
      fade q 0.005 "${n#*:}" "$(awk -v l="${n#*:}" 'BEGIN {print l / 3}')"
    parts+=("$work/note$i.wav")
    i=$((i + 1))
  done
  sox "${parts[@]}" "$out"
}

# speak_* VOICE TEXT OUT PACE: TEXT (UTF-8) spoken into the WAV file OUT at PACE percent of the
# voice's own speed.
speak_pico() {  # SVOX Pico; it reads its own markup, so the text must not hold any
  [[ $2 != *[\<\>\&]* ]] || { echo "pico: no < > & in '$2'" >&2; return 1; }
  pico2wave -l "$1" -w "$work/pico.wav" "<speed level=\"$4\">$2</speed>"
  mv "$work/pico.wav" "$3"  # pico2wave wants a name ending in .wav
}
speak_espeak() {  # espeak-ng at its default 175 words a minute times the pace
  espeak-ng -v "$1" -s $((175 * $4 / 100)) -w "$3" "$2"
}
speak_rhvoice() {
  RHVoice-test -p "$1" -r "$4" -o "$3" <<<"$2"
}
speak_festival() {  # VOICE is NAME:ENCODING, the encoding the voice reads its text in
  # Duration_Stretch paces the diphone and cluster voices, the engine's -r option an HTS one.
  iconv -f UTF-8 -t "${1#*:}" <<<"$2" |
    text2wave -eval "(voice_${1%%:*})" \
      -eval "(Parameter.set 'Duration_Stretch $(awk -v p="$4" 'BEGIN {print 100 / p}'))" \
      -eval "(defvar hts_engine_params nil)" \
      -eval "(set! hts_engine_params (append hts_engine_params '((\"-r\" $(awk -v p="$4" 'BEGIN {print p / 100}')))))" \
      -o "$3"
}

# shape: work/raw.wav trimmed, padded and converted into work/shaped.wav
shape() {
  # Trimmed at -60 dB, so that a soft onset ("one", "three") stays part of the word.
  sox "$work/raw.wav" -r 22050 -b 16 -c 1 "$work/shaped.wav" \
    silence 1 0.002 0.1% reverse silence 1 0.005 0.1% reverse pad 0 0.27
  # A short word ("eight") gets more silence, so that every cue lasts over half a second, as
  # the loudness of a cue is measured over 400 ms blocks.
  short=$(awk -v l="$(soxi -D "$work/shaped.wav")" 'BEGIN {print (l < 0.55) ? 0.55 - l : 0}')
  if [ "$short" != 0 ]; then
    sox "$work/shaped.wav" "$work/padded.wav" pad 0 "$short"
    mv "$work/padded.wav" "$work/shaped.wav"
  fi
}

# spoken FILE TEXT: TEXT in the language's voice, shaped into work/shaped.wav; said faster, up
# to 140 % of its pace, while it lasts longer than a countdown number (0.9 s), the low-SpO2
# warning (2 s) or another cue (1.6 s) may; sets note to what was done.
spoken() {
  local limit=1.6 rate=$pace
  [[ $1 =~ ^[0-9]+\.wav$ ]] && limit=0.9
  [ "$1" = lowoxygen.wav ] && limit=2.0
  while :; do
    "speak_$speaker" "$voice" "$2" "$work/said.wav" "$rate"
    # Without the voice's offset from zero (3 dB down first: the filter's overshoot would clip)
    sox "$work/said.wav" "$work/raw.wav" gain -3 highpass 40
    if [ "$hiss" = yes ]; then
      sox "$work/raw.wav" -n trim 0 0.25 noiseprof "$work/hiss.prof"
      sox "$work/raw.wav" "$work/said.wav" noisered "$work/hiss.prof" 0.2
      mv "$work/said.wav" "$work/raw.wav"
    fi
    shape
    note=""
    [ "$rate" != "$pace" ] && note="  pace $rate %"
    awk -v l="$(soxi -D "$work/shaped.wav")" -v m="$limit" 'BEGIN {exit !(l > m)}' || break
    note="$note  LONGER THAN $limit s"
    [ $((rate + 10)) -le $((pace * 140 / 100)) ] || break
    rate=$((rate + 10))
  done
}

cue() {  # cue FILE WORDS [TEXT]; the words "<tone>" make a soft chime instead of speech
  local out=snd/$1 note=""
  if [ -n "$lang" ]; then
    out=snd/$lang/$1
    spoken "$1" "${3:-$2}"
  elif [ "$2" = "<tone>" ]; then
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.32 sine 880 sine 1320 remix - \
      fade q 0.004 0.32 0.22
  elif [ "$2" = "<click>" ]; then  # a soft wooden click
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.3 pluck 1400 fade q 0.002 0.3 0.25
  elif [ "$2" = "<notnow>" ]; then  # two low falling tones: the key was not taken
    sox -n -r 22050 -b 16 -c 1 "$work/a.wav" synth 0.12 sine 392 fade q 0.005 0.12 0.06
    sox -n -r 22050 -b 16 -c 1 "$work/b.wav" synth 0.16 sine 294 fade q 0.005 0.16 0.1
    sox "$work/a.wav" "$work/b.wav" "$work/raw.wav"
  elif [ "$2" = "<tick>" ]; then  # a short bright beep: a second of the countdown
    # 0.14 s, so that with its padding the cue reaches the 400 ms an EBU R128 block needs.
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.14 sine 1000 sine 2000 \
      remix 1v0.8,2v0.2 fade q 0.003 0.14 0.06
  elif [ "$2" = "<tone-hold>" ]; then  # two rising notes: the hold begins
    notes "$work/raw.wav" 523:0.15 784:0.15
  elif [ "$2" = "<tone-breathe>" ]; then  # two falling notes: breathe
    notes "$work/raw.wav" 784:0.15 523:0.15
  elif [ "$2" = "<tone-end>" ]; then  # three descending notes, the last held: the session is over
    notes "$work/raw.wav" 784:0.15 659:0.15 523:0.3
  elif [ "$2" = "<tone-call>" ]; then  # two short equal beeps: a time call
    notes "$work/raw.wav" 660:0.08 0:0.07 660:0.08
  elif [ "$2" = "<tone-last>" ]; then  # three quick rising notes: the last breath
    notes "$work/raw.wav" 784:0.07 988:0.07 1175:0.1
  elif [ "$2" = "<pace-in>" ] || [ "$2" = "<pace-out>" ]; then  # a soft sweep: inhale or exhale
    sweep=300/500
    [ "$2" = "<pace-out>" ] && sweep=500/300
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.7 sine "$sweep" fade h 0.25 0.7 0.3
  elif [ "$2" = "<pace-hold>" ]; then  # a soft steady tone: hold the recovery breath
    sox -n -r 22050 -b 16 -c 1 "$work/raw.wav" synth 0.5 sine 400 fade h 0.15 0.5 0.2
  else
    echo "$2" | text2wave -eval "(voice_cmu_us_slt_arctic_hts)" -o "$work/raw.wav"
  fi
  [ -n "$lang" ] || shape
  read -r before _ < <(loudness "$work/shaped.wav")
  # The gain to the target, with a limiter holding the short bursts of a plosive ("two") under
  # -1.5 dBFS so that they do not clip.
  gain=$(awk -v t="$target" -v i="$before" 'BEGIN {print t - i}')
  # (Another language's voices have more words with such peaks: they get up to 8 passes.)
  passes=3
  [ -z "$lang" ] || passes=8
  for ((pass = 1; pass <= passes; pass++)); do
    limited="volume=${gain}dB,alimiter=limit=0.84:attack=1:release=20:level=false"
    # Another language's voice is limited at four times the rate and 0.5 dB lower, so that the
    # peaks between its samples stay under -1 dBFS too (a diphone voice's buzz went over 0).
    [ -z "$lang" ] || limited="aresample=88200,${limited/limit=0.84/limit=0.79},aresample=22050"
    ffmpeg -nostats -hide_banner -loglevel error -y -i "$work/shaped.wav" \
      -af "$limited" \
      -ar 22050 -ac 1 -c:a pcm_s16le -bitexact "$out"
    read -r after peak < <(loudness "$out")
    # A word with many peaks ("six") loses loudness in the limiter: its shortfall is made up
    # with more gain, so that it is not heard softer than the rest.
    awk -v t="$target" -v a="$after" 'BEGIN {exit !(t - a > 0.3)}' || break
    gain=$(awk -v g="$gain" -v t="$target" -v a="$after" 'BEGIN {print g + t - a}')
  done
  printf '%-13s %-20s %5.2f s  %6.1f LUFS  peak %5.1f dBFS%s\n' "$1" "\"$2\"" \
    "$(soxi -D "$out")" "$after" "$peak" "$note"
}

# Every cue and its words; tools/make_cues.sh FILE... makes only the files named.
cues=(
  "15.wav:fifteen" "10.wav:ten" "5.wav:five" "4.wav:four" "3.wav:three" "2.wav:two"
  "1.wav:one" "hold.wav:hold" "stophold.wav:breathe" "sesend.wav:session complete"
  "pause.wav:paused" "resume.wav:resumed" "mark.wav:<tone>" "click.wav:<click>"
  "notnow.wav:<notnow>" "holds.wav:holds" "lowoxygen.wav:oxygen low. breathe."
  "1min.wav:one minute" "2min.wav:two minutes" "3min.wav:three minutes"
  "4min.wav:four minutes" "5min.wav:five minutes" "6min.wav:six minutes"
  "7min.wav:seven minutes" "8min.wav:eight minutes" "9min.wav:nine minutes"
  "10min.wav:ten minutes" "11min.wav:eleven minutes" "12min.wav:twelve minutes"
  "6.wav:six" "7.wav:seven" "8.wav:eight" "9.wav:nine" "11.wav:eleven" "12.wav:twelve"
  "13.wav:thirteen" "14.wav:fourteen" "16.wav:sixteen" "17.wav:seventeen" "18.wav:eighteen"
  "19.wav:nineteen" "20.wav:twenty"
  "10s.wav:ten seconds" "15s.wav:fifteen seconds" "20s.wav:twenty seconds"
  "30s.wav:thirty seconds" "45s.wav:forty-five seconds"
  "1min30.wav:one minute thirty" "2min30.wav:two minutes thirty"
  "3min30.wav:three minutes thirty" "4min30.wav:four minutes thirty"
  "5min30.wav:five minutes thirty" "6min30.wav:six minutes thirty"
  "7min30.wav:seven minutes thirty" "8min30.wav:eight minutes thirty"
  "9min30.wav:nine minutes thirty" "10min30.wav:ten minutes thirty"
  "11min30.wav:eleven minutes thirty"
  "13min.wav:thirteen minutes" "14min.wav:fourteen minutes" "15min.wav:fifteen minutes"
  "16min.wav:sixteen minutes" "17min.wav:seventeen minutes" "18min.wav:eighteen minutes"
  "19min.wav:nineteen minutes" "20min.wav:twenty minutes" "21min.wav:twenty-one minutes"
  "22min.wav:twenty-two minutes" "23min.wav:twenty-three minutes"
  "24min.wav:twenty-four minutes" "25min.wav:twenty-five minutes"
  "26min.wav:twenty-six minutes" "27min.wav:twenty-seven minutes"
  "28min.wav:twenty-eight minutes" "29min.wav:twenty-nine minutes"
  "30min.wav:thirty minutes"
  "top.wav:official top" "lastbreath.wav:last breath" "breathein.wav:breathe in"
  "holdit.wav:hold it" "breatheout.wav:breathe out" "totalheld.wav:total held"
  "tick.wav:<tick>" "tone-hold.wav:<tone-hold>" "tone-breathe.wav:<tone-breathe>"
  "tone-end.wav:<tone-end>" "tone-call.wav:<tone-call>" "tone-last.wav:<tone-last>"
  "pace-in.wav:<pace-in>" "pace-out.wav:<pace-out>" "pace-hold.wav:<pace-hold>"
)
if [ -z "$lang" ]; then
  mkdir -p snd
  for entry in "${cues[@]}"; do
    file=${entry%%:*}
    if [ $# -eq 0 ] || [[ " $* " == *" $file "* ]]; then
      cue "$file" "${entry#*:}"
    fi
  done
  exit 0
fi

# Another language: the files and words of snd/LANG/words.txt, each a spoken cue of the list
# above; a spoken cue it leaves out is played in English.
spoken_files=" "
for entry in "${cues[@]}"; do
  [[ ${entry#*:} == "<"* ]] || spoken_files+="${entry%%:*} "
done
listed=" "
while IFS=$'\t' read -r -u 3 file words text; do
  [[ -z $file || $file == "#"* ]] && continue
  [[ $spoken_files == *" $file "* ]] || { echo "snd/$lang/words.txt: '$file' is no spoken cue" >&2; exit 1; }
  [ -n "$words" ] || { echo "snd/$lang/words.txt: no words for $file" >&2; exit 1; }
  listed+="$file "
  if [ $# -eq 0 ] || [[ " $* " == *" $file "* ]]; then
    cue "$file" "$words" "$text"
  fi
done 3<"snd/$lang/words.txt"
for file in $spoken_files; do
  [[ $listed == *" $file "* ]] || echo "snd/$lang/words.txt has no $file: it will be said in English" >&2
done
