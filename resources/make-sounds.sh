#!/usr/bin/env bash
# Synthesises the five sounds of the program from nothing with sox. Run it by
# hand after changing a sound; its outputs are committed and the build never
# runs it.
#   resources/make-sounds.sh [OUTPUT_DIR]   (default: the folder of this script)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-$here}"
mkdir -p "$out"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# PCM 16-bit mono with the plain 44-byte header, which every PlaySound reads;
# no dither, whose random seed would change the bytes on every run.
# $1 = rate, $2 = output path, $3 = input (-n: none, the effects make it), the rest: effects.
make() {
  local rate=$1 file=$2 input=("$3")
  shift 3
  # A synthesised input at the output's rate and mono, so that sox neither
  # resamples nor mixes channels down (halving the level) after the effects.
  [ "${input[0]}" != -n ] || input=(-r "$rate" -c 1 -n)
  sox -D "${input[@]}" -r "$rate" -b 16 -c 1 -e signed-integer "$file" "$@"
}

# Correct: two strikes of a bright bell, E6 and then A6, each with its octave
# and a touch of its twelfth, the second ringing out.
make 22050 "$work/strike1.wav" -n \
  synth 0.11 sine 1318.5 sine mix 2637 sine mix 3955 fade q 0.003 0.11 0.09
make 22050 "$work/strike2.wav" -n \
  synth 0.29 sine 1760 sine mix 3520 sine mix 5274 fade q 0.003 0.29 0.26
sox -D "$work/strike1.wav" "$work/strike2.wav" "$work/chime.wav"
make 22050 "$out/sound_correct.wav" "$work/chime.wav" gain -n -3

# Wrong: two square waves a few hertz apart on A2, beating; filtered soft.
make 22050 "$out/sound_wrong.wav" -n \
  synth 0.3 square 110 square mix 116.5 \
  vol 0.5 lowpass 900 fade h 0.01 0.3 0.06 gain -n -9

# Tick: a 40 ms sine knock that dies at once; quiet so that five in a row
# do not nag.
make 22050 "$out/sound_tick.wav" -n \
  synth 0.04 sine 1500 sine mix 3000 \
  fade q 0.002 0.04 0.036 gain -n -14

# Time-out: a gong, inharmonic partials over G2 with a slow swell of the upper
# ones; 11025 Hz keeps its 1.2 s small, and nothing of a gong lies above 5 kHz.
make 11025 "$out/sound_timeout.wav" -n \
  synth 1.2 sine 98 sine mix 146.8 sine mix 203 sine mix 287 sine mix 412 sine mix 611 \
  tremolo 4.5 20 lowpass 3000 fade q 0.015 1.2 1.05 gain -n -3

# Fanfare as the ranking opens: three short brassy notes rising through a
# C major triad, then the chord held and swelling out. Sawtooths with their
# octave, filtered warm; 11025 Hz keeps its 1.3 s small.
note() {  # $1 = output, $2 = seconds, the rest: frequencies
  local file=$1 length=$2
  shift 2
  local voices=(sawtooth "$1")
  for f in "${@:2}"; do voices+=(sawtooth mix "$f"); done
  make 11025 "$file" -n synth "$length" "${voices[@]}" vol 0.4 lowpass 2200 fade q 0.01 "$length" 0.03
}
note "$work/f1.wav" 0.13 392 784
note "$work/f2.wav" 0.13 523.25 1046.5
note "$work/f3.wav" 0.13 659.25 1318.5
make 11025 "$work/f4.wav" -n \
  synth 0.9 sawtooth 523.25 sawtooth mix 659.25 sawtooth mix 784 sawtooth mix 1046.5 \
  vol 0.25 lowpass 2600 tremolo 5.5 12 fade q 0.01 0.9 0.45
sox -D "$work/f1.wav" "$work/f2.wav" "$work/f3.wav" "$work/f4.wav" "$work/fanfare.wav"
make 11025 "$out/sound_fanfare.wav" "$work/fanfare.wav" gain -n -4
# Go ("抢！", the buzz opens): a bright rising call, two short blasts of a
# sawtooth pair a fifth apart, the second a fourth higher; over at once.
make 22050 "$work/blast1.wav" -n \
  synth 0.09 sawtooth 659.3 sawtooth mix 988 lowpass 3500 fade q 0.004 0.09 0.03
make 22050 "$work/blast2.wav" -n \
  synth 0.2 sawtooth 880 sawtooth mix 1318.5 lowpass 3500 fade q 0.004 0.2 0.12
sox -D "$work/blast1.wav" "$work/blast2.wav" "$work/go.wav"
make 22050 "$out/sound_go.wav" "$work/go.wav" gain -n -6
