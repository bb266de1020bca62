#!/usr/bin/env bash
# Writes the big photo (10000 x 8000, 80 megapixels) that keeps a decode busy for seconds,
# so a test can close Ovix in the middle of it:   bash tests/e2e/make-big-photo.sh FOLDER
set -eu
mkdir -p "$1"
[ -s "$1/big.jpg" ] || convert -size 10000x8000 gradient:red-blue -quality 85 "$1/big.jpg"
