#!/usr/bin/env bash
# Composes the game's music and sound effects from tools/media/composer.cpp
# and renders them into assets/media (music/01.mp3..08.mp3, sounds/*.wav),
# plus the short track the audio tests play. Needs g++, ffmpeg, lame and python3.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -Wall -Wextra -o "$work/composer" "$root/tools/media/composer.cpp"
"$work/composer" "$work"

music="$root/assets/media/music"
sounds="$root/assets/media/sounds"
mkdir -p "$music" "$sounds"

# Two-pass loudness normalisation to one level for every track, then MP3.
target="I=-20:TP=-2:LRA=11"
for n in 1 2 3 4 5 6 7 8; do
  in="$work/track0$n.wav"
  stats=$(ffmpeg -hide_banner -nostats -i "$in" -af "loudnorm=$target:print_format=json" -f null - 2>&1 \
          | python3 -c 'import sys, json; t = sys.stdin.read(); j = json.loads(t[t.rindex("{"):]);
print("measured_I=%s:measured_TP=%s:measured_LRA=%s:measured_thresh=%s:offset=%s" % (j["input_i"], j["input_tp"], j["input_lra"], j["input_thresh"], j["target_offset"]))')
  ffmpeg -hide_banner -loglevel error -y -i "$in" \
    -af "loudnorm=$target:$stats:linear=true" -ar 44100 -ac 2 -fflags +bitexact -flags:a +bitexact \
    -c:a pcm_s16le "$work/norm0$n.wav"
  lame --quiet --noreplaygain -b 96 -q 2 "$work/norm0$n.wav" "$music/0$n.mp3"
done

cp "$work/click.wav" "$work/draw.wav" "$work/dist.wav" "$sounds/"
lame --quiet --noreplaygain -b 32 -m m "$work/chime.wav" "$root/tests/audio/data/chime.mp3"
ls -l "$music" "$sounds"
