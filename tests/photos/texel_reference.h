#pragma once
// The texture repacking done the plain way, as a yardstick for makeTexels: materialise the
// whole padded picture, then reduce it by flat texel indices. Slow and memory-hungry on
// purpose; only the tests use it.
#include <cstdint>
#include <vector>

#include "photos/image_surface.h"
#include "photos/texel_image.h"

struct ReferenceTexels {
  std::vector<uint8_t> texels;
  uint32_t textureWidth = 0, textureHeight = 0;
  int imageWidth = 0, imageHeight = 0;
  int bytesPerTexel = 0;
};

inline ReferenceTexels referenceTexels(const ImageSurface& surface, uint32_t maxSize, bool smoothing) {
  const PixelFormat& f = *surface.format;
  const int bpp = f.bytesPerPixel;
  const int out = bpp == 4 ? 4 : 3;
  uint32_t tw = 2, th = 2;
  while (tw < static_cast<uint32_t>(surface.w)) tw *= 2;
  while (th < static_cast<uint32_t>(surface.h)) th *= 2;

  std::vector<uint8_t> padded(static_cast<size_t>(tw) * th * out, 0);
  const uint32_t masks[4] = {f.rMask, f.gMask, f.bMask, f.aMask};
  const int shifts[4] = {f.rShift - f.rLoss, f.gShift - f.gLoss, f.bShift - f.bLoss, f.aShift - f.aLoss};
  for (int y = 0; y < surface.h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(surface.pixels) + static_cast<size_t>(y) * surface.pitch;
    const size_t targetRow = static_cast<size_t>(surface.h - 1 - y);
    for (int x = 0; x < surface.w; ++x) {
      uint32_t value = 0;
      for (int k = 0; k < bpp; ++k) value |= static_cast<uint32_t>(row[x * bpp + k]) << (8 * k);
      uint8_t* texel = &padded[(targetRow * tw + x) * out];
      for (int c = 0; c < out; ++c) {
        if (masks[c] == 0) {
          texel[c] = c == 3 ? 255 : 0;
          continue;
        }
        const uint32_t bits = value & masks[c];
        texel[c] = static_cast<uint8_t>(shifts[c] >= 0 ? bits >> shifts[c] : bits << -shifts[c]);
      }
    }
  }

  ReferenceTexels result;
  result.bytesPerTexel = out;
  uint32_t limit = 0;
  if (maxSize) {
    limit = 1;
    while (limit * 2 <= maxSize) limit *= 2;
  }
  if (limit == 0 || limit >= tw) {
    result.texels = std::move(padded);
    result.textureWidth = tw;
    result.textureHeight = th;
    result.imageWidth = surface.w;
    result.imageHeight = surface.h;
    return result;
  }
  const uint32_t fx = tw / limit;
  uint32_t newHeight = th / fx;
  if (newHeight == 0) newHeight = 1;
  const uint32_t fy = th / newHeight;
  const size_t total = static_cast<size_t>(tw) * th;
  auto sample = [&](size_t index, int c) -> int {
    if (index >= total) index -= tw;
    return padded[index * out + c];
  };
  result.texels.assign(static_cast<size_t>(limit) * newHeight * out, 0);
  for (uint32_t r = 0; r < newHeight; ++r)
    for (uint32_t x = 0; x < limit; ++x)
      for (int c = 0; c < out; ++c) {
        const size_t i = static_cast<size_t>(r) * fy * tw + static_cast<size_t>(x) * fx;
        int value = sample(i, c);
        if (smoothing)
          value = static_cast<int>(0.25f * static_cast<float>(sample(i, c) + sample(i + 1, c) +
                                                              sample(i + tw, c) + sample(i + tw + 1, c)));
        result.texels[(static_cast<size_t>(r) * limit + x) * out + c] = static_cast<uint8_t>(value);
      }
  result.textureWidth = limit;
  result.textureHeight = newHeight;
  result.imageWidth = static_cast<int>(static_cast<double>(surface.w) / fx);
  result.imageHeight = static_cast<int>(static_cast<double>(surface.h) / fy);
  if (result.imageWidth < 1) result.imageWidth = 1;
  if (result.imageHeight < 1) result.imageHeight = 1;
  return result;
}
