// Decoded pictures in memory: the layout derived from the channel masks, and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "photos/image_surface.h"

TEST(ImageSurface, RowsAreFourByteAlignedAndMasksGiveShiftsAndLosses) {
  // The rows' length, then red, green and alpha: shift and loss.
  const struct { int w, bytes; uint32_t r, g, b, a; std::array<int, 7> layout; } cases[] = {
      {5, 3, 0xFF0000, 0xFF00, 0xFF, 0, {16, 16, 0, 8, 0, 0, 8}}, {2, 1, 0xE0, 0x1C, 0x3, 0, {4, 5, 5, 2, 5, 0, 8}},
      {3, 2, 0xF800, 0x7E0, 0x1F, 0, {8, 11, 3, 5, 2, 0, 8}},
      {1, 4, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, {4, 0, 0, 8, 0, 24, 0}},
  };
  for (const auto& c : cases) {
    ImageSurface* surface = createSurface(c.w, 2, c.bytes, c.r, c.g, c.b, c.a);
    ASSERT_NE(surface, nullptr);
    const PixelFormat& f = *surface->format;
    EXPECT_EQ((std::array<int, 7>{surface->pitch, f.rShift, f.rLoss, f.gShift, f.gLoss, f.aShift, f.aLoss}), c.layout)
        << c.w << "x" << c.bytes;
    EXPECT_TRUE(f.bitsPerPixel == 8 * c.bytes && f.bytesPerPixel == c.bytes);
    EXPECT_EQ(static_cast<const uint8_t*>(surface->pixels)[surface->pitch * 2 - 1], 0);
    freeSurface(surface);
  }
  for (const auto& [w, h, bytes] : {std::tuple{0, 1, 3}, {1, 0, 3}, {1, 1, 0}, {1, 1, 5}, {-1, 1, 3}})
    EXPECT_EQ(createSurface(w, h, bytes, 0xFF, 0, 0, 0), nullptr) << w << " " << h << " " << bytes;
  EXPECT_EQ(createSurface(0x20000000, 1, 4, 0xFF, 0, 0, 0), nullptr);  // a row of 2 GB
}
