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
pattern gif.gif
# TIFF, read through the decoders' "other" kind: 8 and 16 bits per channel, CMYK, and two pages
# of which only the first (the pattern) is shown; the second is 20 x 20 black.
pattern -alpha off -type TrueColor -depth 8 -compress LZW rgb.tif
pattern -alpha off -type TrueColor -depth 16 -compress Zip rgb16.tif
pattern -alpha off -colorspace CMYK -depth 8 -compress LZW cmyk.tif
pattern \( -size 20x20 xc:black \) -alpha off -type TrueColor -depth 8 -compress LZW pages.tif
# WebP, for which Wine has no decoder: unreadable there.
pattern -quality 90 photo.webp

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
# 20000 x 20000 pixels, one bit each, in a 48 kB PNG and a 48 kB TIFF (one Deflate strip): far
# above the pixel limit.
python3 - <<'PYTHON'
import struct, zlib
side = 20000
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
row = bytes(1 + 20000 // 8)
packer = zlib.compressobj(9)
pixels = b''.join(packer.compress(row) for _ in range(20000)) + packer.flush()
with open('huge.png', 'wb') as out:
    out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 20000, 20000, 1, 0, 0, 0, 0))
              + chunk(b'IDAT', pixels) + chunk(b'IEND', b''))
packer = zlib.compressobj(9)
strip = b''.join(packer.compress(bytes(side // 8)) for _ in range(side)) + packer.flush()
# width, height, 1 bit, Deflate, white is zero, strip offset, 1 sample, rows per strip, strip size
entries = [(256, 4, side), (257, 4, side), (258, 3, 1), (259, 3, 8), (262, 3, 0), (273, 4, 0), (277, 3, 1),
           (278, 4, side), (279, 4, len(strip))]
stripAt = 8 + 2 + 12 * len(entries) + 4
directory = struct.pack('<H', len(entries))
for tag, kind, value in entries:
    value = stripAt if tag == 273 else value
    field = struct.pack('<HH', value, 0) if kind == 3 else struct.pack('<I', value)
    directory += struct.pack('<HHI', tag, kind, 1) + field
with open('huge.tif', 'wb') as out:
    out.write(b'II*\0' + struct.pack('<I', 8) + directory + struct.pack('<I', 0) + strip)
PYTHON
