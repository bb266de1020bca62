#include "photos/image_surface.h"

#include <cstdlib>

namespace {
// Lowest set bit and the number of bits lost against 8 bits of precision.
void describeChannel(uint32_t mask, uint8_t& shift, uint8_t& loss) {
  shift = 0;
  loss = 8;
  if (mask == 0) return;
  while (!(mask & 1u)) {
    mask >>= 1;
    ++shift;
  }
  int width = 0;
  while (mask & 1u) {
    mask >>= 1;
    ++width;
  }
  loss = static_cast<uint8_t>(width >= 8 ? 0 : 8 - width);
}
}  // namespace

ImageSurface* createSurface(int w, int h, int bytesPerPixel, uint32_t rMask, uint32_t gMask,
                            uint32_t bMask, uint32_t aMask) {
  if (w <= 0 || h <= 0 || bytesPerPixel < 1 || bytesPerPixel > 4) return nullptr;
  const uint64_t pitch = (static_cast<uint64_t>(w) * bytesPerPixel + 3) & ~uint64_t{3};
  if (pitch > 0x7FFFFFFF) return nullptr;
  auto* surface = static_cast<ImageSurface*>(std::calloc(1, sizeof(ImageSurface)));
  auto* format = static_cast<PixelFormat*>(std::calloc(1, sizeof(PixelFormat)));
  void* pixels = std::calloc(static_cast<size_t>(pitch), static_cast<size_t>(h));
  if (!surface || !format || !pixels) {
    std::free(surface);
    std::free(format);
    std::free(pixels);
    return nullptr;
  }
  format->bytesPerPixel = static_cast<uint8_t>(bytesPerPixel);
  format->bitsPerPixel = static_cast<uint8_t>(bytesPerPixel * 8);
  format->rMask = rMask;
  format->gMask = gMask;
  format->bMask = bMask;
  format->aMask = aMask;
  describeChannel(rMask, format->rShift, format->rLoss);
  describeChannel(gMask, format->gShift, format->gLoss);
  describeChannel(bMask, format->bShift, format->bLoss);
  describeChannel(aMask, format->aShift, format->aLoss);
  surface->format = format;
  surface->w = w;
  surface->h = h;
  surface->pitch = static_cast<int>(pitch);
  surface->pixels = pixels;
  return surface;
}

void freeSurface(ImageSurface* surface) {
  if (!surface) return;
  std::free(surface->pixels);
  std::free(surface->format);
  std::free(surface);
}
