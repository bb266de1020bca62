// Repacking surfaces into texels: the fast path against the plain padded-buffer algorithm,
// and the layouts and sizes the photo show depends on.
#include <gtest/gtest.h>

#include <random>

#include "photos/texel_image.h"
#include "texel_reference.h"

namespace {
using SurfacePtr = std::unique_ptr<ImageSurface, void (*)(ImageSurface*)>;
struct Layout { int bpp; uint32_t r, g, b, a; };
const Layout noiseLayouts[] = {
    {3, 0xFF0000, 0xFF00, 0xFF, 0},            // 24-bit BGR, as JPEGs decode
    {4, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u},  // 32-bit BGRA
    {4, 0xFF0000, 0xFF00, 0xFF, 0},            // 32-bit BGR without alpha
    {2, 0xF800, 0x07E0, 0x001F, 0},            // 16-bit 565, through the generic channel path
    {1, 0xE0, 0x1C, 0x03, 0},                  // 8-bit 332
    // Masks one byte wide that still need the generic path, and an absent colour channel.
    {2, 0x1FE, 0, 0, 0}, {2, 0x7F80, 0, 0, 0}, {4, 0x3FF00000, 0xFFC00, 0, 0},
};

// makeTexels on `surface` against the plain algorithm, padded and unpadded.
::testing::AssertionResult sameTexels(const ImageSurface& surface, uint32_t maxSize, bool smoothing) {
  const ReferenceTexels expected = referenceTexels(surface, maxSize, smoothing);
  TexelImage actual, unpadded;
  if (!makeTexels(surface, TextureOptions{maxSize, smoothing}, actual) ||
      !makeTexels(surface, TextureOptions{maxSize, smoothing, false}, unpadded))
    return ::testing::AssertionFailure() << "makeTexels failed";
  if (expected.sizes != std::array<int, 5>{int(actual.textureWidth), int(actual.textureHeight), actual.imageWidth, actual.imageHeight,
                     actual.bytesPerTexel})
    return ::testing::AssertionFailure() << "other sizes";
  const auto differ = std::mismatch(expected.texels.begin(), expected.texels.end(), actual.texels).first;
  if (differ != expected.texels.end())
    return ::testing::AssertionFailure() << "texel byte " << differ - expected.texels.begin() << " differs";
  // Unpadded, the texture is the padded one's picture area.
  const size_t row = size_t(actual.imageWidth) * actual.bytesPerTexel, paddedRow = actual.textureWidth * actual.bytesPerTexel;
  if (int(unpadded.textureWidth) != actual.imageWidth || int(unpadded.textureHeight) != actual.imageHeight ||
      unpadded.imageHeight != actual.imageHeight)
    return ::testing::AssertionFailure() << "unpadded " << unpadded.textureWidth << "x" << unpadded.textureHeight;
  for (int r = 0; r < actual.imageHeight; ++r)
    if (!std::equal(unpadded.texels + r * row, unpadded.texels + (r + 1) * row, actual.texels + r * paddedRow))
      return ::testing::AssertionFailure() << "unpadded row " << r << " differs";
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST(TexelImage, MatchesThePaddedBufferAlgorithmAndUnpaddedKeepsItsPicture) {
  const struct { int w, h; } sizes[] = {
      {1, 1}, {3, 3}, {2, 2}, {5, 7}, {17, 9}, {129, 64}, {257, 3}, {300, 200}, {1025, 10},
      {2000, 3}, {4100, 1}, {3, 700}, {1, 1500}, {40, 600},
  };
  const uint32_t limits[] = {0, 1, 2, 16, 64, 100, 256, 1024};
  unsigned seed = 1;
  for (const auto& [w, h] : sizes)
    for (const Layout& layout : noiseLayouts) {
      // A surface filled with noise.
      SurfacePtr surface(createSurface(w, h, layout.bpp, layout.r, layout.g, layout.b, layout.a), freeSurface);
      std::mt19937 random(seed);
      auto* bytes = static_cast<uint8_t*>(surface->pixels);
      for (size_t i = 0; i < static_cast<size_t>(surface->pitch) * h; ++i) bytes[i] = static_cast<uint8_t>(random());
      surface->orientation = static_cast<int>(seed++ % 10);  // every turn, and 0 and 9: no valid tag
      for (uint32_t limit : limits)
        for (bool smoothing : {false, true})
          EXPECT_TRUE(sameTexels(*surface, limit, smoothing))
              << w << "x" << h << " bpp " << layout.bpp << " orientation " << surface->orientation
              << " maxSize " << limit << (smoothing ? " smoothed" : " picked");
    }
}

// Each case spoils one field of a 4 x 4 BGR surface whose rows are exactly 12 bytes long (a
// pitch of 11 is shorter than a row). Under a size limit of 2 a surface let through is read far
// beyond its pixels.
TEST(TexelImage, RefusesWhatIsNoPicture) {
  using Spoil = void (*)(ImageSurface&, PixelFormat&);
  const Spoil spoilt[] = {
      [](auto& s, auto&) { s.format = nullptr; }, [](auto& s, auto&) { s.pixels = nullptr; },
      [](auto& s, auto&) { s.w = 0; }, [](auto& s, auto&) { s.h = 0; }, [](auto&, auto& f) { f.bytesPerPixel = 0; },
      [](auto& s, auto&) { s.pitch = 11; }, [](auto& s, auto& f) { f.bytesPerPixel = 5, s.pitch = 20, s.h = 2; },
      [](auto& s, auto& f) { f.bytesPerPixel = 1, s.w = (1 << 30) + 1, s.pitch = INT32_MAX; },
      [](auto& s, auto&) { s.w = 2048, s.pitch = 6144, s.h = (1 << 30) + 1; },
  };
  for (const Spoil& spoil : spoilt) {
    SurfacePtr surface(createSurface(4, 4, 3, 0xFF0000, 0xFF00, 0xFF, 0), freeSurface);
    ImageSurface copy = *surface;
    PixelFormat format = *surface->format;
    copy.format = &format;
    spoil(copy, format);
    TexelImage texels;
    EXPECT_FALSE(makeTexels(copy, TextureOptions{2, false}, texels)) << &spoil - spoilt;
    EXPECT_TRUE(!texels.texels && !texels.textureWidth && !texels.textureHeight && !texels.imageWidth && !texels.imageHeight);
  }
}

// The largest decode scale that keeps the texture: the picture decoded smaller, its sides
// rounded up, pads and reduces to the same texture.
TEST(TexelImage, TheDecodeScaleKeepsTheTexture) {
  const struct { uint32_t w, h, maxSize, scale; } cases[] = {
      {3000, 2000, 1024, 4}, {1000, 3000, 1024, 1}, {2048, 10, 1000, 4}, {9000, 1, 1024, 1},
      {6000, 4000, 1024, 8}, {4000, 6000, 1024, 4}, {1100, 800, 1024, 2}, {1024, 768, 1024, 1},
      {6000, 4000, 0, 1},    {8000, 3, 1024, 2},    {2049, 2049, 1000, 8}, {6000, 4000, 16, 8},
  };
  for (const auto& c : cases) {
    const uint32_t scale = decodeScale(c.w, c.h, c.maxSize);
    EXPECT_EQ(scale, c.scale) << c.w << "x" << c.h << " limit " << c.maxSize;
    const Reduction full = planReduction(paddedSide(c.w), paddedSide(c.h), c.maxSize);
    const Reduction smaller = planReduction(paddedSide((c.w + scale - 1) / scale), paddedSide((c.h + scale - 1) / scale), c.maxSize);
    EXPECT_TRUE(full.width == smaller.width && full.height == smaller.height) << c.w << "x" << c.h;
  }
}

TEST(TexelImage, DriversThatTakeTexturesOfAnySide) {
  const struct { const char* version; const char* extensions; bool any; } drivers[] = {
      {"1.1.0", "GL_EXT_bgra GL_ARB_texture_non_power_of_two", true}, {"2.0", "", true}, {"10.1", nullptr, true},
      {"1.5", "GL_ARB_texture_non_power_of_two_x XGL_ARB_texture_non_power_of_two", false}, {nullptr, nullptr, false}};
  for (const auto& d : drivers) EXPECT_EQ(driverTakesAnySide(d.version, d.extensions), d.any) << d.extensions;
}
