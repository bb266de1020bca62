#pragma once
// The texture repacking done the plain way: the yardstick for makeTexels in the tests, and the
// baseline of the texture benchmark.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "photos/image_surface.h"

struct ReferenceTexels {
  std::vector<uint8_t> texels;
  std::array<int, 5> sizes;  // texture width and height, picture width and height, bytes per texel
};

// The stored pixel that stands at (x, y) of the upright picture, y from its top, as EXIF
// defines the eight turns: transposed first where the orientation says so, then mirrored across
// and down (stored 1 2 3 / 4 5 6 stands as 4 1 / 5 2 / 6 3 for orientation 6, as 3 6 / 2 5 / 1 4
// for 8). Any other orientation stands as stored.
inline const uint8_t* uprightPixel(const ImageSurface& s, int x, int y) {
  static const bool turns[9][3] = {{}, {0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1},
                                   {1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 1, 0}};
  const bool* turn = turns[s.orientation >= 1 && s.orientation <= 8 ? s.orientation : 0];
  const int u = turn[0] ? y : x, v = turn[0] ? x : y;
  const int sx = turn[1] ? s.w - 1 - u : u, sy = turn[2] ? s.h - 1 - v : v;
  return static_cast<const uint8_t*>(s.pixels) + sy * s.pitch + sx * s.format->bytesPerPixel;
}

// The whole padded upright picture materialised, then reduced by flat texel indices. Slow and
// memory-hungry on purpose.
inline ReferenceTexels referenceTexels(const ImageSurface& surface, uint32_t maxSize, bool smoothing) {
  const PixelFormat& f = *surface.format;
  const int out = f.bytesPerPixel == 4 ? 4 : 3;
  const bool transposed = surface.orientation >= 5 && surface.orientation <= 8;
  const int w = transposed ? surface.h : surface.w, h = transposed ? surface.w : surface.h;
  uint32_t tw = 2, th = 2;
  while (tw < static_cast<uint32_t>(w)) tw *= 2;
  while (th < static_cast<uint32_t>(h)) th *= 2;
  std::vector<uint8_t> padded(static_cast<size_t>(tw) * th * out, 0);
  const uint32_t masks[4] = {f.rMask, f.gMask, f.bMask, f.aMask};
  const int shifts[4] = {f.rShift - f.rLoss, f.gShift - f.gLoss, f.bShift - f.bLoss, f.aShift - f.aLoss};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* pixel = uprightPixel(surface, x, y);
      uint32_t value = 0;
      for (int k = 0; k < f.bytesPerPixel; ++k) value |= static_cast<uint32_t>(pixel[k]) << (8 * k);
      uint8_t* texel = &padded[((static_cast<size_t>(h) - 1 - y) * tw + x) * out];  // rows bottom up
      for (int c = 0; c < out; ++c) {
        const uint32_t bits = value & masks[c];
        texel[c] = masks[c] == 0 ? (c == 3 ? 255 : 0) : static_cast<uint8_t>(shifts[c] >= 0 ? bits >> shifts[c] : bits << -shifts[c]);
      }
    }
  // The limit's power of two at or below it, held against the width only.
  uint32_t limit = maxSize ? 1 : tw;
  while (maxSize && limit * 2 <= maxSize) limit *= 2;
  const uint32_t fx = tw / std::min(limit, tw), height = std::max(1u, th / fx), fy = th / height;
  ReferenceTexels result{std::vector<uint8_t>(static_cast<size_t>(tw / fx) * height * out), {int(tw / fx), int(height),
                         std::max(1, int(double(w) / fx)), std::max(1, int(double(h) / fy)), out}};
  for (uint32_t r = 0; r < height; ++r)
    for (uint32_t x = 0; x < tw / fx; ++x)
      for (int c = 0; c < out; ++c) {
        const size_t i = (static_cast<size_t>(r) * fy * tw + static_cast<size_t>(x) * fx) * out + c;
        int value = padded[i];
        if (smoothing && fx > 1)
          value = static_cast<int>(0.25f * static_cast<float>(padded[i] + padded[i + out] + padded[i + tw * out] +
                                                              padded[i + (tw + 1) * out]));
        result.texels[(static_cast<size_t>(r) * (tw / fx) + x) * out + c] = static_cast<uint8_t>(value);
      }
  return result;
}
