// Picture files through the real decoder (WIC under Wine) into texels: the mix of
// formats real photo folders hold, and broken and oversized files.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>

#include "photos/image_decoder.h"
#include "photos/photo_info_line.h"
#include "photos/texture_image.h"
#include "sources/photo_list.h"

namespace {
std::string picture(const char* name) { return std::string("Z:" OVIX_TEST_PICTURES "/") + name; }

// How far picture pixel (x, y) (y from the top) of unreduced 40 x 30 texels is from `colour`
// (0xRRGGBBAA) in its worst channel; only the alpha counts where `colour` is transparent.
int offBy(const uint8_t* texels, int bytesPerTexel, int x, int y, uint32_t colour) {
  const uint8_t* texel = texels + ((29 - y) * 64 + x) * bytesPerTexel;
  int off = 0;
  for (int c = (colour & 0xFF) ? 0 : 3; c < 4; ++c)
    off = std::max(off, std::abs((c < bytesPerTexel ? texel[c] : 255) - int(colour >> (24 - 8 * c) & 0xFF)));
  return off;
}

// The pattern's quarters (tools/make-test-pictures.sh): their centres and colours.
const int quarters[4][2] = {{10, 7}, {30, 7}, {10, 22}, {30, 22}};
const uint32_t colours[4] = {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF};
const uint32_t transparent[4] = {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0};
const uint32_t greys[4] = {0x424242FF, 0xA6A6A6FF, 0x181818FF, 0xFFFFFFFF};
}  // namespace

TEST(Decoder, RealWorldMixShowsTheRightColoursUpright) {
  const struct { const char* file; int bytesPerTexel; const uint32_t* expected; int tolerance; } files[] = {
      {"baseline.jpg", 3, colours, 4},  {"progressive.jpg", 3, colours, 4}, {"grey.jpg", 3, greys, 24},
      {"cmyk.jpg", 3, colours, 4},      {"rgb.png", 3, colours, 0},          {"interlaced.png", 3, colours, 0},
      {"rgb16.png", 3, colours, 1},     {"grey.png", 3, greys, 24},          {"rgba.png", 4, transparent, 0},
      {"rgba16.png", 4, transparent, 1}, {"palette.png", 4, transparent, 0}, {"bgr24.bmp", 3, colours, 0},
      {"palette.bmp", 3, colours, 0},   {"gif.gif", 3, colours, 0},          {"rgb.tif", 3, colours, 0},
      {"rgb16.tif", 3, colours, 1},     {"cmyk.tif", 3, colours, 1},         {"pages.tif", 3, colours, 0}};
  for (const auto& f : files) {
    TexelImage texels;
    ASSERT_TRUE(decodeTexels(TextureOptions{}, picture(f.file).c_str(), texels)) << f.file;
    ASSERT_TRUE(texels.bytesPerTexel == f.bytesPerTexel && texels.imageWidth == 40 && texels.imageHeight == 30 &&
                texels.textureWidth == 64)
        << f.file << " " << texels.bytesPerTexel << " " << texels.imageWidth << "x" << texels.imageHeight;
    for (int q = 0; q < 4; ++q)
      EXPECT_LE(offBy(texels.texels, f.bytesPerTexel, quarters[q][0], quarters[q][1], f.expected[q]), f.tolerance)
          << f.file << " quarter " << q;
  }
}

// Phone photos, 400 x 300 JPEGs turned upright by their EXIF orientation (6 a quarter clockwise,
// 8 anticlockwise): decoded through the imaging component's scaler at the reduced size their
// upright texture needs, their turn kept for the texels.
TEST(Decoder, LargeTurnedJpegsAreDecodedReduced) {
  const uint32_t scale = decodeScale(300, 400, 64);
  ASSERT_GT(scale, 1u);
  for (const auto& [file, orientation] : {std::pair{"turned6.jpg", 6}, {"turned8.jpg", 8}}) {
    ImageSurface* surface = loadImage(picture(file).c_str(), 64);
    ASSERT_NE(surface, nullptr) << file;
    EXPECT_TRUE(surface->w == int((400 + scale - 1) / scale) && surface->h == int((300 + scale - 1) / scale) &&
                surface->orientation == orientation)
        << file << " " << surface->w << "x" << surface->h;
    freeSurface(surface);
  }
}

// The info line tells the size as the photo stands, and the (UTF-8) name in the Windows-1250 of
// the scene's bitmap font; a file that is not there has no size and no date.
TEST(PhotoInfo, UprightSizeAndTheNameInTheFontsCharacters) {
  PhotoList list;
  list.append("Z:" OVIX_TEST_PICTURES, "turned6.jpg", kindJpg);
  list.append("Z:" OVIX_TEST_PICTURES, "l\xc3\xa9to.jpg", kindJpg);
  EXPECT_EQ(photoInfoText(list, 0).substr(0, 35), "1 / 2     turned6.jpg     300 x 400");
  EXPECT_EQ(photoInfoText(list, 1), "2 / 2     l\xe9to.jpg");
}

TEST(Decoder, BrokenFilesAndPicturesAboveThePixelLimitAreRefused) {
  // huge.png and huge.tif are 20000 x 20000 in 48 kB: refused before a decoder takes gigabytes
  // and seconds.
  PROCESS_MEMORY_COUNTERS before = {}, after = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
  // Wine has no WebP decoder: a format without its codec is as unreadable as a damaged JPEG.
  for (const char* file : {"truncated.jpg", "empty.jpg", "text.jpg", "missing.jpg", "huge.png", "huge.tif",
                           "photo.webp"}) {
    TexelImage texels;
    EXPECT_FALSE(decodeTexels(TextureOptions{1024, true}, picture(file).c_str(), texels)) << file;
  }
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  EXPECT_LT(after.PeakWorkingSetSize, before.PeakWorkingSetSize + 32 * 1024 * 1024);
  EXPECT_FALSE(loadImage("") || loadImage(nullptr));
}
