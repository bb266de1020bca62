#pragma once
// A decoded picture in memory, in the pixel layout its decoder produced: the interface the
// texture code reads. Platform-free, so the repacking that reads it is tested natively.
#include <cstdint>

// How one pixel is laid out: `bytesPerPixel` bytes read as a little-endian number; channel
// value = (pixel AND mask) >> (shift - loss). A channel whose mask is 0 is absent.
struct PixelFormat {
  uint8_t bitsPerPixel = 0;
  uint8_t bytesPerPixel = 0;
  uint8_t rLoss = 0, gLoss = 0, bLoss = 0, aLoss = 0;
  uint8_t rShift = 0, gShift = 0, bShift = 0, aShift = 0;
  uint32_t rMask = 0, gMask = 0, bMask = 0, aMask = 0;
};

// `w` x `h` pixels, rows top to bottom, each `pitch` bytes apart, as stored in the file;
// `orientation` (EXIF 1-8, exif_orientation.h) says how they are turned upright. Owns `format`
// and `pixels`; release with freeSurface.
struct ImageSurface {
  PixelFormat* format = nullptr;
  int w = 0, h = 0;
  int pitch = 0;
  void* pixels = nullptr;
  int orientation = 1;
};

// A surface of w x h zeroed pixels with the given bytes per pixel and channel masks (shifts
// are derived from the masks, losses from their widths); rows are 4-byte aligned. Returns
// none when the size is not positive or memory runs out.
ImageSurface* createSurface(int w, int h, int bytesPerPixel, uint32_t rMask, uint32_t gMask,
                            uint32_t bMask, uint32_t aMask);

// Frees the surface, its pixels and its format; none is ignored.
void freeSurface(ImageSurface* surface);
