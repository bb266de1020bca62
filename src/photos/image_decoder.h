#pragma once
// Reading picture files (BMP, JPEG, PNG, GIF, TIFF, ... whatever the system's Windows Imaging
// Component decodes) into surfaces.
#include <cstdint>

#include "photos/image_surface.h"
#include "photos/picture_header.h"

// Decodes the first frame of the picture at `path` (UTF-8, of any length). The surface keeps the decoder's own
// layout when that is 24 or 32 bits per pixel in B, G, R (or R, G, B) order, with or without
// alpha; everything else (palettes, grey, 16 bits per channel, CMYK, premultiplied alpha) is
// converted to 24-bit BGR, or 32-bit BGRA when the picture has alpha. A JPEG's EXIF
// orientation goes into the surface, and a JPEG larger than the texture of the size limit
// `maxSize` needs (0: no limit) is decoded at the reduced scale that gives the same texture
// (decodeScale, texel_image.h). Returns none for a picture above the pixel limit
// (picture_header.h), refused before it is decoded, and for a missing, empty, truncated or
// unreadable file, or when memory runs out; the caller frees the surface with freeSurface.
// Safe on any thread: each call starts COM and makes its own imaging factory.
ImageSurface* loadImage(const char* path, uint32_t maxSize = 0);

// What the first bytes of the file at `path` tell (picture_header.h); the empty header when
// the file cannot be read.
PictureHeader readFileHeader(const char* path);
