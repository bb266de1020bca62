// Decoded pictures in memory: the layout derived from the channel masks, and the refusals.
#include <gtest/gtest.h>

#include <tuple>

#include "photos/image_surface.h"

TEST(ImageSurface, RowsAreFourByteAlignedAndMasksGiveShiftsAndLosses) {
  const struct {
    int w, bytesPerPixel;
    uint32_t rMask, gMask, bMask, aMask;
    int pitch, rShift, rLoss, gShift, gLoss, aShift, aLoss;
  } cases[] = {
      {5, 3, 0xFF0000, 0xFF00, 0xFF, 0, 16, 16, 0, 8, 0, 0, 8}, {3, 2, 0xF800, 0x7E0, 0x1F, 0, 8, 11, 3, 5, 2, 0, 8},
      {1, 4, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 4, 0, 0, 8, 0, 24, 0}, {2, 1, 0xE0, 0x1C, 0x3, 0, 4, 5, 5, 2, 5, 0, 8},
  };
  for (const auto& c : cases) {
    ImageSurface* surface = createSurface(c.w, 2, c.bytesPerPixel, c.rMask, c.gMask, c.bMask, c.aMask);
    ASSERT_NE(surface, nullptr);
    const PixelFormat& f = *surface->format;
    EXPECT_EQ(std::tuple(surface->pitch, f.bitsPerPixel, f.bytesPerPixel, f.rShift, f.rLoss, f.gShift, f.gLoss, f.aShift,
                         f.aLoss),
              std::tuple(c.pitch, 8 * c.bytesPerPixel, c.bytesPerPixel, c.rShift, c.rLoss, c.gShift, c.gLoss, c.aShift,
                         c.aLoss))
        << c.w << "x" << c.bytesPerPixel;
    EXPECT_EQ(static_cast<const uint8_t*>(surface->pixels)[c.pitch * 2 - 1], 0);
    freeSurface(surface);
  }
  for (const auto& [w, h, bytes] : {std::tuple{0, 1, 3}, {1, 0, 3}, {1, 1, 0}, {1, 1, 5}, {-1, 1, 3}})
    EXPECT_EQ(createSurface(w, h, bytes, 0xFF, 0, 0, 0), nullptr) << w << " " << h << " " << bytes;
  EXPECT_EQ(createSurface(0x20000000, 1, 4, 0xFF, 0, 0, 0), nullptr);  // a row of 2 GB
}
