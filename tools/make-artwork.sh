#!/usr/bin/env bash
# Regenerates every picture Ovix shows: data/images/*.png and *.bmp, data/icons/config_tabs.bmp,
# help/klavesnice.png and src/app/ovix.ico. The results are committed; run this only to change
# them. Pictures are either drawn here (tools/artwork/shapes.py) or taken from the Tango icon
# library (public domain), Debian package tango-icon-theme; see data/ARTWORK.txt.
# Needs: tango-icon-theme, librsvg2-bin (rsvg-convert), imagemagick, python3.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
tango=/usr/share/icons/Tango
for tool in rsvg-convert convert python3; do
  command -v $tool >/dev/null || { echo "make-artwork: $tool is missing" >&2; exit 1; }
done
[ -d $tango/scalable ] || { echo "make-artwork: install tango-icon-theme" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tools/artwork/shapes.py" "$work"
images="$root/data/images"
mkdir -p "$images" "$root/data/icons" "$root/help"

# svg SIZE FILE OUT: renders at SIZE x SIZE pixels.
svg() { rsvg-convert -w "$1" -h "$1" "$2" -o "$3"; }

# button OUT SVG [BADGE]: a 64 x 64 scene button with a transparent margin; an optional plus or
# minus badge sits on the lower right corner. Power-of-two sides, so the texture is the picture.
button() {
  svg 56 "$2" "$work/button.png"
  convert "$work/button.png" -background none -gravity center -extent 64x64 "$work/button64.png"
  if [ $# -ge 3 ]; then
    svg 26 "$3" "$work/badge.png"
    convert "$work/button64.png" "$work/badge.png" -gravity southeast -geometry +3+3 -composite "$work/button64.png"
  fi
  convert "$work/button64.png" -strip PNG32:"$images/$1.png"
}

button folder "$tango/scalable/status/folder-open.svg"
button config "$tango/scalable/categories/preferences-system.svg"
button exit "$tango/scalable/actions/system-log-out.svg"
button about "$tango/scalable/status/dialog-information.svg"
button rotate_left "$work/rotate_left.svg"
button rotate_right "$work/rotate_right.svg"
button begin "$tango/scalable/actions/media-skip-backward.svg"
button end "$tango/scalable/actions/media-skip-forward.svg"
button pause "$tango/scalable/actions/media-playback-pause.svg"
button play "$tango/scalable/actions/media-playback-start.svg"
button zoomin "$work/zoomin.svg"
button zoomout "$work/zoomout.svg"
button musicon "$tango/scalable/status/audio-volume-high.svg"
button musicoff "$tango/scalable/status/audio-volume-muted.svg"
button volumeup "$tango/scalable/status/audio-volume-medium.svg" "$work/badge_plus.svg"
button volumedown "$tango/scalable/status/audio-volume-low.svg" "$work/badge_minus.svg"

# The scene's own pictures.
rsvg-convert "$work/wheel.svg" -o "$work/wheel.png"
convert "$work/wheel.png" -strip PNG32:"$images/wheel.png"
rsvg-convert "$work/background.svg" -o "$work/background.png"
convert "$work/background.png" -strip PNG24:"$images/background.png"
rsvg-convert "$work/negativ.svg" -o "$work/negativ.png"
convert "$work/negativ.png" -strip PNG24:"$images/negativ.png"
# Drawn 3:2 like the thumbnail it stands for, stored square (textures need power-of-two sides).
rsvg-convert "$work/blankphoto.svg" -o "$work/blankphoto.png"
convert "$work/blankphoto.png" -resize '128x128!' -strip PNG24:"$images/blankphoto.png"

# dialogbmp OUT PNG: a 64 x 64 dialog header picture, black where it is transparent (the
# dialogs mask black out); edges are blended on white, the header's colour.
dialogbmp() {
  convert "$2" -background none -gravity center -extent 64x64 "$work/dialog.png"
  convert "$work/dialog.png" -alpha extract -threshold 45% "$work/mask.png"
  convert "$work/dialog.png" -background white -alpha remove -alpha off -fill '#010101' -opaque black "$work/flat.png"
  convert "$work/flat.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
    -background black -alpha remove -alpha off -type TrueColor BMP3:"$images/$1.bmp"
}
svg 60 "$work/wheel.svg" "$work/logo60.png"
dialogbmp ovix "$work/logo60.png"
# The About picture: the logo with an information badge.
svg 54 "$work/wheel.svg" "$work/logo54.png"
svg 30 "$tango/scalable/status/dialog-information.svg" "$work/info.png"
convert "$work/logo54.png" -background none -gravity northwest -extent 64x64 \
  "$work/info.png" -gravity southeast -composite "$work/about.png"
dialogbmp mirvak "$work/about.png"
svg 60 "$tango/scalable/categories/preferences-system.svg" "$work/config.png"
dialogbmp config_conf "$work/config.png"
svg 60 "$tango/scalable/status/folder-open.svg" "$work/open.png"
dialogbmp folder_open "$work/open.png"
rsvg-convert -w 64 -h 64 "$work/frames.svg" -o "$work/frames.png"
convert "$work/frames.png" -background white -alpha remove -alpha off -type TrueColor BMP3:"$images/frames.bmp"

# The dialogs' class icons: a strip of 16 x 16 icons, magenta where transparent. Index 0 open
# photos, 1 Ovix (About, messages, update), 2 configuration, then the configuration pages.
svg 16 "$work/wheel.svg" "$work/logo16.png"
strip=()
for icon in "$tango/16x16/status/folder-open.png" "$work/logo16.png" \
            "$tango/16x16/categories/preferences-system.png" \
            "$tango/16x16/apps/preferences-desktop-wallpaper.png" \
            "$tango/16x16/devices/video-display.png" "$tango/16x16/status/audio-volume-high.png" \
            "$tango/16x16/apps/preferences-desktop-theme.png" "$tango/16x16/apps/help-browser.png"; do
  n=${#strip[@]}
  convert "$icon" -alpha extract -threshold 45% "$work/tabmask$n.png"
  convert "$icon" -background '#d4d0c8' -alpha remove -alpha off "$work/tabflat$n.png"
  convert "$work/tabflat$n.png" "$work/tabmask$n.png" -alpha off -compose CopyOpacity -composite \
    -background magenta -alpha remove -alpha off "$work/tab$n.png"
  strip+=("$work/tab$n.png")
done
convert "${strip[@]}" +append -type TrueColor BMP3:"$root/data/icons/config_tabs.bmp"

# The keyboard help picture, 481 x 298, and the program icon.
rsvg-convert "$work/klavesnice.svg" -o "$work/klavesnice.png"
convert "$work/klavesnice.png" -strip PNG32:"$root/help/klavesnice.png"
convert "$work/wheel.png" -define icon:auto-resize=256,64,48,32,24,16 "$root/src/app/ovix.ico"
echo "make-artwork: done"
