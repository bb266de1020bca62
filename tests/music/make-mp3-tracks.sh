#!/usr/bin/env bash
# Encodes the MP3 tracks the music tests play, from generated tones (sox writes MP3 through
# libsox-fmt-mp3):   bash tests/music/make-mp3-tracks.sh FOLDER
set -eu
rm -rf "$1"
mkdir -p "$1"
for n in 1 2 3; do
  sox -n -r 44100 -c 2 "$1/track$n.mp3" synth 0.4 sine $((220 * n))
done
