#!/usr/bin/env bash
# Copies a few freely licensed photographs from the Debian package mate-backgrounds into
# build/sample-photos, the folder a new user's first run opens (scripts/run presets it).
# Idempotent: files already there are kept.
set -eu
cd "$(dirname "$0")/.."
source=/usr/share/backgrounds/mate
target=${1:-build/sample-photos}
photos=(nature/Aqua.jpg nature/Blinds.jpg nature/Dune.jpg nature/FreshFlower.jpg
        nature/Garden.jpg nature/GreenMeadow.jpg nature/LadyBird.jpg nature/RainDrops.jpg
        abstract/Elephants_5640x3172.jpg)
[ -d "$source" ] || { echo "copy-sample-photos: $source is missing (package mate-backgrounds)" >&2; exit 1; }
mkdir -p "$target"
for photo in "${photos[@]}"; do
  [ -f "$target/$(basename "$photo")" ] || cp "$source/$photo" "$target/"
done
if [ ! -f "$target/LICENCE.txt" ]; then
  {
    echo "Sample photographs for Ovix, copied from the Debian package mate-backgrounds."
    echo "They are licensed under the GNU General Public License, version 2 or later;"
    echo "authors and terms for each file follow (the package's copyright file)."
    echo
    cat /usr/share/doc/mate-backgrounds/copyright
  } > "$target/LICENCE.txt"
fi
