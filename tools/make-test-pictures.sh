#!/usr/bin/env bash
# Regenerates the small picture files that the decoder tests read (tests/photos/pictures/).
# Every file shows the same 40 x 30 pattern, so the tests can check colours in each format:
# left half red over blue (top 15 rows red, bottom 15 blue), right half green over white.
# Needs ImageMagick (convert). The files are committed; run this only to change them.
set -eu
cd "$(dirname "$0")/../tests/photos/pictures"

pattern() {
  convert -size 40x30 xc:white \
    -fill '#FF0000' -draw 'rectangle 0,0 19,14' \
    -fill '#0000FF' -draw 'rectangle 0,15 19,29' \
    -fill '#00FF00' -draw 'rectangle 20,0 39,14' "$@"
}

pattern -quality 95 -sampling-factor 1x1 baseline.jpg
pattern -quality 95 -sampling-factor 1x1 -interlace JPEG progressive.jpg
pattern -colorspace Gray -quality 95 grey.jpg
pattern -colorspace CMYK -quality 95 -sampling-factor 1x1 cmyk.jpg
pattern PNG24:rgb.png
pattern -interlace PNG PNG24:interlaced.png
pattern -depth 16 PNG48:rgb16.png
# Palette and alpha: the bottom-right quarter transparent.
pattern -alpha set -region 20x15+20+15 -alpha transparent +region PNG32:rgba.png
pattern -alpha set -region 20x15+20+15 -alpha transparent +region -depth 16 PNG64:rgba16.png
pattern -alpha set -region 20x15+20+15 -alpha transparent +region PNG8:palette.png
pattern -colorspace Gray -define png:color-type=0 -depth 8 PNG:grey.png
pattern -type TrueColor BMP3:bgr24.bmp
pattern -type Palette BMP3:palette.bmp

# Broken files: half a JPEG, an empty file, and a text file with a picture's name.
head -c "$(( $(stat -c %s baseline.jpg) / 2 ))" baseline.jpg > truncated.jpg
: > empty.jpg
printf 'This is a text file, not a photo.\n' > text.jpg

# Photos as phones store them: the pattern at 400 x 300 with an EXIF orientation that turns it
# upright a quarter clockwise (6, big-endian Exif) or anticlockwise (8, little-endian).
pattern -scale 1000% -quality 90 large.jpg
exif6='MM\0\052\0\0\0\010\0\001\001\022\0\003\0\0\0\001\0\006\0\0\0\0\0\0'
exif8='II\052\0\010\0\0\0\001\0\022\001\003\0\001\0\0\0\010\0\0\0\0\0\0\0'
for turn in 6 8; do
  block=exif$turn
  { head -c 2 large.jpg; printf '\377\341\0\042Exif\0\0'; printf "${!block}"; tail -c +3 large.jpg; } > turned$turn.jpg
done
rm large.jpg
# 20000 x 20000 black pixels, one bit each, in a 48 kB PNG: far above the pixel limit.
python3 - <<'PYTHON'
import struct, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
row = bytes(1 + 20000 // 8)
packer = zlib.compressobj(9)
pixels = b''.join(packer.compress(row) for _ in range(20000)) + packer.flush()
with open('huge.png', 'wb') as out:
    out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 20000, 20000, 1, 0, 0, 0, 0))
              + chunk(b'IDAT', pixels) + chunk(b'IEND', b''))
PYTHON
